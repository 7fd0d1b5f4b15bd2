// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/exercise.h"

#include "content/topics.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

QString UnitWords::shown(const QString &word)
{
    return tr(word.toUtf8().constData());
}

UnitWords UnitWords::from(const QString &currency, const QString &measures)
{
    if (measures == Localization::measures(true))
        return {shown(currency), tr("km"), tr("litres"), tr("kg")};
    return {shown(currency), tr("miles"), tr("gallons"), tr("pounds")};
}

QStringList Localization::currencies()
{
    // Stored as they are here; shown through UnitWords::shown.
    static const char *const stored[] = {
        QT_TRANSLATE_NOOP("UnitWords", "rupees"), QT_TRANSLATE_NOOP("UnitWords", "euros"),
        QT_TRANSLATE_NOOP("UnitWords", "dollars"), QT_TRANSLATE_NOOP("UnitWords", "dinars"),
        QT_TRANSLATE_NOOP("UnitWords", "yen"), QT_TRANSLATE_NOOP("UnitWords", "yuan"),
        QT_TRANSLATE_NOOP("UnitWords", "francs"), QT_TRANSLATE_NOOP("UnitWords", "pesos"),
        QT_TRANSLATE_NOOP("UnitWords", "pounds"), QT_TRANSLATE_NOOP("UnitWords", "dirhams"),
        QT_TRANSLATE_NOOP("UnitWords", "runds")};
    QStringList currencies;
    for (const char *word : stored)
        currencies << QString::fromLatin1(word);
    return currencies;
}

QString Localization::currencyOf(const QLocale &locale)
{
    // By the ISO 4217 code, so the language of the locale does not matter.
    static const QHash<QString, QString> called{
        {QStringLiteral("INR"), QStringLiteral("rupees")},  {QStringLiteral("PKR"), QStringLiteral("rupees")},
        {QStringLiteral("LKR"), QStringLiteral("rupees")},  {QStringLiteral("NPR"), QStringLiteral("rupees")},
        {QStringLiteral("MUR"), QStringLiteral("rupees")},  {QStringLiteral("EUR"), QStringLiteral("euros")},
        {QStringLiteral("USD"), QStringLiteral("dollars")}, {QStringLiteral("CAD"), QStringLiteral("dollars")},
        {QStringLiteral("AUD"), QStringLiteral("dollars")}, {QStringLiteral("NZD"), QStringLiteral("dollars")},
        {QStringLiteral("SGD"), QStringLiteral("dollars")}, {QStringLiteral("HKD"), QStringLiteral("dollars")},
        {QStringLiteral("JMD"), QStringLiteral("dollars")}, {QStringLiteral("TTD"), QStringLiteral("dollars")},
        {QStringLiteral("DZD"), QStringLiteral("dinars")},  {QStringLiteral("TND"), QStringLiteral("dinars")},
        {QStringLiteral("IQD"), QStringLiteral("dinars")},  {QStringLiteral("JOD"), QStringLiteral("dinars")},
        {QStringLiteral("KWD"), QStringLiteral("dinars")},  {QStringLiteral("BHD"), QStringLiteral("dinars")},
        {QStringLiteral("LYD"), QStringLiteral("dinars")},  {QStringLiteral("RSD"), QStringLiteral("dinars")},
        {QStringLiteral("JPY"), QStringLiteral("yen")},     {QStringLiteral("CNY"), QStringLiteral("yuan")},
        {QStringLiteral("CHF"), QStringLiteral("francs")},  {QStringLiteral("XOF"), QStringLiteral("francs")},
        {QStringLiteral("XAF"), QStringLiteral("francs")},  {QStringLiteral("XPF"), QStringLiteral("francs")},
        {QStringLiteral("RWF"), QStringLiteral("francs")},  {QStringLiteral("BIF"), QStringLiteral("francs")},
        {QStringLiteral("GNF"), QStringLiteral("francs")},  {QStringLiteral("DJF"), QStringLiteral("francs")},
        {QStringLiteral("KMF"), QStringLiteral("francs")},  {QStringLiteral("CDF"), QStringLiteral("francs")},
        {QStringLiteral("MXN"), QStringLiteral("pesos")},   {QStringLiteral("ARS"), QStringLiteral("pesos")},
        {QStringLiteral("CLP"), QStringLiteral("pesos")},   {QStringLiteral("COP"), QStringLiteral("pesos")},
        {QStringLiteral("CUP"), QStringLiteral("pesos")},   {QStringLiteral("DOP"), QStringLiteral("pesos")},
        {QStringLiteral("UYU"), QStringLiteral("pesos")},   {QStringLiteral("PHP"), QStringLiteral("pesos")},
        {QStringLiteral("GBP"), QStringLiteral("pounds")},  {QStringLiteral("EGP"), QStringLiteral("pounds")},
        {QStringLiteral("LBP"), QStringLiteral("pounds")},  {QStringLiteral("SYP"), QStringLiteral("pounds")},
        {QStringLiteral("AED"), QStringLiteral("dirhams")}, {QStringLiteral("MAD"), QStringLiteral("dirhams")},
        {QStringLiteral("ZAR"), QStringLiteral("runds")},
    };
    return called.value(locale.currencySymbol(QLocale::CurrencyIsoCode));
}

QString Localization::measures(bool metric)
{
    return metric ? QStringLiteral("metric") : QStringLiteral("imperial");
}

QString substitutePlaceholders(QString text, const UnitWords &words)
{
    const std::pair<QChar, const QString *> placeholders[] = {
        {QLatin1Char('$'), &words.currency},
        {QLatin1Char('~'), &words.distance},
        {QLatin1Char('^'), &words.volume},
        {QLatin1Char('@'), &words.mass},
    };
    // Three passes of one replacement each, so a fourth placeholder of a kind stays.
    for (int pass = 0; pass < 3; ++pass) {
        for (const auto &[character, word] : placeholders) {
            const qsizetype at = text.indexOf(character);
            if (at >= 0)
                text.replace(at, 1, *word);
        }
    }
    return text;
}

Exercise::Exercise(const QString &topicName, const QString &playerName, int score, int cluesUsed,
                   int choicesUsed, int currentQuestion, const QuestionRecords &records, const UnitWords &words)
    : m_topicName(topicName)
    , m_playerName(playerName)
    , m_score(score)
    , m_cluesUsed(std::clamp(cluesUsed, 0, MaxClues))
    , m_choicesUsed(std::clamp(choicesUsed, 0, MaxChoices))
    , m_currentQuestion(std::clamp(currentQuestion, 0, QuestionsPerExercise - 1))
    , m_questions(records)
{
    for (QuestionRecord &question : m_questions)
        question.text = substitutePlaceholders(question.text, words);
    markSaved();
}

bool Exercise::hasUnsavedProgress() const
{
    return m_saved != std::array<int, 4>{m_score, m_cluesUsed, m_choicesUsed, m_currentQuestion};
}

void Exercise::markSaved()
{
    m_saved = {m_score, m_cluesUsed, m_choicesUsed, m_currentQuestion};
}

const QuestionRecord &Exercise::current() const
{
    return m_questions[static_cast<size_t>(std::min(m_currentQuestion, QuestionsPerExercise - 1))];
}

Exercise::Outcome Exercise::answer(const QString &typed)
{
    if (isFinished())
        return Outcome::Completed;
    if (typed.toInt() != currentAnswer()) {
        m_score -= PointsForWrongAnswer;
        return Outcome::Wrong;
    }
    m_score += PointsForRightAnswer;
    ++m_currentQuestion;
    return isFinished() ? Outcome::Completed : Outcome::Right;
}

bool Exercise::useClue()
{
    if (m_cluesUsed >= MaxClues)
        return false;
    ++m_cluesUsed;
    return true;
}

bool Exercise::useChoice()
{
    if (m_choicesUsed >= MaxChoices)
        return false;
    ++m_choicesUsed;
    return true;
}

int Exercise::rewardSoundNumber() const
{
    return m_currentQuestion <= SoundsPerSet ? m_currentQuestion : m_currentQuestion - SoundsPerSet;
}

QString Exercise::completionText() const
{
    // One pass over the text, so a name holding "%1" stays as it is.
    return QCoreApplication::translate("Exercise",
                                       "You have successfully completed the exercise.\n\nTopic\t\t%1\nPlayer name\t\t%2"
                                       "\nNumber of clues\t\t%3\nNumber of choices\t%4\nTotal score\t\t%5")
        .arg(Topics::shownName(m_topicName), m_playerName, QString::number(m_cluesUsed),
             QString::number(m_choicesUsed), QString::number(m_score));
}
