// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/practiceset.h"

#include "content/generator.h"
#include "content/topics.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// At most this many topics and levels give fresh questions, so a practice
// stays close to the child's commonest mistakes and is made at once.
constexpr int FreshSources = 4;

// The order fresh questions are taken from a set of twenty, which runs from
// easier to harder: spread over the whole set, so a few span its level.
constexpr int Spread[QuestionsPerExercise] = {0, 10, 5, 15, 2, 12, 7, 17, 4, 14, 9, 19, 1, 11, 6, 16, 3, 13, 8, 18};

struct Source
{
    int topic = 0;
    int level = 1;
    int mistakes = 0;
};

// The built-in topics and levels of the child's questions, the most frequent first.
QList<Source> sourcesOf(const Practice::Box &box)
{
    QList<Source> sources;
    for (const PracticeItem &item : box.items) {
        const int topic = Topics::indexOf(item.origin.topic);
        if (topic < 0)
            continue;
        const auto same = std::find_if(sources.begin(), sources.end(), [&](const Source &source) {
            return source.topic == topic && source.level == item.origin.level;
        });
        if (same == sources.end())
            sources.append({topic, item.origin.level, 1});
        else
            ++same->mistakes;
    }
    std::stable_sort(sources.begin(), sources.end(),
                     [](const Source &x, const Source &y) { return x.mistakes > y.mistakes; });
    return sources.mid(0, FreshSources);
}

} // namespace

PracticeSet Practice::compose(const Box &box, const QDate &today, quint32 seed, const QString &language)
{
    PracticeSet set;
    if (box.items.isEmpty())
        return set;
    QList<const PracticeItem *> due;
    QList<const PracticeItem *> early;
    for (const PracticeItem &item : box.items) {
        if (!item.isKnown())
            (box.isDue(item, today) ? due : early).append(&item);
    }
    std::stable_sort(due.begin(), due.end(), [](const PracticeItem *x, const PracticeItem *y) {
        return std::pair(x->due, x->added) < std::pair(y->due, y->added);
    });
    std::stable_sort(early.begin(), early.end(), [](const PracticeItem *x, const PracticeItem *y) {
        return std::tuple(x->box, x->due, x->added) < std::tuple(y->box, y->due, y->added);
    });

    int filled = 0;
    QSet<QString> asked;
    const auto add = [&](const QuestionRecord &question, const PracticeOrigin &origin) {
        set.questions[size_t(filled)] = question;
        set.origins[size_t(filled)] = origin;
        asked.insert(question.text);
        ++filled;
    };
    for (const PracticeItem *item : std::as_const(due)) {
        if (filled < QuestionsPerExercise) {
            add(item->question, item->origin);
            ++set.due;
        }
    }
    for (const PracticeItem *item : std::as_const(early)) {
        if (filled < QuestionsPerExercise) {
            add(item->question, item->origin);
            ++set.early;
        }
    }

    // Fresh questions, one from each topic and level in turn.
    const QList<Source> sources = sourcesOf(box);
    QList<Generator::Generated> made;
    for (qsizetype i = 0; i < sources.size(); ++i)
        made.append(Generator::generateWithFacts(sources.at(i).topic, sources.at(i).level,
                                                 seed + quint32(i) * 7919u, language));
    for (int round = 0; round < QuestionsPerExercise && filled < QuestionsPerExercise; ++round) {
        for (qsizetype i = 0; i < sources.size() && filled < QuestionsPerExercise; ++i) {
            const size_t at = size_t(Spread[round]);
            const QuestionRecord &question = made.at(i).records[at];
            if (question.text.isEmpty() || asked.contains(question.text))
                continue;
            add(question, {Topics::at(sources.at(i).topic).name, -1, sources.at(i).level, made.at(i).facts[at]});
            ++set.fresh;
        }
    }

    // Mistakes in templates alone: the child's own questions again, known ones too.
    const int own = filled;
    for (int next = 0; filled < QuestionsPerExercise; ++next) {
        if (own > 0) {
            const int again = next % own;
            add(set.questions[size_t(again)], set.origins[size_t(again)]);
        } else {
            const PracticeItem &item = box.items.at(next % box.items.size());
            add(item.question, item.origin);
        }
    }
    return set;
}
