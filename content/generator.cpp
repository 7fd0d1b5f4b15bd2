// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator.h"

#include "content/generator/draft.h"
#include "content/generator/writer.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int MaxPlaceholders = 3; // the exercise replaces no more of each kind
constexpr int AttemptsPerQuestion = 200;
constexpr int WantedOptions = 4;

Plan planFor(int topic, int level)
{
    level = std::clamp(level, 1, Generator::LevelCount);
    switch (topic) {
    case 0: return Plans::numberSkills(level);
    case 1: return Plans::addition(level);
    case 2: return Plans::subtraction(level);
    case 3: return Plans::multiplication(level);
    case 4: return Plans::division(level);
    case 5: return Plans::fractions(level);
    default: return Plans::money(level);
    }
}

bool fitsBox(int value)
{
    return QString::number(value).size() <= Generator::AnswerWidth;
}

// Whether the text holds the number standing on its own, not inside a larger one.
bool mentions(const QString &text, int number)
{
    const QString digits = QString::number(std::abs(number));
    for (qsizetype at = text.indexOf(digits); at >= 0; at = text.indexOf(digits, at + 1)) {
        const qsizetype end = at + digits.size();
        if ((at == 0 || !text.at(at - 1).isDigit()) && (end == text.size() || !text.at(end).isDigit()))
            return true;
    }
    return false;
}

bool fewPlaceholders(const QString &text)
{
    for (QChar placeholder : {u'$', u'~', u'^', u'@'}) {
        if (text.count(placeholder) > MaxPlaceholders)
            return false;
    }
    return true;
}

QList<int> choices(const Draft &draft, SeededRandom &random)
{
    QList<int> options{draft.answer};
    if (!draft.options.isEmpty()) {
        options = draft.options;
    } else {
        const int a = draft.answer;
        // When the mistakes run out, neighbours of the answer of about its own size.
        const QList<int> near = a % 100 == 0 && a >= 200 ? QList<int>{a + 100, a - 100, a + 10, a - 10}
                                : a % 10 == 0 && a >= 20 ? QList<int>{a + 10, a - 10, a + 1, a - 1, a + 20}
                                                         : QList<int>{a + 1, a - 1, a + 10, a - 10, a + 2};
        for (const QList<int> &candidates : {draft.mistakes, near}) {
            for (int wrong : candidates) {
                if (options.size() < WantedOptions && !options.contains(wrong) && fitsBox(wrong)
                    && (wrong > 0 || draft.belowZero))
                    options.append(wrong);
            }
        }
    }
    random.shuffle(options);
    return options;
}

bool acceptable(const Draft &draft, const QList<int> &options, const QuestionRecords &records, int index)
{
    if (draft.text.isEmpty() || draft.clue.isEmpty() || draft.answer == 0 || !fitsBox(draft.answer)
        || mentions(draft.clue, draft.answer) || !fewPlaceholders(draft.text) || options.size() < 3
        || !options.contains(draft.answer))
        return false;
    // The same question twice, or the same sum told twice in other words, is one question too many.
    const QString answer = QString::number(draft.answer);
    for (int q = 0; q < index; ++q) {
        const QuestionRecord &earlier = records[static_cast<size_t>(q)];
        if (earlier.text == draft.text || (earlier.answer == answer && earlier.clue == draft.clue))
            return false;
    }
    return true;
}

QuestionRecord written(const Maker &maker, Writer &writer, const QuestionRecords &records, int index)
{
    QuestionRecord record;
    for (int attempt = 0; attempt < AttemptsPerQuestion; ++attempt) {
        writer.setAttempt(attempt);
        const Draft draft = maker(writer);
        const QList<int> options = choices(draft, writer.random());
        record = {draft.text, QString::number(draft.answer), draft.clue, listed(options)};
        if (acceptable(draft, options, records, index))
            break;
    }
    return record;
}

} // namespace

QString listed(const QList<int> &numbers)
{
    QStringList texts;
    for (int number : numbers)
        texts.append(QString::number(number));
    const QString last = texts.takeLast();
    return texts.isEmpty() ? last : texts.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString Generator::levelAges(int level)
{
    const int youngest = 4 + 2 * level;
    return QCoreApplication::translate("Generator", "ages %1 to %2").arg(youngest).arg(youngest + 1);
}

QuestionRecords Generator::generate(int topic, int level, quint32 seed)
{
    SeededRandom random(quint64{seed} << 8 | static_cast<quint64>(topic) << 4 | static_cast<quint64>(level));
    Writer writer(random);
    QuestionRecords records;
    int index = 0;
    for (const Band &band : planFor(topic, level)) {
        // Each maker of the band in turn, in an order of the set's own.
        QList<Maker> dealt = band.makers;
        random.shuffle(dealt);
        for (int slot = 0; slot < band.slots && index < QuestionsPerExercise; ++slot, ++index) {
            writer.setStep(slot, band.slots);
            records[static_cast<size_t>(index)] =
                written(dealt.at(slot % dealt.size()), writer, records, index);
        }
    }
    return records;
}
