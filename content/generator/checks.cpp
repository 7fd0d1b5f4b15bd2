// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/checks.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int Places = 5;
constexpr int AnswerWidth = 5;
constexpr int MaxPlaceholders = 3; // the exercise replaces no more of each kind
constexpr int SameClueWording = 2; // clues of a set in the same words, numbers aside

std::array<int, Places> digits(int value)
{
    std::array<int, Places> result{};
    for (int &digit : result) {
        digit = value % 10;
        value /= 10;
    }
    return result;
}

// The whole numbers written in a text, without their signs.
QList<int> numbersIn(const QString &text)
{
    QList<int> numbers;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (!text.at(at).isDigit())
            continue;
        int value = 0;
        for (; at < text.size() && text.at(at).isDigit(); ++at)
            value = value * 10 + text.at(at).digitValue();
        numbers.append(value);
    }
    return numbers;
}

bool fitsBox(int value)
{
    return QString::number(value).size() <= AnswerWidth;
}

// Whether the text holds the number standing on its own, not inside a larger one.
bool mentions(const QString &text, int number)
{
    return numbersIn(text).contains(std::abs(number));
}

// Whether two clues say the same in the same words, numbers aside.
bool sameWording(const QString &x, const QString &y)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < x.size() && j < y.size()) {
        const bool number = x.at(i).isDigit();
        if (number != y.at(j).isDigit() || (!number && x.at(i) != y.at(j)))
            return false;
        if (number) {
            while (i < x.size() && x.at(i).isDigit())
                ++i;
            while (j < y.size() && y.at(j).isDigit())
                ++j;
        } else {
            ++i;
            ++j;
        }
    }
    return i == x.size() && j == y.size();
}

QString ofText(const QString &text, Tongue tongue)
{
    // A sentence starts at the beginning or after . ? or !, a Spanish one after its opening mark.
    static const QRegularExpression digitFirst(QStringLiteral("(^|[.?!]\\s+|[\u00bf\u00a1])-?\\d"));
    if (digitFirst.match(text).hasMatch())
        return QStringLiteral("a sentence starts with a digit");
    static const QRegularExpression unitAfterOne(QStringLiteral("(^|[^\\d/])1 [$~^@]"));
    if (unitAfterOne.match(text).hasMatch())
        return QStringLiteral("one of a unit, which reads as many");
    static const QRegularExpression slips(QStringLiteral("  | ,| \\.(?!\\.)|[{}<>]"));
    if (slips.match(text).hasMatch())
        return QStringLiteral("a slip of spacing or a story key left");
    static const QRegularExpression plural(QStringLiteral("\\b\\w+(ch|sh|x|ss|[^aeiou]y)s\\b"));
    if (tongue == Tongue::English && plural.match(text).hasMatch())
        return QStringLiteral("a plural not made as English makes it");
    return {};
}

} // namespace

Fact Fact::sum(int a, int b)
{
    return {'+', std::min(a, b), std::max(a, b), 0};
}

Fact Fact::product(int a, int b)
{
    return {'x', std::min(a, b), std::max(a, b), 0};
}

Fact Fact::part(int top, int bottom, int amount)
{
    int common = bottom;
    for (int t = top; t != 0;) {
        const int r = common % t;
        common = t;
        t = r;
    }
    return {'/', top / common, bottom / common, amount};
}

int Checks::carries(int a, int b)
{
    const auto x = digits(a);
    const auto y = digits(b);
    int mask = 0;
    int carried = 0;
    for (int place = 0; place < Places; ++place) {
        carried = x.at(size_t(place)) + y.at(size_t(place)) + carried >= 10 ? 1 : 0;
        mask |= carried << place;
    }
    return mask;
}

int Checks::exchanges(int a, int b)
{
    auto x = digits(a);
    const auto y = digits(b);
    int mask = 0;
    for (size_t place = 0; place < Places; ++place) {
        if (x.at(place) >= y.at(place))
            continue;
        size_t lender = place + 1;
        while (lender < Places && x.at(lender) == 0)
            ++lender;
        if (lender == Places)
            return -1; // b is the larger
        --x[lender];
        // Each empty column between takes ten, and gives one of them on.
        for (size_t between = lender - 1; between > place; --between) {
            x[between] = 9;
            mask |= 1 << between;
        }
        x[place] += 10;
        mask |= 1 << place;
    }
    return mask;
}

bool Checks::holds(const Claim &claim)
{
    if (claim.kind == Claim::Kept) {
        const auto x = digits(claim.a);
        const auto y = digits(claim.b);
        for (int place = 0; place < Places; ++place) {
            if ((claim.places >> place & 1) && x.at(size_t(place)) != y.at(size_t(place)))
                return false;
        }
        return true;
    }
    const int actual = claim.kind == Claim::Carries ? carries(claim.a, claim.b) : exchanges(claim.a, claim.b);
    if (claim.exact || claim.places == 0)
        return actual == claim.places;
    // These columns, and no other to the right of the last of them.
    int highest = 1;
    while (highest * 2 <= claim.places)
        highest *= 2;
    return (actual & (2 * highest - 1)) == claim.places;
}

QString Checks::ofQuestion(const Draft &draft, const QList<int> &options, Tongue tongue)
{
    if (draft.text.isEmpty() || draft.clue.isEmpty() || draft.answer == 0 || !fitsBox(draft.answer))
        return QStringLiteral("no question, clue or answer that fits the box");
    if (mentions(draft.clue, draft.answer))
        return QStringLiteral("the clue gives the answer");
    for (QChar placeholder : {u'$', u'~', u'^', u'@'}) {
        if (draft.text.count(placeholder) > MaxPlaceholders || draft.clue.contains(placeholder))
            return QStringLiteral("a placeholder too many");
    }
    if (options.size() < 3 || !options.contains(draft.answer)
        || QSet<int>(options.cbegin(), options.cend()).size() != options.size())
        return QStringLiteral("a choice line without the answer among three or four options");
    for (int option : options) {
        if (!fitsBox(option) || (option <= 0 && !draft.belowZero))
            return QStringLiteral("a choice that is no answer");
    }
    // A question that lists its numbers gets a choice line that narrows them down.
    const QList<int> inText = numbersIn(draft.text);
    const QSet<int> shown(inText.cbegin(), inText.cend());
    if (std::all_of(options.cbegin(), options.cend(), [&](int o) { return shown.contains(std::abs(o)); })
        && shown.size() <= options.size())
        return QStringLiteral("a choice line that only repeats the question's numbers");
    for (const Claim &claim : draft.claims) {
        if (!Checks::holds(claim))
            return QStringLiteral("a clue that says something untrue about the digits");
    }
    for (const Quantity &quantity : draft.quantities) {
        if (!quantity.range.holds(quantity.value))
            return QStringLiteral("a quantity out of its story's range");
    }
    for (const QString &text : {draft.text, draft.clue}) {
        const QString problem = ofText(text, tongue);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString Checks::besideEarlier(const Draft &draft, const QList<Draft> &earlier)
{
    for (const Draft &other : earlier) {
        if (other.text == draft.text || (other.answer == draft.answer && other.clue == draft.clue))
            return QStringLiteral("the same question twice");
        if (draft.fact.kind != 0 && other.fact == draft.fact)
            return QStringLiteral("the same fact twice");
    }
    return {};
}

bool Checks::varied(const Draft &draft, const QList<Draft> &earlier)
{
    int sameWords = 0;
    for (const Draft &other : earlier) {
        if (draft.story && other.story == draft.story)
            return false;
        if (sameWording(other.clue, draft.clue))
            ++sameWords;
    }
    return sameWords < SameClueWording;
}
