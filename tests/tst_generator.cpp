// SPDX-License-Identifier: GPL-3.0-or-later
// Generated question sets: every record a sound template, the arithmetic right
// when worked out again from the question text, and the command-line tool.

#include "content/generator.h"
#include "content/topics.h"
#include "testsupport.h"

#include <QBuffer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

constexpr int SeedsPerSet = 300;

QByteArray fileText(const QuestionRecords &records)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QuestionFile::write(buffer, records);
    return buffer.data();
}

QList<int> numbersIn(const QString &text)
{
    QList<int> numbers;
    static const QRegularExpression number(QStringLiteral("-?\\d+"));
    QRegularExpressionMatchIterator it = number.globalMatch(text);
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
        {QRegularExpression(QStringLiteral("costs \\d+ \\$ and .* costs \\d+ \\$\\. How many \\$ do they cost together")), [](auto n) { return n[0] + n[1]; }},
        {QRegularExpression(QStringLiteral("has \\d+ \\$ and spends \\d+ \\$ on")), [](auto n) { return n[0] - n[1]; }},
        {QRegularExpression(QStringLiteral("^How many coins worth \\d+ \\$ make")), [](auto n) { return n[1] % n[0] == 0 ? n[1] / n[0] : -1; }},
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
    void theSameSeedGivesTheSameFile_data() { everySetIsASoundTemplate_data(); }
    void theSameSeedGivesTheSameFile();
    void commandLine_data();
    void commandLine();
};

void TestGenerator::everySetIsASoundTemplate_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("level");
    for (int topic = 0; topic < Topics::count; ++topic) {
        for (int level = 1; level <= Generator::LevelCount; ++level)
            QTest::addRow("%s %d", qPrintable(Topics::at(topic).name), level) << topic << level;
    }
}

void TestGenerator::everySetIsASoundTemplate()
{
    QFETCH(int, topic);
    QFETCH(int, level);
    int recomputed = 0;
    for (quint32 seed = 0; seed < SeedsPerSet; ++seed) {
        const QuestionRecords records = Generator::generate(topic, level, seed);
        QCOMPARE(QuestionFile::firstInvalidRecord(records), -1);
        QSet<QString> texts;
        for (const QuestionRecord &record : records) {
            const QString where = QStringLiteral("seed %1: %2 / %3 / %4 / %5")
                                      .arg(seed)
                                      .arg(record.text, record.answer, record.clue, record.choice);
            const QByteArray context = where.toUtf8();
            texts.insert(record.text);
            QVERIFY2(record.answer.size() <= Generator::AnswerWidth && record.answer.toInt() != 0, context);
            // Three or four options, "a, b, c or d", one of them the answer.
            const QRegularExpression choice(QStringLiteral("^-?\\d+(, -?\\d+){1,2} or -?\\d+$"));
            QVERIFY2(choice.match(record.choice).hasMatch(), context);
            const QList<int> options = numbersIn(record.choice);
            QVERIFY2(options.contains(record.answer.toInt()), context);
            QVERIFY2(QSet<int>(options.cbegin(), options.cend()).size() == options.size(), context);
            // The clue shows a way without giving the answer.
            QVERIFY2(!numbersIn(record.clue).contains(record.answer.toInt()), context);
            for (QChar placeholder : {u'$', u'~', u'^', u'@'}) {
                QVERIFY2(record.text.count(placeholder) <= 3, context);
                QVERIFY2(!record.clue.contains(placeholder), context);
            }
            // Question files are 8-bit text in the system's encoding.
            for (const QString &line : {record.text, record.clue})
                QVERIFY2(std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.unicode() < 128; }), context);
            for (const Rule &rule : rules()) {
                if (rule.form.match(record.text).hasMatch()) {
                    QVERIFY2(rule.answer(numbersIn(record.text)) == record.answer.toInt(), context);
                    ++recomputed;
                }
            }
        }
        QCOMPARE(texts.size(), QuestionsPerExercise);
    }
    // Worked out again: a good share of each set, and for every topic and level.
    QVERIFY2(recomputed >= SeedsPerSet * 3, qPrintable(QString::number(recomputed)));
}

void TestGenerator::theSameSeedGivesTheSameFile()
{
    QFETCH(int, topic);
    QFETCH(int, level);
    for (quint32 seed : {0u, 7u, 123456789u, 4294967295u}) {
        const QByteArray file = fileText(Generator::generate(topic, level, seed));
        QCOMPARE(fileText(Generator::generate(topic, level, seed)), file);
        // Another seed reads differently: no more than a quarter of its questions are those of this set.
        const QuestionRecords other = Generator::generate(topic, level, seed + 1);
        int same = 0;
        for (const QuestionRecord &record : other)
            same += file.contains(record.text.toLatin1() + '\n') ? 1 : 0;
        QVERIFY2(same <= QuestionsPerExercise / 4, qPrintable(QString::number(same)));
    }
}

void TestGenerator::commandLine_data()
{
    QTest::addColumn<bool>("diskFull"); // files may not grow past one block, as on a full disk
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // on standard error, or the first question on standard output
    const QString records = Generator::generate(1, 2, 42)[0].text;
    QTest::newRow("to standard output") << false << QStringList{QStringLiteral("--topic"), QStringLiteral("Addition"),
                                                       QStringLiteral("--level"), QStringLiteral("2"),
                                                       QStringLiteral("--seed"), QStringLiteral("42")}
                                        << 0 << records;
    QTest::newRow("topic in any case") << false << QStringList{QStringLiteral("-t"), QStringLiteral("addition"),
                                                      QStringLiteral("-l"), QStringLiteral("2"), QStringLiteral("-s"),
                                                      QStringLiteral("42")}
                                       << 0 << records;
    QTest::newRow("unknown topic") << false << QStringList{QStringLiteral("--topic"), QStringLiteral("Algebra"),
                                                  QStringLiteral("--level"), QStringLiteral("2")}
                                   << 2 << QStringLiteral("there is no topic \"Algebra\"");
    QTest::newRow("level 4") << false << QStringList{QStringLiteral("--topic"), QStringLiteral("Money"),
                                            QStringLiteral("--level"), QStringLiteral("4")}
                             << 2 << QStringLiteral("there is no level \"4\"");
    QTest::newRow("no level") << false << QStringList{QStringLiteral("--topic"), QStringLiteral("Money")} << 2
                              << QStringLiteral("no level given");
    QTest::newRow("bad seed") << false << QStringList{QStringLiteral("--topic"), QStringLiteral("Money"),
                                             QStringLiteral("--level"), QStringLiteral("1"), QStringLiteral("--seed"),
                                             QStringLiteral("-1")}
                              << 2 << QStringLiteral("is not a whole number");
    QTest::newRow("unwritable file") << false << QStringList{QStringLiteral("--topic"), QStringLiteral("Money"),
                                                    QStringLiteral("--level"), QStringLiteral("1"),
                                                    QStringLiteral("-o"), QStringLiteral("no such folder/Week 3.dat")}
                                     << 1 << QStringLiteral("cannot write \"no such folder/Week 3.dat\"");
    QTest::newRow("disk full") << true << QStringList{QStringLiteral("-t"), QStringLiteral("Money"), QStringLiteral("-l"),
                                                      QStringLiteral("1"), QStringLiteral("-o"), QStringLiteral("Week 3.dat")}
                               << 1 << QStringLiteral("earlier file of that name is unchanged");
}

void TestGenerator::commandLine()
{
    QFETCH(bool, diskFull);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QTemporaryDir folder;
    const QString earlier = folder.filePath(QStringLiteral("Week 3.dat"));
    TestSupport::writeFile(earlier, "earlier\n");
    QProcess tool;
    tool.setWorkingDirectory(folder.path());
    if (diskFull) {
        // A write past the limit fails (EFBIG) instead of stopping the program.
        tool.start(QStringLiteral("sh"), QStringList{QStringLiteral("-c"),
                                                     QStringLiteral("trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\""),
                                                     QStringLiteral(BRIGHTSUM_GENERATE)} + arguments);
    } else {
        tool.start(QStringLiteral(BRIGHTSUM_GENERATE), arguments);
    }
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), status);
    const QString out = QString::fromLocal8Bit(status == 0 ? tool.readAllStandardOutput() : tool.readAllStandardError());
    QVERIFY2(out.contains(said), qPrintable(out));
    if (status != 0)
        QCOMPARE(TestSupport::readFile(earlier), QByteArray("earlier\n"));
    if (status == 0) {
        // The file written with -o is the same as the one printed.
        tool.start(QStringLiteral(BRIGHTSUM_GENERATE), arguments << QStringLiteral("-o") << QStringLiteral("Week 3.dat"));
        QVERIFY(tool.waitForFinished());
        QCOMPARE(TestSupport::readFile(folder.filePath(QStringLiteral("Week 3.dat"))),
                 fileText(Generator::generate(1, 2, 42)));
    }
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
