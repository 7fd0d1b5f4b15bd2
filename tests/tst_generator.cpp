// SPDX-License-Identifier: GPL-3.0-or-later
// Generated question sets: every record a sound template, the arithmetic right
// when worked out again from the question text, the generator's own checks
// passed at many seeds in every language, sets that stay the same across
// builds, and the command-line tool.

#include "content/generator.h"
#include "content/topics.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <sys/stat.h>

namespace {

constexpr int SeedsPerSet = 60;

QByteArray fileText(const QuestionRecords &records)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QuestionFile::write(buffer, records);
    return buffer.data();
}

QList<int> numbersIn(const QString &text, bool signs = true)
{
    QList<int> numbers;
    static const QRegularExpression number(QStringLiteral("-?\\d+"));
    static const QRegularExpression unsigned_(QStringLiteral("\\d+"));
    QRegularExpressionMatchIterator it = (signs ? number : unsigned_).globalMatch(text);
    while (it.hasNext())
        numbers.append(it.next().captured().toInt());
    return numbers;
}

// Question forms whose answer follows from the numbers in the text, worked out
// here without the generator's code. n holds the numbers in order of appearance.
struct Rule
{
    QRegularExpression form;
    std::function<int(const QList<int> &n)> answer;
};

const QList<Rule> &rules()
{
    static const QList<Rule> list{
        {QRegularExpression(QStringLiteral("^What is \\d+ \\+ \\d+\\?$")), [](auto n) { return n[0] + n[1]; }},
        {QRegularExpression(QStringLiteral("^Add these three numbers: ")), [](auto n) { return n[0] + n[1] + n[2]; }},
        {QRegularExpression(QStringLiteral("^Type the missing number: \\d+ \\+ __ = ")), [](auto n) { return n[1] - n[0]; }},
        {QRegularExpression(QStringLiteral("^Type the missing number: __ \\+ \\d+ = ")), [](auto n) { return n[1] - n[0]; }},
        {QRegularExpression(QStringLiteral("^What is \\d+ - \\d+\\?$")), [](auto n) { return n[0] - n[1]; }},
        {QRegularExpression(QStringLiteral("^What is the difference between ")), [](auto n) { return std::abs(n[0] - n[1]); }},
        {QRegularExpression(QStringLiteral("^Type the missing number: \\d+ - __ = ")), [](auto n) { return n[0] - n[1]; }},
        {QRegularExpression(QStringLiteral("^What is \\d+ x \\d+\\?$")), [](auto n) { return n[0] * n[1]; }},
        {QRegularExpression(QStringLiteral("^Type the missing number: \\d+ x __ = ")), [](auto n) { return n[1] / n[0]; }},
        {QRegularExpression(QStringLiteral("^What is \\d+ divided by \\d+\\?$")), [](auto n) { return n[0] % n[1] == 0 ? n[0] / n[1] : -1; }},
        {QRegularExpression(QStringLiteral("^Type the missing number: \\d+ divided by __ = ")), [](auto n) { return n[0] / n[1]; }},
        {QRegularExpression(QStringLiteral("^What is the remainder when ")), [](auto n) { return n[0] % n[1]; }},
        {QRegularExpression(QStringLiteral("^What is half of \\d+\\?$")), [](auto n) { return n[0] / 2; }},
        {QRegularExpression(QStringLiteral("^What is a quarter of \\d+\\?$")), [](auto n) { return n[0] / 4; }},
        {QRegularExpression(QStringLiteral("^What is \\d+/\\d+ of \\d+\\?$")), [](auto n) { return n[2] % n[1] == 0 ? n[2] / n[1] * n[0] : -1; }},
        {QRegularExpression(QStringLiteral("^What is \\d+% of \\d+\\?$")), [](auto n) { return n[0] * n[1] % 100 == 0 ? n[0] * n[1] / 100 : -1; }},
        {QRegularExpression(QStringLiteral("^What is double \\d+\\?$")), [](auto n) { return 2 * n[0]; }},
        {QRegularExpression(QStringLiteral("^What number is \\d+ more than ")), [](auto n) { return n[1] + n[0]; }},
        {QRegularExpression(QStringLiteral("^What number is \\d+ less than ")), [](auto n) { return n[1] - n[0]; }},
        {QRegularExpression(QStringLiteral("^Round \\d+ to the nearest ten\\.$")), [](auto n) { return (n[0] + 5) / 10 * 10; }},
        {QRegularExpression(QStringLiteral("^Round \\d+ to the nearest hundred\\.$")), [](auto n) { return (n[0] + 50) / 100 * 100; }},
        {QRegularExpression(QStringLiteral("^Round \\d+ to the nearest thousand\\.$")), [](auto n) { return (n[0] + 500) / 1000 * 1000; }},
        {QRegularExpression(QStringLiteral("^The temperature is -?\\d+ degrees\\. It falls")), [](auto n) { return n[0] - n[1]; }},
        {QRegularExpression(QStringLiteral("^The temperature is -?\\d+ degrees\\. It rises")), [](auto n) { return n[0] + n[1]; }},
        {QRegularExpression(QStringLiteral("costs \\d+ \\$ and .* costs \\d+ \\$\\. How much do they cost together")), [](auto n) { return n[0] + n[1]; }},
        {QRegularExpression(QStringLiteral("has \\d+ \\$ and spends \\d+ \\$ on")), [](auto n) { return n[0] - n[1]; }},
        {QRegularExpression(QStringLiteral("has \\d+ \\$ and buys \\d+ \\w+ at \\d+ \\$ each")), [](auto n) { return n[0] - n[1] * n[2]; }},
        {QRegularExpression(QStringLiteral("buys \\d+ [\\w -]+ at \\d+ \\$ each\\. (What|How much does it)")), [](auto n) { return n[0] * n[1]; }},
        {QRegularExpression(QStringLiteral("^How many (coins|notes) worth \\d+ \\$ each make")), [](auto n) { return n[1] % n[0] == 0 ? n[1] / n[0] : -1; }},
        // Bare sums in any language: "Combien font 4 + 3 ?", "¿Cuánto es 4 x 3?".
        {QRegularExpression(QStringLiteral("^\\D+\\d+ \\+ \\d+\\D*\\?$")), [](auto n) { return n[0] + n[1]; }},
        {QRegularExpression(QStringLiteral("^\\D+\\d+ - \\d+\\D*\\?$")), [](auto n) { return n[0] - n[1]; }},
        {QRegularExpression(QStringLiteral("^\\D+\\d+ x \\d+\\D*\\?$")), [](auto n) { return n[0] * n[1]; }},
    };
    return list;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySetIsASoundTemplate_data();
    void everySetIsASoundTemplate();
    void setsStayTheSame_data();
    void setsStayTheSame();
    void nearbySeedsGiveOtherQuestions_data();
    void nearbySeedsGiveOtherQuestions();
    void commandLine_data();
    void commandLine();
};

void TestGenerator::everySetIsASoundTemplate_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("language");
    for (const QString &language : Generator::languages()) {
        for (int topic = 0; topic < Topics::count; ++topic) {
            for (int level = 1; level <= Generator::LevelCount; ++level)
                QTest::addRow("%s %d %s", qPrintable(Topics::at(topic).name), level, qPrintable(language))
                    << topic << level << language;
        }
    }
}

void TestGenerator::everySetIsASoundTemplate()
{
    QFETCH(int, topic);
    QFETCH(int, level);
    QFETCH(QString, language);
    const bool english = language == QLatin1String("en");
    // Three or four options, "a, b, c or d" in the set's language.
    const QRegularExpression choice(QStringLiteral("^-?\\d+(, -?\\d+){1,2} %1 -?\\d+$")
                                        .arg(english ? QStringLiteral("or")
                                             : language == QLatin1String("fr") ? QStringLiteral("ou")
                                                                               : QStringLiteral("[ou]")));
    // The words only the English stories use, which a French or Spanish set never holds ("pair" is
    // French for even).
    QStringList englishOnly = Generator::storyWords(QStringLiteral("en"));
    const QStringList shared = Generator::storyWords(language) << QStringLiteral("pair");
    for (const QString &word : shared)
        englishOnly.removeAll(word);
    const QSet<QString> foreign(englishOnly.cbegin(), englishOnly.cend());
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    int recomputed = 0;
    for (quint32 seed = 0; seed < SeedsPerSet; ++seed) {
        const QuestionRecords records = Generator::generate(topic, level, seed, language);
        QCOMPARE(QuestionFile::firstInvalidRecord(records), -1);
        // The generator's own checks: true clues, believable quantities, no fact twice, helpful choice lines.
        QCOMPARE(Generator::problems(topic, level, seed, language), QStringList());
        QSet<QString> texts;
        for (const QuestionRecord &record : records) {
            const QString where = QStringLiteral("seed %1: %2 / %3 / %4 / %5")
                                      .arg(seed)
                                      .arg(record.text, record.answer, record.clue, record.choice);
            const QByteArray context = where.toUtf8();
            texts.insert(record.text);
            QVERIFY2(record.answer.size() <= Generator::AnswerWidth && record.answer.toInt() != 0, context);
            QVERIFY2(choice.match(record.choice).hasMatch(), context);
            const QList<int> options = numbersIn(record.choice);
            QVERIFY2(options.contains(record.answer.toInt()), context);
            QVERIFY2(QSet<int>(options.cbegin(), options.cend()).size() == options.size(), context);
            // A choice line offers more than the numbers the question lists already.
            const QList<int> shown = numbersIn(record.text, false);
            QVERIFY2(!std::all_of(options.cbegin(), options.cend(), [&](int o) { return shown.contains(std::abs(o)); })
                         || QSet<int>(shown.cbegin(), shown.cend()).size() > options.size(),
                     context);
            // The clue shows a way without giving the answer.
            QVERIFY2(!numbersIn(record.clue).contains(record.answer.toInt()), context);
            for (QChar placeholder : {u'$', u'~', u'^', u'@'}) {
                QVERIFY2(record.text.count(placeholder) <= 3, context);
                QVERIFY2(!record.clue.contains(placeholder), context);
            }
            if (english) {
                // English question files are plain ASCII, as the shipped ones.
                for (const QString &line : {record.text, record.clue})
                    QVERIFY2(std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() < 128; }),
                             context);
            } else {
                const QStringList words = record.text.toLower().split(nonLetters);
                for (const QString &word : words)
                    QVERIFY2(!foreign.contains(word), qPrintable(word + QStringLiteral(" in ") + where));
            }
            for (const Rule &rule : rules()) {
                if (rule.form.match(record.text).hasMatch()) {
                    QVERIFY2(rule.answer(numbersIn(record.text)) == record.answer.toInt(), context);
                    ++recomputed;
                }
            }
        }
        QCOMPARE(texts.size(), QuestionsPerExercise);
    }
    // Worked out again: a good share of each English set, and for every topic and level.
    QVERIFY2(!english || recomputed >= SeedsPerSet * 3, qPrintable(QString::number(recomputed)));
}

void TestGenerator::setsStayTheSame_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("language");
    QTest::addColumn<quint32>("seed");
    // Written by brightsum-generate -t TOPIC -l LEVEL --language LANGUAGE -s SEED: a deliberate change of the
    // generator writes them again.
    QTest::newRow("Addition 1 en") << 1 << 1 << QStringLiteral("en") << 7u;
    QTest::newRow("Subtraction 3 es") << 2 << 3 << QStringLiteral("es") << 99u;
    QTest::newRow("Multiplication 2 fr") << 3 << 2 << QStringLiteral("fr") << 500u;
    QTest::newRow("Division 2 en") << 4 << 2 << QStringLiteral("en") << 0u;
    QTest::newRow("Fractions 3 fr") << 5 << 3 << QStringLiteral("fr") << 4294967295u;
    QTest::newRow("Money 2 es") << 6 << 2 << QStringLiteral("es") << 42u;
    QTest::newRow("Number Skills 3 en") << 0 << 3 << QStringLiteral("en") << 123456789u;
}

// The same topic, level, language and seed give the same file on every build and platform.
void TestGenerator::setsStayTheSame()
{
    QFETCH(int, topic);
    QFETCH(int, level);
    QFETCH(QString, language);
    QFETCH(quint32, seed);
    const QString golden = QStringLiteral(BRIGHTSUM_GOLDEN_SETS "/%1 %2 %3 %4.dat")
                               .arg(Topics::at(topic).name)
                               .arg(level)
                               .arg(language)
                               .arg(seed);
    QCOMPARE(fileText(Generator::generate(topic, level, seed, language)), TestSupport::readFile(golden));
}

void TestGenerator::nearbySeedsGiveOtherQuestions_data()
{
    everySetIsASoundTemplate_data();
}

void TestGenerator::nearbySeedsGiveOtherQuestions()
{
    QFETCH(int, topic);
    QFETCH(int, level);
    QFETCH(QString, language);
    for (quint32 seed : {0u, 7u, 123456789u, 4294967294u}) {
        const QByteArray file = fileText(Generator::generate(topic, level, seed, language));
        // The next seed reads differently: no more than a quarter of its questions are those of this set.
        const QuestionRecords other = Generator::generate(topic, level, seed + 1, language);
        int same = 0;
        for (const QuestionRecord &record : other)
            same += file.contains(record.text.toUtf8() + '\n') ? 1 : 0;
        QVERIFY2(same <= QuestionsPerExercise / 4, qPrintable(QString::number(same)));
    }
}

void TestGenerator::commandLine_data()
{
    QTest::addColumn<QString>("setup");       // "full": files may not grow past one block; "pipe", "folder": -o names one
    QTest::addColumn<QString>("environment"); // the user's language, as LANGUAGE says it
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");     // on standard error
    QTest::addColumn<QString>("language"); // of the set written
    QTest::newRow("to standard output") << "" << "" << "--topic Addition --level 2 --seed 42" << 0 << "" << "en";
    QTest::newRow("topic in any case") << "" << "" << "-t addition -l 2 -s 42" << 0 << "" << "en";
    QTest::newRow("dash is standard output") << "" << "" << "-t Addition -l 2 -s 42 -o -" << 0 << "" << "en";
    QTest::newRow("no seed: it is said") << "" << "" << "-t Addition -l 2" << 0 << "--seed" << "en";
    QTest::newRow("the user's language") << "" << "fr_FR" << "-t Addition -l 2 -s 42" << 0 << "" << "fr";
    QTest::newRow("language given") << "" << "fr_FR" << "-t Addition -l 2 -s 42 --language es" << 0 << "" << "es";
    QTest::newRow("unknown language") << "" << "" << "-t Addition -l 2 --language de" << 2
                                      << "there is no language \"de\"" << "";
    QTest::newRow("unknown topic") << "" << "" << "--topic Algebra --level 2" << 2 << "there is no topic \"Algebra\""
                                   << "";
    QTest::newRow("level 4") << "" << "" << "--topic Money --level 4" << 2 << "there is no level \"4\"" << "";
    QTest::newRow("no level") << "" << "" << "--topic Money" << 2 << "no level given" << "";
    QTest::newRow("bad seed") << "" << "" << "--topic Money --level 1 --seed -1" << 2 << "is not a whole number" << "";
    QTest::newRow("no such folder") << "" << "" << "--topic Money --level 1 -o \"no such folder/Week 3.dat\"" << 1
                                    << "cannot write \"no such folder/Week 3.dat\": there is no folder" << "";
    QTest::newRow("disk full") << "full" << "" << "-t Money -l 1 -o \"Week 3.dat\"" << 1
                               << "cannot write \"Week 3.dat\": file too large; the earlier file of that name is unchanged" << "";
    QTest::newRow("a pipe") << "pipe" << "" << "-t Money -l 1 -o pipe" << 1
                            << "brightsum-generate: cannot write \"pipe\": it is not a file\n" << "";
    QTest::newRow("a folder") << "folder" << "" << "-t Money -l 1 -o folder" << 1
                              << "cannot write \"folder\": it is not a file" << "";
}

void TestGenerator::commandLine()
{
    QFETCH(QString, setup);
    QFETCH(QString, environment);
    QFETCH(QString, command);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(QString, language);
    QTemporaryDir folder;
    const QString earlier = folder.filePath(QStringLiteral("Week 3.dat"));
    TestSupport::writeFile(earlier, "earlier\n");
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    QVERIFY(setup != QLatin1String("pipe") || ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QVERIFY(setup != QLatin1String("folder") || QDir(folder.path()).mkdir(QStringLiteral("folder")));
    QProcess tool;
    tool.setWorkingDirectory(folder.path());
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        variables.insert(QString::fromLatin1(name), environment.isEmpty() ? QStringLiteral("C") : environment);
    tool.setProcessEnvironment(variables);
    QStringList arguments = QProcess::splitCommand(command);
    const auto run = [&](const QStringList &given) {
        if (setup == QLatin1String("full")) {
            // A write past the limit fails (EFBIG) instead of stopping the program.
            tool.start(QStringLiteral("sh"),
                       QStringList{QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\""),
                                   QStringLiteral(BRIGHTSUM_GENERATE)}
                           + given);
        } else {
            tool.start(QStringLiteral(BRIGHTSUM_GENERATE), given);
        }
        return tool.waitForFinished();
    };
    QVERIFY(run(arguments));
    QCOMPARE(tool.exitCode(), status);
    const QString error = QString::fromLocal8Bit(tool.readAllStandardError());
    QVERIFY2(error.contains(said), qPrintable(error));
    if (status != 0) {
        QCOMPARE(TestSupport::readFile(earlier), QByteArray("earlier\n"));
        QVERIFY(!QFileInfo(pipe).exists() || !QFileInfo(pipe).isFile());
        return;
    }
    // Without a seed, the one it took is said, and makes the same set again.
    const QRegularExpressionMatch seed =
        QRegularExpression(QStringLiteral("^brightsum-generate: set (\\d+) \\(--seed \\1 makes the same set again\\)\n$"))
            .match(error);
    QCOMPARE(seed.hasMatch(), !said.isEmpty());
    if (seed.hasMatch())
        arguments << QStringLiteral("-s") << seed.captured(1);
    const QByteArray expected = fileText(Generator::generate(1, 2, seed.hasMatch() ? seed.captured(1).toUInt() : 42,
                                                             language));
    QCOMPARE(tool.readAllStandardOutput(), expected);
    // The file written with -o is the same as the one printed.
    QVERIFY(run(arguments << QStringLiteral("-o") << QStringLiteral("Week 3.dat")));
    QCOMPARE(TestSupport::readFile(earlier), expected);
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
