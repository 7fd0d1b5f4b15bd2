// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/story.h"

#include <algorithm>

QString told(Writer &writer, const QList<Story> &stories, const QList<int> &numbers, const QList<Thing> &things)
{
    const auto within = [](int value, int low, int high) { return low <= value && value <= high; };
    QList<Story> fitting;
    for (const Story &story : stories) {
        const bool fits = story.bHigh > 0
            ? within(numbers.value(0), story.low, story.high) && within(numbers.value(1), story.bLow, story.bHigh)
            : std::all_of(numbers.cbegin(), numbers.cend(),
                          [&](int value) { return within(value, story.low, story.high); });
        if (fits)
            fitting.append(story);
    }
    if (fitting.isEmpty())
        return {};

    QString text = QString::fromUtf16(writer.pick(fitting).form);
    const Person first = writer.person();
    const Thing thing = writer.thing(things);
    QString he = first.he;
    he[0] = he.at(0).toUpper();
    const std::pair<const char *, QString> words[] = {
        {"{n}", first.name}, {"{He}", he}, {"{he}", first.he}, {"{his}", first.his},
        {"{things}", thing.many}, {"{thing}", thing.one},
    };
    for (const auto &[key, word] : words)
        text.replace(QLatin1String(key), word);
    if (text.contains(QLatin1String("{fruit"))) {
        const Thing fruit = writer.thing(Writer::fruit());
        text.replace(QLatin1String("{fruits}"), fruit.many);
        text.replace(QLatin1String("{fruit}"), fruit.one);
    }
    if (text.contains(QLatin1String("{bake"))) {
        const Thing baked = writer.thing(Writer::bakes());
        text.replace(QLatin1String("{bakes}"), baked.many);
        text.replace(QLatin1String("{bake}"), baked.one);
    }
    if (text.contains(QLatin1String("{m}")))
        text.replace(QLatin1String("{m}"), writer.person().name);
    const char *keys[] = {"{a}", "{b}", "{c}"};
    for (qsizetype i = 0; i < numbers.size() && i < 3; ++i)
        text.replace(QLatin1String(keys[i]), QString::number(numbers.at(i)));
    return text;
}
