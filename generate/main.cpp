// SPDX-License-Identifier: GPL-3.0-or-later
// brightsum-generate: writes a fresh set of twenty questions as a template,
// for scripts that make a term's worksheets.

#include "base/language.h"
#include "base/safefile.h"
#include "content/generator.h"
#include "content/questionfile.h"
#include "content/topics.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;
constexpr int WriteError = 1;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Every message as the program's own: "brightsum-generate: " and a lower-case
// phrase, whatever wrote it (the parser, the toolkit or the system).
QString phrase(QString text)
{
    text = text.trimmed();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.size() > 1 && text.at(0).isUpper() && !text.at(1).isUpper())
        text[0] = text.at(0).toLower();
    return text;
}

void say(const QString &message)
{
    err() << QCoreApplication::applicationName() << QStringLiteral(": ") << phrase(message) << Qt::endl;
}

int usageError(const QString &message)
{
    say(message);
    err() << QStringLiteral("Try '%1 --help' for more information.").arg(QCoreApplication::applicationName())
          << Qt::endl;
    return UsageError;
}

// The topic as the program names it; case does not matter.
int topicIndex(const QString &name)
{
    const QStringList names = Topics::names();
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString quoted(const QStringList &names)
{
    return QLatin1Char('"') + names.join(QStringLiteral("\", \"")) + QLatin1Char('"');
}

// Writes the whole file or nothing, as the program's own export does: a pipe, a
// device or a folder under the name is refused, and an earlier file of the
// name stays whole unless the new one is written in full.
int writeFile(const QString &path, const QuestionRecords &records)
{
    const QFileInfo target(path);
    const bool earlier = target.isFile();
    QString reason;
    if (!target.exists() && !target.absoluteDir().exists())
        reason = QStringLiteral("there is no folder \"%1\"").arg(QDir::toNativeSeparators(target.path()));
    else
        reason = SafeFile::replace(path, QuestionFile::toBytes(records));
    if (reason.isEmpty())
        return 0;
    say(QStringLiteral("cannot write \"%1\": %2%3")
            .arg(path, phrase(reason),
                earlier ? QStringLiteral("; the earlier file of that name is unchanged") : QString()));
    return WriteError;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brightsum-generate"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.0"));
    const QStringList languages = Generator::languages();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes twenty fresh questions on a topic, from easier to harder, as a Brightsum template: "
                       "open the file with \"New from Template...\" to do it as an exercise, or edit it in the "
                       "Template Editor.\n\nTopics: %1.\nLevels: 1 (%2), 2 (%3), 3 (%4).\nLanguages: %5.")
            .arg(Topics::names().join(QStringLiteral(", ")), Generator::levelAges(1), Generator::levelAges(2),
                Generator::levelAges(3), languages.join(QStringLiteral(", "))));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption topicOption(QStringList{QStringLiteral("t"), QStringLiteral("topic")},
        QStringLiteral("The topic, as the program names it (required)."), QStringLiteral("name"));
    const QCommandLineOption levelOption(QStringList{QStringLiteral("l"), QStringLiteral("level")},
        QStringLiteral("The level: 1, 2 or 3 (required)."), QStringLiteral("level"));
    const QCommandLineOption seedOption(QStringList{QStringLiteral("s"), QStringLiteral("seed")},
        QStringLiteral("The set number, 0 to 4294967295: the same topic, level, language and number always give the "
                       "same questions. Without it, a new set each time, its number said on standard error."),
        QStringLiteral("number"));
    const QCommandLineOption languageOption(QStringList{QStringLiteral("language")},
        QStringLiteral("The language of the questions: en, fr or es. Without it, the user's language, as Brightsum "
                       "picks it."),
        QStringLiteral("code"));
    const QCommandLineOption outputOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Write the template to this file (usually ending in .dat) instead of standard output; \"-\" "
                       "is standard output."),
        QStringLiteral("file"));
    parser.addOptions({topicOption, levelOption, seedOption, languageOption, outputOption});

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    if (!parser.isSet(topicOption))
        return usageError(QStringLiteral("no topic given: use --topic with one of %1").arg(quoted(Topics::names())));
    const int topic = topicIndex(parser.value(topicOption));
    if (topic < 0)
        return usageError(QStringLiteral("there is no topic \"%1\": the topics are %2")
                              .arg(parser.value(topicOption), quoted(Topics::names())));

    if (!parser.isSet(levelOption))
        return usageError(QStringLiteral("no level given: use --level with 1, 2 or 3"));
    bool isNumber = false;
    const int level = parser.value(levelOption).toInt(&isNumber);
    if (!isNumber || level < 1 || level > Generator::LevelCount)
        return usageError(
            QStringLiteral("there is no level \"%1\": the levels are 1, 2 and 3").arg(parser.value(levelOption)));

    QString language = Language::pick(QLocale::system().uiLanguages());
    if (parser.isSet(languageOption)) {
        language = parser.value(languageOption).trimmed().toLower();
        if (!languages.contains(language))
            return usageError(QStringLiteral("there is no language \"%1\": the languages are %2")
                                  .arg(parser.value(languageOption), quoted(languages)));
    }

    quint32 seed = Generator::newSeed();
    if (parser.isSet(seedOption)) {
        seed = parser.value(seedOption).toUInt(&isNumber);
        if (!isNumber)
            return usageError(QStringLiteral("the set number \"%1\" is not a whole number from 0 to 4294967295")
                                  .arg(parser.value(seedOption)));
    } else {
        // So that a set a teacher liked can be made again.
        say(QStringLiteral("set %1 (--seed %1 makes the same set again)").arg(seed));
    }

    const QuestionRecords records = Generator::generate(topic, level, seed, language);
    const QString path = parser.value(outputOption);
    if (parser.isSet(outputOption) && path != QLatin1String("-"))
        return writeFile(path, records);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !QuestionFile::write(out, records) || !out.flush()) {
        say(QStringLiteral("cannot write to standard output: %1").arg(phrase(out.errorString())));
        return WriteError;
    }
    return 0;
}
