// SPDX-License-Identifier: GPL-3.0-or-later
// Question files, templates and saved exercises: reading, writing and refusing.

#include "base/language.h"
#include "content/exercisebank.h"
#include "content/questionfile.h"
#include "content/savedexercise.h"
#include "coresupport.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A well-formed file of n records, each line ended by `eol`.
QByteArray questionFile(int records, const QByteArray &eol = "\n", bool finalSeparator = true)
{
    QByteArray data;
    for (int q = 0; q < records; ++q) {
        data += "Question " + QByteArray::number(q + 1) + eol;
        data += QByteArray::number(q + 1) + eol;
        data += "Clue " + QByteArray::number(q + 1) + eol;
        data += "Choice " + QByteArray::number(q + 1) + eol;
        if (q + 1 < records || finalSeparator)
            data += eol;
    }
    return data;
}

QuestionRecords readBytes(const QByteArray &data, QuestionFile::ReadStatus *status = nullptr)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QuestionRecords records;
    const QuestionFile::ReadStatus result = QuestionFile::read(buffer, records);
    if (status)
        *status = result;
    return records;
}

} // namespace

class TestQuestionFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTwentyRecords_data();
    void readsTwentyRecords();
    void shortFileLeavesEmptyQuestions();
    void answersConvertAsWholeNumbers_data();
    void answersConvertAsWholeNumbers();
    void refusesOversizedInput_data();
    void refusesOversizedInput();
    void writesOneHundredLines();
    void templateValidity_data();
    void templateValidity();
    void languageFileGivesWayToEnglish();
    void baseNameStopsAtFirstDot_data();
    void baseNameStopsAtFirstDot();
    void savedExerciseRoundTrip();
    void savedExerciseRefusals_data();
    void savedExerciseRefusals();
    void datSuffix_data();
    void datSuffix();
};

void TestQuestionFile::readsTwentyRecords_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("line feeds") << questionFile(20);
    QTest::newRow("carriage return and line feed") << questionFile(20, "\r\n");
    QTest::newRow("no final separator") << questionFile(20, "\n", false);
    QTest::newRow("lines past one hundred ignored") << questionFile(20) + "extra\nlines\n" + questionFile(3);
}

void TestQuestionFile::readsTwentyRecords()
{
    QFETCH(QByteArray, data);
    QuestionFile::ReadStatus status;
    const QuestionRecords records = readBytes(data, &status);
    QCOMPARE(status, QuestionFile::ReadStatus::Ok);
    for (int q = 0; q < QuestionsPerExercise; ++q) {
        const QuestionRecord &record = records[static_cast<size_t>(q)];
        QCOMPARE(record.text, QStringLiteral("Question %1").arg(q + 1));
        QCOMPARE(record.answerValue(), q + 1);
        QCOMPARE(record.clue, QStringLiteral("Clue %1").arg(q + 1));
        QCOMPARE(record.choice, QStringLiteral("Choice %1").arg(q + 1));
    }
}

void TestQuestionFile::shortFileLeavesEmptyQuestions()
{
    const QuestionRecords records = readBytes(questionFile(2));
    QCOMPARE(records[1].text, QStringLiteral("Question 2"));
    for (size_t q = 2; q < records.size(); ++q) {
        QVERIFY(records[q].isEmpty());
        QCOMPARE(records[q].answerValue(), 0);
    }
    QCOMPARE(QuestionFile::firstInvalidRecord(records), 2);
}

void TestQuestionFile::answersConvertAsWholeNumbers_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("answer");
    QTest::newRow("negative") << QByteArray("-3") << -3;
    QTest::newRow("trailing letters") << QByteArray("7x") << 0;
    QTest::newRow("blank") << QByteArray("") << 0;
    QTest::newRow("words") << QByteArray("seven") << 0;
    QTest::newRow("large") << QByteArray("12345") << 12345;
}

void TestQuestionFile::answersConvertAsWholeNumbers()
{
    QFETCH(QByteArray, line);
    QFETCH(int, answer);
    QByteArray data = questionFile(20);
    data.replace("Question 1\n1\n", "Question 1\n" + line + "\n");
    const QuestionRecords records = readBytes(data);
    QCOMPARE(records[0].answer, QString::fromLatin1(line));
    QCOMPARE(records[0].answerValue(), answer);
}

void TestQuestionFile::refusesOversizedInput_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("huge file") << QByteArray(QuestionFile::MaxFileBytes + 10, 'a');
    QTest::newRow("overlong line") << QByteArray(QuestionFile::MaxLineLength + 1, 'b') + "\n" + questionFile(20);
}

void TestQuestionFile::refusesOversizedInput()
{
    QFETCH(QByteArray, data);
    QuestionFile::ReadStatus status;
    const QuestionRecords records = readBytes(data, &status);
    QCOMPARE(status, QuestionFile::ReadStatus::TooLarge);
    QVERIFY(records[0].isEmpty());
}

void TestQuestionFile::writesOneHundredLines()
{
    QuestionRecords records = readBytes(questionFile(20));
    records[4].answer = QStringLiteral("x");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(QuestionFile::write(buffer, records));
    const QByteArray written = buffer.data();
    QVERIFY(written.endsWith("\n\n"));
    QVERIFY(!written.contains('\r'));
    const QList<QByteArray> lines = written.split('\n');
    QCOMPARE(lines.size(), 101); // a hundred lines, each ended by a line feed
    for (int i = 4; i < 100; i += 5)
        QVERIFY2(lines.at(i).isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(lines.at(21), QByteArray("x"));
    QCOMPARE(readBytes(written), records);
}

void TestQuestionFile::templateValidity_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("firstInvalid");
    QTest::addColumn<bool>("sound"); // twenty sound records in words, as a language's file must be
    const QByteArray good = questionFile(20);
    QTest::newRow("twenty sound records") << good << -1 << true;
    QTest::newRow("nineteen records") << questionFile(19) << 19 << false;
    QTest::newRow("empty twentieth choice") << QByteArray(good).replace("Choice 20\n", "\n") << 19 << false;
    QTest::newRow("seventh answer zero") << QByteArray(good).replace("Question 7\n7\n", "Question 7\n0\n") << 6 << false;
    QTest::newRow("seventh answer negative") << QByteArray(good).replace("Question 7\n7\n", "Question 7\n-4\n") << -1 << true;
    QTest::newRow("not a number") << QByteArray(good).replace("Question 3\n3\n", "Question 3\nthree\n") << 2 << false;
    QTest::newRow("empty question") << QByteArray(good).replace("Question 5\n", "\n") << 4 << false;
    QTest::newRow("empty clue") << QByteArray(good).replace("Clue 9\n", "\n") << 8 << false;
    QTest::newRow("a line of spaces is not empty") << QByteArray(good).replace("Clue 9\n", "   \n") << -1 << true;
    QTest::newRow("empty data") << QByteArray() << 0 << false;
    QTest::newRow("a tab") << QByteArray(good).replace("Clue 9\n", "Clue\t9\n") << -1 << true;
    QTest::newRow("a byte that is no UTF-8") << QByteArray(good).replace("Clue 9\n", "Clue \xE9" "9\n") << -1 << false;
    QTest::newRow("a control character") << QByteArray(good).replace("Question 5\n", "Question\x1B 5\n") << -1 << false;
}

void TestQuestionFile::templateValidity()
{
    QFETCH(QByteArray, data);
    QFETCH(int, firstInvalid);
    QFETCH(bool, sound);
    QCOMPARE(QuestionFile::firstInvalidRecord(readBytes(data)), firstInvalid);
    QCOMPARE(QuestionFile::isSound(readBytes(data)), sound);
}

void TestQuestionFile::languageFileGivesWayToEnglish()
{
    // The data folder's question files, a sound French Money and a French Addition of random bytes.
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Exercises/fr")));
    const QDir shipped(TestSupport::dataFolder());
    QStringList files{QStringLiteral("Exercises/fr/Money.dat")};
    for (int i = 0; i < Topics::count; ++i)
        files << Topics::at(i).questionFile();
    for (const QString &file : std::as_const(files))
        QVERIFY(QFile::copy(shipped.filePath(file), folder.filePath(file)));
    QByteArray noise(300 * 1024, Qt::Uninitialized);
    QRandomGenerator(24).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    TestSupport::writeFile(folder.filePath(QStringLiteral("Exercises/fr/Addition.dat")), noise);

    const QString data = QDir::currentPath();
    QDir::setCurrent(folder.path());
    Language::setCurrent(QStringLiteral("fr"));
    ExerciseBank bank;
    const QList<int> failed = bank.load();
    Language::setCurrent(QStringLiteral("en"));
    QuestionRecords english, french;
    QuestionFile::read(QStringLiteral("Exercises/Addition.dat"), english);
    QuestionFile::read(QStringLiteral("Exercises/fr/Money.dat"), french);
    QDir::setCurrent(data);
    QVERIFY(failed.isEmpty());
    QCOMPARE(bank.filesInEnglish(), QStringList{QStringLiteral("Exercises/fr/Addition.dat")});
    QCOMPARE(bank.topic(1), english);
    QCOMPARE(bank.topic(6), french);
}

void TestQuestionFile::baseNameStopsAtFirstDot_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("folder and suffix") << QStringLiteral("templates/Week 3.dat") << QStringLiteral("Week 3");
    QTest::newRow("two dots") << QStringLiteral("/tmp/fractions.second.dat") << QStringLiteral("fractions");
    QTest::newRow("topic name") << QStringLiteral("Money.dat") << QStringLiteral("Money");
}

void TestQuestionFile::baseNameStopsAtFirstDot()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(QuestionFile::baseName(path), name);
}

void TestQuestionFile::savedExerciseRoundTrip()
{
    const SavedExercise saved{QStringLiteral("Addition"), QStringLiteral("Asha"), -2, 1, 0, 3};
    QCOMPARE(saved.toBytes(), QByteArray("Addition\nAsha\n-2\n1\n0\n3\n"));

    QBuffer buffer;
    buffer.setData(saved.toBytes());
    buffer.open(QIODevice::ReadOnly);
    SavedExercise read;
    QCOMPARE(read.read(buffer), SavedExercise::ReadStatus::Ok);
    QCOMPARE(read.topic, saved.topic);
    QCOMPARE(read.player, saved.player);
    QCOMPARE(read.score, -2);
    QCOMPARE(read.cluesUsed, 1);
    QCOMPARE(read.choicesUsed, 0);
    QCOMPARE(read.currentQuestion, 3);
}

void TestQuestionFile::savedExerciseRefusals_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<SavedExercise::ReadStatus>("status");
    QTest::newRow("four lines") << QByteArray("Money\nBen\n5\n2\n") << SavedExercise::ReadStatus::Ok;
    QTest::newRow("crlf") << QByteArray("Money\r\nBen\r\n5\r\n2\r\n1\r\n4\r\n") << SavedExercise::ReadStatus::Ok;
    QTest::newRow("wrong case") << QByteArray("addition\nAsha\n0\n0\n0\n0\n") << SavedExercise::ReadStatus::UnknownTopic;
    QTest::newRow("empty") << QByteArray() << SavedExercise::ReadStatus::UnknownTopic;
    QTest::newRow("template topic") << QByteArray("Week 3\nAsha\n0\n0\n0\n0\n") << SavedExercise::ReadStatus::UnknownTopic;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01", 4) << SavedExercise::ReadStatus::UnknownTopic;
    QTest::newRow("four clues") << QByteArray("Money\nBen\n5\n4\n0\n0\n") << SavedExercise::ReadStatus::OutOfRange;
    QTest::newRow("negative choices") << QByteArray("Money\nBen\n5\n0\n-1\n0\n") << SavedExercise::ReadStatus::OutOfRange;
    QTest::newRow("question twenty") << QByteArray("Money\nBen\n5\n0\n0\n20\n") << SavedExercise::ReadStatus::OutOfRange;
}

void TestQuestionFile::savedExerciseRefusals()
{
    QFETCH(QByteArray, data);
    QFETCH(SavedExercise::ReadStatus, status);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    SavedExercise saved;
    QCOMPARE(saved.read(buffer), status);
}

void TestQuestionFile::datSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("appended") << QStringLiteral("progress") << QStringLiteral("progress.dat");
    QTest::newRow("kept") << QStringLiteral("progress.dat") << QStringLiteral("progress.dat");
    QTest::newRow("case-sensitive") << QStringLiteral("progress.DAT") << QStringLiteral("progress.DAT.dat");
}

void TestQuestionFile::datSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QCOMPARE(SavedExercises::withDatSuffix(typed), written);
}

QTEST_GUILESS_MAIN(TestQuestionFile)
#include "tst_questionfile.moc"
