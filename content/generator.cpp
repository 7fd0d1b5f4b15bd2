// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator.h"

#include "content/generator/checks.h"
#include "content/generator/draft.h"
#include "content/generator/writer.h"
#include "content/topics.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

constexpr int AttemptsPerQuestion = 200;
// After this many drafts, a slot takes a question that adds no variety rather than none.
constexpr int VariedAttempts = 60;
constexpr int WantedOptions = 4;

Tongue tongueOf(const QString &language)
{
    if (language == QLatin1String("fr"))
        return Tongue::French;
    if (language == QLatin1String("es"))
        return Tongue::Spanish;
    return Tongue::English;
}

// The plans by the topic table's names, so that the order of topics lives in the table alone.
Plan planFor(int topic, int level)
{
    static const std::pair<const char *, Plan (*)(int)> plans[] = {
        {"Number Skills", Plans::numberSkills},
        {"Addition", Plans::addition},
        {"Subtraction", Plans::subtraction},
        {"Multiplication", Plans::multiplication},
        {"Division", Plans::division},
        {"Fractions", Plans::fractions},
        {"Money", Plans::money},
    };
    const QString name = Topics::at(std::clamp(topic, 0, Topics::count - 1)).name;
    for (const auto &[planned, plan] : plans) {
        if (name == QLatin1String(planned))
            return plan(std::clamp(level, 1, Generator::LevelCount));
    }
    return {};
}

bool fitsBox(int value)
{
    return QString::number(value).size() <= Generator::AnswerWidth;
}

QList<int> choices(const Draft &draft, SeededRandom &random)
{
    QList<int> options{draft.answer};
    if (!draft.options.isEmpty()) {
        // The answer and the first three options the question offers, the most tempting first.
        for (int option : draft.options) {
            if (options.size() < 3 && !options.contains(option))
                options.append(option);
        }
    } else {
        const int a = draft.answer;
        // When the mistakes run out, neighbours of the answer of about its own size.
        const QList<int> near = a % 100 == 0 && a >= 200 ? QList<int>{a + 100, a - 100, a + 10, a - 10}
            : a % 10 == 0 && a >= 20                     ? QList<int>{a + 10, a - 10, a + 1, a - 1, a + 20}
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

struct Written
{
    Draft draft;
    QList<int> options;
};

Written written(const Maker &maker, Writer &writer, const QList<Draft> &earlier)
{
    Written chosen;
    bool sound = false;
    for (int attempt = 0; attempt < AttemptsPerQuestion; ++attempt) {
        writer.setAttempt(attempt);
        Draft draft = maker(writer);
        draft.text = Words::typeset(writer.tongue(), draft.text);
        draft.clue = Words::typeset(writer.tongue(), draft.clue);
        const QList<int> options = choices(draft, writer.random());
        const bool passes = Checks::ofQuestion(draft, options, writer.tongue()).isEmpty()
            && Checks::besideEarlier(draft, earlier).isEmpty();
        if (passes && (attempt >= VariedAttempts || Checks::varied(draft, earlier)))
            return {draft, options};
        // The first sound draft stands in when none adds variety; the last one when none is sound.
        if (!sound)
            chosen = {draft, options};
        sound = sound || passes;
    }
    return chosen;
}

QList<Written> drafted(int topic, int level, quint32 seed, Tongue tongue)
{
    SeededRandom random(quint64{seed} << 8 | static_cast<quint64>(topic) << 4 | static_cast<quint64>(level));
    Writer writer(random, tongue);
    QList<Written> set;
    QList<Draft> earlier;
    for (const Band &band : planFor(topic, level)) {
        // Each maker of the band in turn, in an order of the set's own.
        QList<Maker> dealt = band.makers;
        random.shuffle(dealt);
        for (int slot = 0; slot < band.slots && set.size() < QuestionsPerExercise; ++slot) {
            writer.setStep(slot, band.slots);
            set.append(written(dealt.at(slot % dealt.size()), writer, earlier));
            writer.keep(set.last().draft);
            earlier.append(set.last().draft);
        }
    }
    return set;
}

} // namespace

QString Generator::levelAges(int level)
{
    const int youngest = 4 + 2 * level;
    return QCoreApplication::translate("Generator", "ages %1 to %2").arg(youngest).arg(youngest + 1);
}

QStringList Generator::languages()
{
    return {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("es")};
}

quint32 Generator::newSeed()
{
    return QRandomGenerator::global()->bounded(1u, 1000000u);
}

QuestionRecords Generator::generate(int topic, int level, quint32 seed, const QString &language)
{
    return generateWithFacts(topic, level, seed, language).records;
}

Generator::Generated Generator::generateWithFacts(int topic, int level, quint32 seed, const QString &language)
{
    const Tongue tongue = tongueOf(language);
    Generated generated;
    const QList<Written> set = drafted(topic, level, seed, tongue);
    for (qsizetype i = 0; i < set.size() && i < QuestionsPerExercise; ++i) {
        const Draft &draft = set.at(i).draft;
        generated.records[size_t(i)] = {
            draft.text, QString::number(draft.answer), draft.clue, Words::listed(tongue, set.at(i).options)};
        if (draft.fact.kind == 'x')
            generated.facts[size_t(i)] = TimesFact::of(draft.fact.x, draft.fact.y);
    }
    return generated;
}

QStringList Generator::problems(int topic, int level, quint32 seed, const QString &language)
{
    const Tongue tongue = tongueOf(language);
    const QList<Written> set = drafted(topic, level, seed, tongue);
    QStringList found;
    if (set.size() != QuestionsPerExercise)
        found.append(QStringLiteral("%1 questions").arg(set.size()));
    QList<Draft> earlier;
    for (const Written &question : set) {
        QString problem = Checks::ofQuestion(question.draft, question.options, tongue);
        if (problem.isEmpty())
            problem = Checks::besideEarlier(question.draft, earlier);
        if (!problem.isEmpty())
            found.append(QStringLiteral("question %1, %2: %3 / %4")
                             .arg(earlier.size() + 1)
                             .arg(problem, question.draft.text, question.draft.clue));
        earlier.append(question.draft);
    }
    return found;
}

QStringList Generator::storyWords(const QString &language)
{
    const Bank &bank = Banks::of(tongueOf(language));
    QString all;
    for (const QList<Story> *stories : {&bank.adding, &bank.takingAway, &bank.groups, &bank.sharing, &bank.grouping,
             &bank.filled, &bank.needed, &bank.parts, &bank.twoParts, &bank.cutUp, &bank.eaten, &bank.together,
             &bank.spent, &bank.paid, &bank.several, &bank.saved, &bank.bought, &bank.onePrice, &bank.left, &bank.sale,
             &bank.tickets, &bank.weeks, &bank.shared, &bank.short_}) {
        for (const Story &story : *stories)
            all += QString::fromUtf16(story.form) + QLatin1Char(' ');
    }
    for (const Count &count : bank.counts)
        all += QString::fromUtf16(count.question) + QLatin1Char(' ') + QString::fromUtf16(count.one) + u' ';
    for (const QList<Thing> *things : {&bank.small, &bank.fruit, &bank.bakes, &bank.foods, &bank.vehicles, &bank.cheap,
             &bank.dear, &bank.big, &bank.bulk, &bank.family}) {
        for (const Thing &thing : *things)
            all += thing.one + QLatin1Char(' ') + thing.many + QLatin1Char(' ');
    }
    // The words outside the story keys, which stand for numbers, people and things.
    static const QRegularExpression keys(QStringLiteral("\\{[^{}]*\\}|<[^<>]*>"));
    all.remove(keys);
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    QStringList words = all.toLower().split(nonLetters, Qt::SkipEmptyParts);
    words.removeDuplicates();
    return words;
}
