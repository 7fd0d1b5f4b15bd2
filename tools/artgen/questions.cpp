// SPDX-License-Identifier: GPL-3.0-or-later
#include "questions.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace art {
namespace {

bool has(const QString &lower, std::initializer_list<const char *> words)
{
    for (const char *w : words)
        if (lower.contains(QLatin1String(w)))
            return true;
    return false;
}

bool mentionsMoney(const QString &text)
{
    return text.contains(QLatin1Char('$'));
}

// Number words, only for counts such as "Three friends": "one" is left out
// because it is mostly a pronoun ("one cake").
int numberWord(const QString &word)
{
    static const QStringList words{QStringLiteral("two"),   QStringLiteral("three"),
                                   QStringLiteral("four"),  QStringLiteral("five"),
                                   QStringLiteral("six"),   QStringLiteral("seven"),
                                   QStringLiteral("eight"), QStringLiteral("nine"),
                                   QStringLiteral("ten")};
    const int i = int(words.indexOf(word.toLower()));
    return i < 0 ? -1 : i + 2;
}

// Integers and counting words in reading order, with their text positions.
struct Found {
    int value;
    qsizetype position;
    qsizetype end;
};

QList<Found> numbersWithPositions(const QString &text, bool withWords)
{
    QList<Found> found;
    static const QRegularExpression fraction(QStringLiteral("(\\d+|__|\\?)\\s*/\\s*(\\d+|__|\\?)"));
    QString masked = text;
    for (auto it = fraction.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        masked.replace(m.capturedStart(), m.capturedLength(), QString(m.capturedLength(), QLatin1Char(' ')));
    }
    static const QRegularExpression integer(QStringLiteral("\\d+"));
    for (auto it = integer.globalMatch(masked); it.hasNext();) {
        const auto m = it.next();
        found << Found{m.captured().toInt(), m.capturedStart(), m.capturedEnd()};
    }
    if (withWords) {
        // A counting word names how many of something: "Three friends",
        // but not "these three numbers".
        static const QRegularExpression word(QStringLiteral("\\b([A-Za-z]+)\\b(?=\\s+([A-Za-z]+))"));
        for (auto it = word.globalMatch(masked); it.hasNext();) {
            const auto m = it.next();
            const int v = numberWord(m.captured(1));
            if (v > 0 && m.captured(2).toLower() != QLatin1String("numbers"))
                found << Found{v, m.capturedStart(1), m.capturedEnd(1)};
        }
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.position < b.position; });
    return found;
}

QList<int> values(const QList<Found> &found)
{
    QList<int> v;
    for (const Found &f : found)
        v << f.value;
    return v;
}

Thing thingIn(const QString &lower)
{
    const struct {
        const char *word;
        Thing thing;
    } table[] = {
        {"sticker", Thing::Star}, {"bird", Thing::Bird},    {"apple", Thing::Apple},
        {"sweet", Thing::Sweet},  {"cake", Thing::Cake},    {"pencil", Thing::Pencil},
        {"bead", Thing::Bead},    {"marble", Thing::Bead},  {"child", Thing::Child},
        {"boys", Thing::Child},   {"girls", Thing::Child},  {"runner", Thing::Child},
        {"friend", Thing::Child}, {"passenger", Thing::Child}, {"page", Thing::Book},
        {"book", Thing::Book},    {"dog", Thing::Dog},      {"egg", Thing::Egg},
        {"seat", Thing::Seat},    {"pumpkin", Thing::Pumpkin},
    };
    for (const auto &entry : table)
        if (lower.contains(QLatin1String(entry.word)))
            return entry.thing;
    return Thing::Dot;
}

Measure measureIn(const QString &text)
{
    if (text.contains(QLatin1Char('~')))
        return Measure::Distance;
    if (text.contains(QLatin1Char('^')))
        return Measure::Volume;
    if (text.contains(QLatin1Char('@')))
        return Measure::Mass;
    return Measure::None;
}

Vessel vesselIn(const QString &lower)
{
    if (lower.contains(QLatin1String("bottle")))
        return Vessel::Bottle;
    if (lower.contains(QLatin1String("tank")))
        return Vessel::Tank;
    return Vessel::Jug;
}

Op topicOp(const QString &topic)
{
    if (topic == QLatin1String("Addition"))
        return Op::Add;
    if (topic == QLatin1String("Subtraction"))
        return Op::Subtract;
    if (topic == QLatin1String("Multiplication"))
        return Op::Multiply;
    if (topic == QLatin1String("Division"))
        return Op::Divide;
    return Op::None;
}

// The operation written between two numbers, such as "7 x 3" or "20 - __".
Op writtenOp(const QString &text)
{
    static const QRegularExpression sign(
        QStringLiteral("(\\d|__)\\s*([+\\-\\x{2212}x\\x{00d7}*\\x{00f7}])\\s*(\\d|__)"));
    const auto m = sign.match(text);
    if (!m.hasMatch()) {
        if (text.contains(QLatin1String("divided by")))
            return Op::Divide;
        return Op::None;
    }
    const QChar c = m.captured(2).at(0);
    if (c == QLatin1Char('+'))
        return Op::Add;
    if (c == QLatin1Char('-') || c == QChar(0x2212))
        return Op::Subtract;
    if (c == QChar(0xf7))
        return Op::Divide;
    return Op::Multiply;
}

int tens(int n) { return n / 10; }

Scene additionScene(Scene s)
{
    const QList<int> &n = s.numbers;
    if (s.measure != Measure::None) {
        s.kind = Kind::Measure;
        return s;
    }
    const int big = n.isEmpty() ? 0 : *std::max_element(n.begin(), n.end());
    int rods = 0, cubes = 0;
    for (int v : n) {
        rods += tens(v);
        cubes += v % 10;
    }
    if (n.size() == 2 && big <= 10)
        s.kind = Kind::Counters;
    else if (n.size() == 2 && big <= 20)
        s.kind = Kind::TenFrames;
    else if (big <= 99 && rods <= 10 && cubes <= 20)
        s.kind = Kind::BaseTen;
    else
        s.kind = Kind::Column;
    return s;
}

Scene subtractionScene(Scene s, const QString &lower)
{
    const QList<int> &n = s.numbers;
    if (s.measure != Measure::None) {
        s.kind = Kind::Measure;
        return s;
    }
    if (n.size() < 2) {
        s.kind = Kind::NumberCards;
        return s;
    }
    const int a = n[0], b = n[1];
    if (lower.contains(QLatin1String("difference"))) {
        s.kind = Kind::NumberLine;
        s.lineMode = LineMode::Difference;
        s.numbers = {std::min(a, b), std::max(a, b)};
    } else if (a <= 20) {
        s.kind = Kind::Counters;
    } else if (a <= 99 && b % 10 <= a % 10) {
        s.kind = Kind::BaseTen;
    } else if (a <= 100) {
        s.kind = Kind::NumberLine;
        s.lineMode = LineMode::Hop;
    } else {
        s.kind = Kind::Column;
    }
    return s;
}

Scene multiplicationScene(Scene s, const QString &lower)
{
    QList<int> &n = s.numbers;
    if (s.measure != Measure::None) {
        s.kind = Kind::Measure;
        return s;
    }
    if (n.size() == 1) { // "How many legs do 4 dogs have?"
        s.kind = Kind::Counters;
        s.op = Op::None;
        return s;
    }
    if (n.size() < 2) {
        s.kind = Kind::NumberCards;
        return s;
    }
    const int a = n[0], b = n[1];
    if (a <= 12 && b <= 12 && a * b <= 72) {
        s.kind = Kind::Array;
        // A bus has at most five seats in a row.
        const bool bus = s.thing == Thing::Seat && lower.contains(QLatin1String("bus")) && b <= 5;
        if (lower.contains(QLatin1String("row")))
            s.arrayMode = bus ? ArrayMode::Bus : ArrayMode::Rows;
    } else if (std::min(a, b) <= 6 && std::max(a, b) <= 30) {
        // Groups of base-ten blocks: numbers[0] is one group, numbers[1] how many.
        s.kind = Kind::BaseTen;
        n = {std::max(a, b), std::min(a, b)};
    } else {
        s.kind = Kind::AreaModel;
    }
    return s;
}

Scene divisionScene(Scene s, const QString &lower)
{
    QList<int> &n = s.numbers;
    if (n.size() < 2) {
        s.kind = Kind::NumberCards;
        return s;
    }
    n = {std::max(n[0], n[1]), std::min(n[0], n[1])};
    if (s.measure != Measure::None) {
        s.kind = Kind::Measure;
        return s;
    }
    const bool groupsOf = has(lower, {"teams of", "in each", "boxes of", "each car", "groups of", "remainder"});
    if (lower.contains(QLatin1String("remainder"))) {
        // Only things in groups show what is left over (up to 48 of them;
        // more go on cards).
        s.kind = Kind::Grouping;
        s.groupsAsked = GroupsAsked::Remainder;
        return s;
    }
    if (n[0] <= 48) {
        s.kind = groupsOf ? Kind::Grouping : Kind::Sharing;
        if (s.kind == Kind::Sharing && n[1] > 6)
            s.kind = Kind::Bar;
    } else {
        s.kind = Kind::Bar;
    }
    s.barMode = groupsOf ? BarMode::GroupsOf : BarMode::Share;
    return s;
}

Scene arithmeticScene(Scene s, const QString &lower, bool missingNumber)
{
    if (missingNumber && s.numbers.size() >= 2) {
        // "28 + __ = 50": a hop of unknown size on a number line for adding
        // and taking away, the equation itself otherwise.
        if ((s.op == Op::Add || s.op == Op::Subtract) && std::max(s.numbers[0], s.numbers[1]) <= 100) {
            s.kind = Kind::NumberLine;
            s.lineMode = LineMode::Hop;
        } else {
            s.kind = Kind::Equation;
        }
        s.missing = 1;
        return s;
    }
    switch (s.op) {
    case Op::Add: return additionScene(s);
    case Op::Subtract: return subtractionScene(s, lower);
    case Op::Multiply: return multiplicationScene(s, lower);
    case Op::Divide: return divisionScene(s, lower);
    case Op::None: break;
    }
    s.kind = Kind::NumberCards;
    return s;
}

// Where "__" stands in a comma-separated list of numbers, or the end.
int gapPosition(const QString &text, int count)
{
    const qsizetype gap = text.indexOf(QLatin1String("__"));
    if (gap < 0)
        return count;
    const QList<Found> before = numbersWithPositions(text.left(gap), false);
    return int(before.size());
}

Scene numberSkillsScene(Scene s, const QString &text, const QString &lower)
{
    QList<int> &n = s.numbers;
    if (lower.contains(QLatin1String("round")) && !n.isEmpty()) {
        s.kind = Kind::NumberLine;
        s.lineMode = LineMode::Round;
        s.roundTo = lower.contains(QLatin1String("thousand")) ? 1000
                    : lower.contains(QLatin1String("hundred")) ? 100
                                                               : 10;
        n = {n.last()};
        return s;
    }
    if (lower.contains(QLatin1String("halfway")) && n.size() >= 2) {
        s.kind = Kind::NumberLine;
        s.lineMode = LineMode::Between;
        return s;
    }
    if (lower.contains(QLatin1String("pattern")) || lower.contains(QLatin1String("count back in")) ||
        (n.size() >= 3 && (text.contains(QLatin1String("...")) || text.contains(QLatin1String("__"))))) {
        s.kind = Kind::Sequence;
        s.missing = gapPosition(text, int(n.size()));
        return s;
    }
    if (lower.contains(QLatin1String("double")) && n.size() == 1) {
        s.op = Op::Add;
        s.numbers = {n[0], n[0]};
        s.kind = n[0] <= 10 ? Kind::Counters : Kind::BaseTen;
        return s;
    }
    static const QRegularExpression moreThan(QStringLiteral("(\\d+) (more|less) than (\\d+)"));
    if (const auto m = moreThan.match(lower); m.hasMatch()) {
        s.kind = Kind::NumberLine;
        s.op = m.captured(2) == QLatin1String("more") ? Op::Add : Op::Subtract;
        s.numbers = {m.captured(3).toInt(), m.captured(1).toInt()};
        return s;
    }
    if (has(lower, {"count on", "count back"}) && n.size() >= 2) {
        s.kind = Kind::NumberLine;
        s.op = lower.contains(QLatin1String("count on")) ? Op::Add : Op::Subtract;
        return s;
    }
    if (has(lower, {"after", "before"}) && n.size() == 1) {
        s.kind = Kind::NumberLine;
        s.op = lower.contains(QLatin1String("after")) ? Op::Add : Op::Subtract;
        s.numbers = {n[0], 1};
        return s;
    }
    if (lower.contains(QLatin1String("digit")) && (lower.contains(QLatin1String("worth")) || lower.contains(QLatin1String("value"))) && n.size() >= 2) {
        s.kind = Kind::PlaceValue;
        s.emphasis = true;
        // "In the number 482, what is the digit 8 worth?": the longer one is the number.
        if (QString::number(n[0]).size() < QString::number(n[1]).size())
            std::swap(n[0], n[1]);
        return s;
    }
    if (n.isEmpty()) {
        // "Write twelve thousand and forty in digits": empty columns to fill.
        s.kind = Kind::PlaceValue;
        return s;
    }
    if (n.size() == 1) {
        s.kind = n[0] <= 20 ? Kind::Counters : n[0] <= 99 ? Kind::BaseTen : Kind::PlaceValue;
        return s;
    }
    s.kind = Kind::NumberCards;
    return s;
}

int denominatorWord(const QString &lower)
{
    const struct {
        const char *word;
        int bottom;
    } table[] = {{"half", 2}, {"halv", 2}, {"third", 3}, {"quarter", 4}, {"fifth", 5},
                 {"sixth", 6}, {"eighth", 8}, {"tenth", 10}};
    for (const auto &entry : table)
        if (lower.contains(QLatin1String(entry.word)))
            return entry.bottom;
    return 0;
}

Scene fractionsScene(Scene s, const QString &text, const QString &lower)
{
    QList<int> &n = s.numbers;
    if (s.fractions.isEmpty()) {
        if (const int d = denominatorWord(lower))
            s.fractions = {{1, d}};
    }
    if (s.fractions.size() >= 2 || (s.fractions.size() == 1 && text.contains(QLatin1String("__")))) {
        s.kind = Kind::FractionBars;
        return s;
    }
    const Fraction f = s.fractions.value(0, Fraction{1, 2});
    if (lower.contains(QLatin1String("of a number")) && !n.isEmpty()) {
        s.kind = Kind::Bar;
        s.barMode = BarMode::PartKnown;
        s.numbers = {n.last(), f.bottom};
        return s;
    }
    if (has(lower, {"make", "cut into", "from"})) {
        s.kind = Kind::Pies;
        if (lower.contains(QLatin1String("from")) && !n.isEmpty()) {
            s.numbers = {n[0]}; // loose pieces, to be put together
            s.emphasis = true;
        } else {
            s.numbers = {n.isEmpty() ? 1 : n[0]};
        }
        return s;
    }
    if (!n.isEmpty()) {
        s.kind = Kind::FractionOf;
        s.numbers = {n[0]};
        return s;
    }
    s.kind = Kind::Pies;
    s.numbers = {1};
    return s;
}

// Marks whether each number of a money question is an amount ("15 $")
// rather than a count ("3 apples"): amounts are followed by the placeholder.
QList<bool> moneyAmounts(const QString &question)
{
    QList<bool> amounts;
    for (const Found &f : numbersWithPositions(question, true)) {
        const QString after = question.mid(f.end, 2).trimmed();
        amounts << after.startsWith(QLatin1Char('$'));
    }
    return amounts;
}

Scene moneyScene(Scene s, const QString &question, const QString &lower)
{
    s.amounts = moneyAmounts(question);
    if (!s.fractions.isEmpty() || lower.contains(QLatin1String("half"))) {
        if (s.fractions.isEmpty())
            s.fractions = {{1, 2}};
        if (!s.numbers.isEmpty()) {
            s.kind = Kind::FractionOf;
            s.numbers = {s.numbers[0]};
            if (has(lower, {"drops by", "reduced by"}))
                s.op = Op::Subtract; // the new price is what is left
            return s;
        }
    }
    s.kind = Kind::Money;
    if (has(lower, {"change", "left", "spends", "more $", "need"}))
        s.op = Op::Subtract;
    else if (has(lower, {"share", "how many coins", "how many notes", "how many bags", "one cake", "each friend"}))
        s.op = Op::Divide;
    else if (has(lower, {"together", "altogether"}))
        s.op = Op::Add;
    else if (has(lower, {"each", "every", "tickets cost", "apples cost", " do "}))
        s.op = Op::Multiply;
    else
        s.op = Op::Add;
    return s;
}

} // namespace

QStringList topicNames()
{
    return {QStringLiteral("Number Skills"), QStringLiteral("Addition"), QStringLiteral("Subtraction"),
            QStringLiteral("Multiplication"), QStringLiteral("Division"), QStringLiteral("Fractions"),
            QStringLiteral("Money")};
}

QStringList readQuestionTexts(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    QStringList texts;
    for (int q = 0; q < 20 && !in.atEnd(); ++q) {
        texts << in.readLine();
        for (int skip = 0; skip < 4; ++skip)
            in.readLine();
    }
    return texts;
}

QList<int> integersIn(const QString &text)
{
    return values(numbersWithPositions(text, false));
}

QList<Fraction> fractionsIn(const QString &text)
{
    QList<Fraction> fractions;
    static const QRegularExpression fraction(QStringLiteral("(\\d+|__|\\?)\\s*/\\s*(\\d+|__|\\?)"));
    for (auto it = fraction.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        fractions << Fraction{m.captured(1).toInt(), m.captured(2).toInt()};
    }
    return fractions;
}

Scene describe(const QString &topic, const QString &question)
{
    const QString lower = question.toLower();
    Scene s;
    const bool words = topic != QLatin1String("Number Skills");
    s.numbers = values(numbersWithPositions(question, words));
    s.fractions = fractionsIn(question);
    s.thing = thingIn(lower);
    s.measure = measureIn(question);
    s.vessel = vesselIn(lower);
    s.op = writtenOp(question);
    if (s.op == Op::None)
        s.op = topicOp(topic);
    const bool missingNumber = question.contains(QLatin1String("__"));

    if (topic == QLatin1String("Number Skills"))
        return numberSkillsScene(s, question, lower);
    if (topic == QLatin1String("Fractions"))
        return fractionsScene(s, question, lower);
    if (topic == QLatin1String("Money") || mentionsMoney(question))
        return moneyScene(s, question, lower);
    return arithmeticScene(s, lower, missingNumber);
}

} // namespace art
