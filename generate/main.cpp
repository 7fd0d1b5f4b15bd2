// SPDX-License-Identifier: GPL-3.0-or-later
// brightsum-generate: writes a fresh set of twenty questions as a template,
// for scripts that make a term's worksheets.

#include "content/generator.h"
#include "content/topics.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QRandomGenerator>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;
constexpr int WriteError = 1;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usageError(const QString &message)
{
    err() << QCoreApplication::applicationName() << QStringLiteral(": ") << message << Qt::endl
          << QStringLiteral("Try '%1 --help' for more information.").arg(QCoreApplication::applicationName())
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

QString quotedTopics()
{
    return QLatin1Char('"') + Topics::names().join(QStringLiteral("\", \"")) + QLatin1Char('"');
}

// Writes the whole file or nothing: an earlier file of the name stays whole when
// the disk is full, since a full disk can let the buffered write and even the
// commit seem to succeed.
bool writeFile(const QString &path, const QuestionRecords &records, QString &error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!QuestionFile::write(file, records) || !file.flush() || file.error() != QFileDevice::NoError) {
        error = QStringLiteral("it could not be written in full, perhaps for lack of disk space (%1); any earlier "
                               "file of that name is unchanged")
                    .arg(file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brightsum-generate"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes twenty fresh questions on a topic, from easier to harder, as a Brightsum template: "
                       "open the file with \"New from Template...\" to do it as an exercise, or edit it in the "
                       "Template Editor.\n\nTopics: %1.\nLevels: 1 (%2), 2 (%3), 3 (%4).")
            .arg(Topics::names().join(QStringLiteral(", ")), Generator::levelAges(1), Generator::levelAges(2),
                 Generator::levelAges(3)));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption topicOption(QStringList{QStringLiteral("t"), QStringLiteral("topic")},
                                         QStringLiteral("The topic, as the program names it (required)."),
                                         QStringLiteral("name"));
    const QCommandLineOption levelOption(QStringList{QStringLiteral("l"), QStringLiteral("level")},
                                         QStringLiteral("The level: 1, 2 or 3 (required)."), QStringLiteral("level"));
    const QCommandLineOption seedOption(
        QStringList{QStringLiteral("s"), QStringLiteral("seed")},
        QStringLiteral("The set number, 0 to 4294967295: the same topic, level and number always give the same "
                       "questions. Without it, a new set each time."),
        QStringLiteral("number"));
    const QCommandLineOption outputOption(
        QStringList{QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Write the template to this file (usually ending in .dat) instead of standard output."),
        QStringLiteral("file"));
    parser.addOptions({topicOption, levelOption, seedOption, outputOption});

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    if (!parser.isSet(topicOption))
        return usageError(QStringLiteral("no topic given: use --topic with one of %1").arg(quotedTopics()));
    const int topic = topicIndex(parser.value(topicOption));
    if (topic < 0)
        return usageError(QStringLiteral("there is no topic \"%1\": the topics are %2")
                              .arg(parser.value(topicOption), quotedTopics()));

    if (!parser.isSet(levelOption))
        return usageError(QStringLiteral("no level given: use --level with 1, 2 or 3"));
    bool isNumber = false;
    const int level = parser.value(levelOption).toInt(&isNumber);
    if (!isNumber || level < 1 || level > Generator::LevelCount)
        return usageError(QStringLiteral("there is no level \"%1\": the levels are 1, 2 and 3")
                              .arg(parser.value(levelOption)));

    quint32 seed = QRandomGenerator::global()->generate();
    if (parser.isSet(seedOption)) {
        seed = parser.value(seedOption).toUInt(&isNumber);
        if (!isNumber)
            return usageError(QStringLiteral("the set number \"%1\" is not a whole number from 0 to 4294967295")
                                  .arg(parser.value(seedOption)));
    }

    const QuestionRecords records = Generator::generate(topic, level, seed);
    QString error;
    if (parser.isSet(outputOption)) {
        const QString path = parser.value(outputOption);
        if (!writeFile(path, records, error)) {
            err() << QStringLiteral("brightsum-generate: cannot write \"%1\": %2").arg(path, error) << Qt::endl;
            return WriteError;
        }
        return 0;
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !QuestionFile::write(out, records) || !out.flush()) {
        err() << QStringLiteral("brightsum-generate: cannot write to standard output: %1").arg(out.errorString())
              << Qt::endl;
        return WriteError;
    }
    return 0;
}
