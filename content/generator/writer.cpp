// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/writer.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int WindowAttempts = 50;

// Whether a French word takes l' and d' instead of le, la and de.
bool elides(const QString &word)
{
    static const QString vowels = QStringLiteral("aeiouyhàâéèêîôû");
    return !word.isEmpty() && vowels.contains(word.at(0).toLower());
}

} // namespace

Writer::Writer(SeededRandom &random, Tongue tongue)
    : m_random(random)
    , m_tongue(tongue)
    , m_bank(&Banks::of(tongue))
    , m_people(m_bank->people)
{
    m_random.shuffle(m_people);
}

Person Writer::person()
{
    const Person &person = m_people.at(m_nextPerson % m_people.size());
    ++m_nextPerson;
    return person;
}

const Thing *Writer::thing(const QList<Thing> &things, int price)
{
    QList<const Thing *> fitting;
    QList<const Thing *> fresh;
    for (const Thing &thing : things) {
        if (price >= 0 && !thing.range.holds(price))
            continue;
        fitting.append(&thing);
        if (!m_usedThings.contains(&thing) && !m_drawnThings.contains(&thing))
            fresh.append(&thing);
    }
    if (fitting.isEmpty())
        return nullptr;
    const Thing *chosen = m_random.pick(fresh.isEmpty() ? fitting : fresh);
    m_drawnThings.insert(chosen);
    return chosen;
}

const QList<Thing> &Writer::things(Nouns nouns) const
{
    static const QList<Thing> none;
    switch (nouns) {
    case Nouns::Small: return m_bank->small;
    case Nouns::Fruit: return m_bank->fruit;
    case Nouns::Bakes: return m_bank->bakes;
    case Nouns::Foods: return m_bank->foods;
    case Nouns::Vehicles: return m_bank->vehicles;
    case Nouns::Cheap: return m_bank->cheap;
    case Nouns::Dear: return m_bank->dear;
    case Nouns::Big: return m_bank->big;
    case Nouns::Bulk: return m_bank->bulk;
    case Nouns::Family: return m_bank->family;
    default: return none;
    }
}

bool Writer::tell(Draft &draft, const QList<Story> &stories, const Telling &telling)
{
    const QList<int> &numbers = telling.numbers;
    QList<const Story *> fitting;
    QList<const Story *> fresh;
    for (const Story &story : stories) {
        if ((!numbers.isEmpty() && !story.a.holds(numbers.at(0)))
            || (numbers.size() > 1 && !story.b.holds(numbers.at(1))) || !story.answer.holds(draft.answer))
            continue;
        // A story about one kind of thing tells only of things of that kind.
        if (telling.noun && story.nouns != Nouns::None && !holds(story.nouns, telling.noun))
            continue;
        // A thing bought at a price, or a vehicle for so many children, must exist at that price or size.
        if (story.nounHolds >= 0 && !telling.noun) {
            const QList<Thing> &kind = things(story.nouns);
            const int held = numbers.value(story.nounHolds);
            if (std::none_of(kind.cbegin(), kind.cend(), [&](const Thing &t) { return t.range.holds(held); }))
                continue;
        }
        fitting.append(&story);
        if (!m_toldStories.contains(&story))
            fresh.append(&story);
    }
    if (fitting.isEmpty())
        return false;
    const Story &story = *m_random.pick(fresh.isEmpty() ? fitting : fresh);
    Telling full = telling;
    const int held = story.nounHolds >= 0 ? numbers.value(story.nounHolds) : -1;
    if (!full.noun && story.nouns != Nouns::None) {
        full.noun = thing(things(story.nouns), held);
        if (!full.noun)
            return false;
    }
    if (held >= 0 && full.noun)
        draft.quantities.append({held, full.noun->range});
    draft.text = told(QString::fromUtf16(story.form), full);
    draft.story = &story;
    if (!numbers.isEmpty())
        draft.quantities.append({numbers.at(0), story.a});
    if (numbers.size() > 1)
        draft.quantities.append({numbers.at(1), story.b});
    draft.quantities.append({draft.answer, story.answer});
    return true;
}

void Writer::keep(const Draft &draft)
{
    if (draft.story)
        m_toldStories.insert(draft.story);
    m_usedThings.unite(m_drawnThings);
    m_drawnThings.clear();
}

bool Writer::holds(Nouns nouns, const Thing *thing) const
{
    const QList<Thing> &list = things(nouns);
    return std::any_of(list.cbegin(), list.cend(), [thing](const Thing &t) { return &t == thing; });
}

QString Writer::noun(const QString &key, const Thing &thing) const
{
    const bool french = m_tongue == Tongue::French;
    const bool spanish = m_tongue == Tongue::Spanish;
    if (key == QLatin1String("thing"))
        return thing.one;
    if (key == QLatin1String("things"))
        return thing.many;
    if (key == QLatin1String("a thing")) {
        if (french)
            return (thing.feminine ? QStringLiteral("une ") : QStringLiteral("un ")) + thing.one;
        if (spanish)
            return (thing.feminine ? QStringLiteral("una ") : QStringLiteral("un ")) + thing.one;
        return (QStringLiteral("aeiou").contains(thing.one.at(0)) ? QStringLiteral("an ") : QStringLiteral("a "))
            + thing.one;
    }
    if (key == QLatin1String("the thing")) {
        if (french)
            return elides(thing.one) ? QStringLiteral("l'") + thing.one
                                     : (thing.feminine ? QStringLiteral("la ") : QStringLiteral("le ")) + thing.one;
        if (spanish)
            return (thing.feminine ? QStringLiteral("la ") : QStringLiteral("el ")) + thing.one;
        return QStringLiteral("the ") + thing.one;
    }
    if (key == QLatin1String("the things")) {
        if (french)
            return QStringLiteral("les ") + thing.many;
        if (spanish)
            return (thing.feminine ? QStringLiteral("las ") : QStringLiteral("los ")) + thing.many;
        return QStringLiteral("the ") + thing.many;
    }
    if (key == QLatin1String("de things")) {
        if (french)
            return (elides(thing.many) ? QStringLiteral("d'") : QStringLiteral("de ")) + thing.many;
        return spanish ? QStringLiteral("de ") + thing.many : thing.many;
    }
    return {};
}

QString Writer::told(const QString &form, const Telling &telling)
{
    // People are drawn only when the form has them, so that a set's names are not used up by forms without any.
    Person first;
    if (form.contains(QLatin1String("{n}")) || form.contains(QLatin1String(" n}")) || form.contains(QLatin1Char('<')))
        first = person();
    const QString second = form.contains(QLatin1String("{m}")) ? person().name : QString();
    const Thing *noun2 = telling.noun2;
    if (!noun2 && telling.noun && form.contains(QLatin1String("2}"))) {
        // Another thing of the same kind as the first.
        for (Nouns nouns : {Nouns::Small, Nouns::Fruit, Nouns::Bakes, Nouns::Foods, Nouns::Cheap, Nouns::Dear,
                 Nouns::Big, Nouns::Bulk, Nouns::Family}) {
            if (holds(nouns, telling.noun))
                noun2 = thing(things(nouns));
        }
    }

    static const QRegularExpression keys(QStringLiteral("\\{([^{}]*)\\}|<([^<>|]*)\\|([^<>]*)>"));
    QString text;
    qsizetype at = 0;
    QRegularExpressionMatchIterator it = keys.globalMatch(form);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        text += form.mid(at, match.capturedStart() - at);
        at = match.capturedEnd();
        if (match.capturedLength(2) > 0 || match.capturedLength(3) > 0) {
            text += first.girl ? match.captured(3) : match.captured(2);
            continue;
        }
        const QString whole = match.captured(1);
        if (whole.isEmpty())
            continue;
        if (whole.contains(QLatin1Char('|'))) {
            const bool feminine = telling.noun && telling.noun->feminine;
            text += whole.section(QLatin1Char('|'), feminine ? 1 : 0, feminine ? 1 : 0);
            continue;
        }
        const bool capital = whole.at(0).isUpper();
        QString key = whole;
        key[0] = key.at(0).toLower();
        QString word;
        const int index = QStringLiteral("abcd").indexOf(key.right(1));
        if (key.size() == 1 && index >= 0) {
            word = QString::number(telling.numbers.value(index));
        } else if (key.startsWith(QLatin1String("words ")) && index >= 0) {
            word = Words::number(m_tongue, telling.numbers.value(index));
        } else if (key == QLatin1String("p") || key == QLatin1String("q")) {
            word = telling.parts.value(key == QLatin1String("p") ? 0 : 1);
        } else if (key == QLatin1String("n")) {
            word = first.name;
        } else if (key == QLatin1String("de n")) {
            // "de Léa", "d'Anaïs": the French word before a name.
            word = (elides(first.name) ? QStringLiteral("d'") : QStringLiteral("de ")) + first.name;
        } else if (key == QLatin1String("m")) {
            word = second;
        } else if (key.endsWith(QLatin1Char('2'))) {
            word = noun2 ? noun(key.chopped(1), *noun2) : QString();
        } else if (telling.noun) {
            word = noun(key, *telling.noun);
        }
        text += capital ? Words::capitalized(word) : word;
    }
    text += form.mid(at);
    return text;
}

int Writer::graded(int low, int high)
{
    if (m_attempt >= WindowAttempts)
        return number(low, high);
    // A window half as wide as the range, sliding from its bottom to its top.
    const int span = high - low;
    const int from = low + span * m_step / (2 * m_steps);
    const int to = low + span * (m_step + m_steps + 1) / (2 * m_steps);
    return number(from, std::max(from, std::min(to, high)));
}
