// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/practice.h"

#include "base/store/store.h"
#include "content/generator.h"
#include "content/names.h"
#include "users/scorebook.h"

#include <algorithm>
#include <optional>

namespace {

// The fields of a question in the store, in this order.
enum Field { Topic, Position, Level, BoxNumber, Due, Added, Fact, Text, Answer, Clue, Choice, FieldCount };

QStringList fieldsOf(const PracticeItem &item)
{
    return {item.origin.topic,
            QString::number(item.origin.position),
            QString::number(item.origin.level),
            QString::number(item.box),
            item.due.toString(Qt::ISODate),
            item.added.isValid() ? ScoreBook::timeText(item.added) : QString(),
            item.origin.fact.text(),
            item.question.text,
            item.question.answer,
            item.question.clue,
            item.question.choice};
}

// A question as stored, or nothing for one a damaged store holds.
std::optional<PracticeItem> itemOf(const QStringList &fields)
{
    if (fields.size() != FieldCount || fields.at(Text).isEmpty())
        return std::nullopt;
    PracticeItem item;
    item.origin.topic = fields.at(Topic);
    item.origin.position = std::clamp(fields.at(Position).toInt(), -1, QuestionsPerExercise - 1);
    item.origin.level = std::clamp(fields.at(Level).toInt(), 1, Generator::LevelCount);
    item.origin.fact = TimesFact::fromText(fields.at(Fact));
    item.box = std::clamp(fields.at(BoxNumber).toInt(), 1, Practice::Known);
    item.due = QDate::fromString(fields.at(Due), Qt::ISODate);
    item.added = QDateTime::fromString(fields.at(Added), Qt::ISODate);
    item.question = {fields.at(Text), fields.at(Answer), fields.at(Clue), fields.at(Choice)};
    return item;
}

QList<TimesFact> factsOf(const QVariant &value)
{
    QList<TimesFact> facts;
    for (const QString &text : value.toStringList()) {
        const TimesFact fact = TimesFact::fromText(text);
        if (fact.isValid() && !facts.contains(fact))
            facts.append(fact);
    }
    return facts;
}

void writeFacts(StoreMap &store, const QString &key, QList<TimesFact> facts)
{
    if (facts.isEmpty()) {
        store.remove(key);
        return;
    }
    std::sort(facts.begin(), facts.end(), [](const TimesFact &x, const TimesFact &y) {
        return std::pair(x.a, x.b) < std::pair(y.a, y.b);
    });
    QStringList texts;
    for (const TimesFact &fact : std::as_const(facts))
        texts.append(fact.text());
    store.setValue(key, texts);
}

bool isPlayer(const QString &player)
{
    return Names::problemWithNewName(player).isEmpty();
}

const StoreChange::Kind Missed("practice.missed", [](StoreMap &store, const QVariant &data) {
    const QVariantList parts = data.toList();
    if (parts.size() != 3)
        return;
    const QString player = parts.at(0).toString();
    const QDateTime when = QDateTime::fromString(parts.at(1).toString(), Qt::ISODate);
    const std::optional<PracticeItem> item = itemOf(parts.at(2).toStringList());
    if (!isPlayer(player) || !when.isValid() || !item)
        return;
    Practice::Box box = Practice::read(store, player);
    box.miss(item->origin, item->question, when);
    Practice::write(store, player, box);
});

const StoreChange::Kind Answered("practice.answered", [](StoreMap &store, const QVariant &data) {
    const QStringList parts = data.toStringList();
    if (parts.size() != 5)
        return;
    const QString &player = parts.at(0);
    const QDate today = QDate::fromString(parts.at(1), Qt::ISODate);
    if (!isPlayer(player) || !today.isValid())
        return;
    Practice::Box box = Practice::read(store, player);
    if (box.answerRight({parts.at(2), parts.at(3), {}, {}}, TimesFact::fromText(parts.at(4)), today))
        Practice::write(store, player, box);
});

} // namespace

bool PracticeItem::isKnown() const
{
    return box >= Practice::Known;
}

int Practice::waitDays(int box)
{
    return 1 << (std::clamp(box, 1, Boxes) - 1);
}

int Practice::levelAt(int position)
{
    if (position < 0)
        return 1;
    return std::clamp(1 + position * Generator::LevelCount / QuestionsPerExercise, 1, Generator::LevelCount);
}

bool Practice::Box::isDue(const PracticeItem &item, const QDate &today) const
{
    return !item.isKnown() && (!item.due.isValid() || item.due <= today);
}

int Practice::Box::dueCount(const QDate &today) const
{
    return static_cast<int>(std::count_if(items.cbegin(), items.cend(),
                                          [&](const PracticeItem &item) { return isDue(item, today); }));
}

int Practice::Box::practisingCount() const
{
    return static_cast<int>(
        std::count_if(items.cbegin(), items.cend(), [](const PracticeItem &item) { return !item.isKnown(); }));
}

qsizetype Practice::Box::indexOf(const QuestionRecord &question) const
{
    // A question is the same when it reads the same and has the same answer,
    // wherever it was asked.
    const auto found = std::find_if(items.cbegin(), items.cend(), [&](const PracticeItem &item) {
        return item.question.text == question.text && item.question.answer == question.answer;
    });
    return found == items.cend() ? -1 : found - items.cbegin();
}

void Practice::Box::miss(const PracticeOrigin &origin, const QuestionRecord &question, const QDateTime &when)
{
    qsizetype at = indexOf(question);
    if (at < 0) {
        makeRoom();
        items.append({origin, question, 1, {}, when});
        at = items.size() - 1;
    }
    PracticeItem &item = items[at];
    item.box = 1;
    item.due = when.toLocalTime().date().addDays(waitDays(1));
    setFact(item.origin.fact, true);
}

bool Practice::Box::answerRight(const QuestionRecord &question, const TimesFact &fact, const QDate &today)
{
    bool changed = false;
    const qsizetype at = indexOf(question);
    TimesFact itemFact;
    if (at >= 0) {
        PracticeItem &item = items[at];
        itemFact = item.origin.fact;
        if (isDue(item, today)) {
            ++item.box;
            item.due = item.isKnown() ? today : today.addDays(waitDays(item.box));
            changed = true;
        }
    }
    // A fact is known once a question of it is answered so and none of its
    // questions is still being practised.
    for (const TimesFact &answered : {fact, itemFact}) {
        const bool practising = std::any_of(items.cbegin(), items.cend(), [&](const PracticeItem &other) {
            return !other.isKnown() && other.origin.fact == answered;
        });
        changed = setFact(answered, practising) || changed;
    }
    return changed;
}

bool Practice::Box::setFact(const TimesFact &fact, bool practising)
{
    if (!fact.isValid() || fact.b > LargestTable)
        return false;
    QList<TimesFact> &into = practising ? practised : known;
    QList<TimesFact> &outOf = practising ? known : practised;
    if (into.contains(fact) && !outOf.contains(fact))
        return false;
    outOf.removeAll(fact);
    if (!into.contains(fact))
        into.append(fact);
    return true;
}

void Practice::Box::makeRoom()
{
    if (items.size() < MaxQuestions)
        return;
    // The one known longest; when none is known, the oldest in the highest box.
    const auto leaving = std::min_element(items.begin(), items.end(), [](const PracticeItem &x, const PracticeItem &y) {
        if (x.box != y.box)
            return x.box > y.box;
        return x.isKnown() ? x.due < y.due : x.added < y.added;
    });
    items.erase(leaving);
}

Practice::Box Practice::read(const StoreMap &store, const QString &player)
{
    Box box;
    if (!isPlayer(player))
        return box;
    const int count = std::clamp(store.value(Keys::practiceCount(player)).toInt(), 0, MaxQuestions);
    for (int n = 1; n <= count; ++n) {
        if (const std::optional<PracticeItem> item = itemOf(store.value(Keys::practiceQuestion(player, n)).toStringList()))
            box.items.append(*item);
    }
    box.known = factsOf(store.value(Keys::factsKnown(player)));
    box.practised = factsOf(store.value(Keys::factsPractised(player)));
    return box;
}

void Practice::write(StoreMap &store, const QString &player, const Box &box)
{
    if (!isPlayer(player))
        return;
    const int before = std::clamp(store.value(Keys::practiceCount(player)).toInt(), 0, MaxQuestions);
    const int count = static_cast<int>(box.items.size());
    for (int n = 1; n <= count; ++n)
        store.setValue(Keys::practiceQuestion(player, n), fieldsOf(box.items.at(n - 1)));
    for (int n = count + 1; n <= before; ++n)
        store.remove(Keys::practiceQuestion(player, n));
    store.setValue(Keys::practiceCount(player), count);
    writeFacts(store, Keys::factsKnown(player), box.known);
    writeFacts(store, Keys::factsPractised(player), box.practised);
}

Practice::Box Practice::of(const QString &player)
{
    Box box;
    Store::read([&](const StoreMap &store) { box = read(store, player); });
    return box;
}

StoreChange Practice::missing(const QString &player, const PracticeOrigin &origin, const QuestionRecord &question,
                              const QDateTime &when)
{
    return {Missed, QVariantList{player, ScoreBook::timeText(when), fieldsOf({origin, question, 1, {}, when})}};
}

StoreChange Practice::answering(const QString &player, const QuestionRecord &question, const TimesFact &fact,
                                const QDate &today)
{
    return {Answered, QStringList{player, today.toString(Qt::ISODate), question.text, question.answer, fact.text()}};
}
