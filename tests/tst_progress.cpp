// SPDX-License-Identifier: GPL-3.0-or-later
// Dated records, the CSV file they travel in, and one child's progress.

#include "app/ui/applicationwindow.h"
#include "base/store/store.h"
#include "testsupport.h"
#include "users/accounts.h"
#include "users/recordsharing.h"
#include "users/sharedfolder.h"
#include "users/scorecsv.h"
#include "users/scoretransfer.h"
#include "users/ui/progresswindow.h"
#include "users/ui/sidebar.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

ScoreRecord record(const QString &player, const QString &topic, int score, const QString &completed = {})
{
    return {player, topic, QStringLiteral("1"), QStringLiteral("2"), QString::number(score), completed};
}

const QString March1 = QStringLiteral("2025-03-01T09:30:00+01:00");
const QString March2 = QStringLiteral("2025-03-02T16:05:00-05:00");

} // namespace

class TestProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }
    void init() { TestSupport::resetStore(); }

    void csvRoundTrip_data();
    void csvRoundTrip();
    void datesAreKeptInOneForm_data();
    void datesAreKeptInOneForm();
    void malformedFileAddsNothing_data();
    void malformedFileAddsNothing();
    void importTwiceAddsOnce();
    void figuresOfThreeRecordsOfTwoTopics();
    void scoreAxisKeepsFewTicks_data();
    void scoreAxisKeepsFewTicks();
    void windowWaitsForTheRecordsAndSavesOnePage();
    void newTasksFollowTheSpecifiedOnes();
    void sharingIsChosenBehindThePassword();

private:
    QTemporaryDir m_folder;
};

void TestProgress::csvRoundTrip_data()
{
    QTest::addColumn<ScoreRecord>("written");
    QTest::addColumn<QString>("row"); // the record's row in the file

    QTest::newRow("plain, dated") << record(QStringLiteral("Asha"), QStringLiteral("Addition"), 38, March1)
                                  << QStringLiteral("Asha,Addition,1,2,38,2025-03-01T09:30:00+01:00");
    QTest::newRow("undated, negative score") << record(QStringLiteral("Ben"), QStringLiteral("Money"), -4)
                                             << QStringLiteral("Ben,Money,1,2,-4,");
    QTest::newRow("comma") << record(QStringLiteral("Lee, Sam"), QStringLiteral("Week 3"), 40)
                           << QStringLiteral("\"Lee, Sam\",Week 3,1,2,40,");
    QTest::newRow("quotes") << record(QStringLiteral("Kit \"Fox\""), QStringLiteral("Fractions"), 12)
                            << QStringLiteral("\"Kit \"\"Fox\"\"\",Fractions,1,2,12,");
    QTest::newRow("line break") << record(QStringLiteral("Ana"), QStringLiteral("Week\r\n3"), 7)
                                << QStringLiteral("Ana,\"Week\r\n3\",1,2,7,");
    QTest::newRow("unicode") << record(QStringLiteral("Zoë 李"), QStringLiteral("Число"), 40, March2)
                             << QStringLiteral("Zoë 李,Число,1,2,40,2025-03-02T16:05:00-05:00");
    QTest::newRow("formula") << record(QStringLiteral("=1+1"), QStringLiteral("@SUM(A1)"), 3)
                             << QStringLiteral("'=1+1,'@SUM(A1),1,2,3,");
    QTest::newRow("formula after a comma") << record(QStringLiteral("-2+3"), QStringLiteral("+Addition, 2"), 3)
                                           << QStringLiteral("'-2+3,\"'+Addition, 2\",1,2,3,");
    QTest::newRow("an apostrophe of its own") << record(QStringLiteral("'=x"), QStringLiteral("'Tis"), 3)
                                              << QStringLiteral("''=x,''Tis,1,2,3,");
}

void TestProgress::csvRoundTrip()
{
    QFETCH(ScoreRecord, written);
    QFETCH(QString, row);
    const ScoreRecord other = record(QStringLiteral("Cy"), QStringLiteral("Division"), 20, March1);
    const QByteArray file = ScoreCsv::write({written, other});
    QVERIFY(file.startsWith("\xEF\xBB\xBF" "name,topic,clues,choices,score,completed\r\n"));
    QVERIFY2(file.contains((QStringLiteral("\r\n") + row + QStringLiteral("\r\n")).toUtf8()), file.constData());

    const ScoreCsv::Result read = ScoreCsv::read(file);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.records, (QList<ScoreRecord>{written, other}));
    // Also without the byte order mark and with plain line feeds, as other programs save it.
    const ScoreCsv::Result resaved = ScoreCsv::read(file.mid(3).replace("\r\n3", "\n3").replace("\r\n", "\n"));
    QCOMPARE(resaved.records.size(), 2);
    QCOMPARE(resaved.records.constLast(), other);
}

void TestProgress::datesAreKeptInOneForm_data()
{
    QTest::addColumn<QString>("inFile");
    QTest::addColumn<QString>("kept");

    QTest::newRow("as written") << March1 << March1;
    QTest::newRow("UTC as Z") << QStringLiteral("2025-03-01T08:30:00Z") << QStringLiteral("2025-03-01T08:30:00+00:00");
    QTest::newRow("a space, and milliseconds") << QStringLiteral("2025-03-01 09:30:00.250+01:00") << March1;
    QTest::newRow("behind UTC, with blanks") << QStringLiteral(" 2025-03-02T16:05:00-05:00 ") << March2;
}

void TestProgress::datesAreKeptInOneForm()
{
    QFETCH(QString, inFile);
    QFETCH(QString, kept);
    const QByteArray file = "name,topic,clues,choices,score,completed\nAsha,Money,0,0,40," + inFile.toUtf8() + '\n';
    const ScoreCsv::Result read = ScoreCsv::read(file);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.records.constFirst().completed, kept);
    QCOMPARE(ScoreBook::timeText(read.records.constFirst().completedAt()), kept);
}

void TestProgress::malformedFileAddsNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line");

    const QByteArray header = "name,topic,clues,choices,score,completed\r\n";
    const QByteArray good = "Asha,Addition,0,0,40,\r\n";
    QTest::newRow("empty") << QByteArray() << 1;
    QTest::newRow("no header") << good + good << 1;
    QTest::newRow("five fields") << header + good + "Asha,Addition,0,0,40\r\n" << 3;
    QTest::newRow("seven fields") << header + "Asha,Addition,0,0,40,,x\r\n" << 2;
    QTest::newRow("a million columns") << header + good + QByteArray(1000000, ',') << 3;
    QTest::newRow("quote never closed") << header + good + "\"Asha,Addition,0,0,40,\r\n" + good << 3;
    QTest::newRow("quote inside a field") << header + "As\"ha,Addition,0,0,40,\r\n" << 2;
    QTest::newRow("not UTF-8") << header + good + "Zo\xEB,Addition,0,0,40,\r\n" << 3;
    QTest::newRow("binary") << header + QByteArray("\x00\x01\x02,\xFF\xFE", 7) << 2;
    QTest::newRow("four clues") << header + "Asha,Addition,4,0,40,\r\n" << 2;
    QTest::newRow("score of 41") << header + good + good + "Asha,Addition,0,0,41,\r\n" << 4;
    QTest::newRow("score not a number") << header + "Asha,Addition,0,0,4O,\r\n" << 2;
    QTest::newRow("score below the floor") << header + good + "Asha,Addition,0,0,-100000,\r\n" << 3;
    QTest::newRow("no name") << header + good + ",Addition,0,0,40,\r\n" << 3;
    QTest::newRow("a topic of blanks") << header + "Asha,\" \",0,0,40,\r\n" << 2;
    QTest::newRow("name with a slash") << header + "a/b,Addition,0,0,40,\r\n" << 2;
    QTest::newRow("name too long") << header + QByteArray(41, 'x') + ",Addition,0,0,40,\r\n" << 2;
    QTest::newRow("field of 10 MB") << header + QByteArray(10 * 1024 * 1024, 'x') << 2;
    QTest::newRow("not a date") << header + "Asha,Addition,0,0,40,yesterday\r\n" << 2;
    QTest::newRow("larger than the bound") << QByteArray(ScoreCsv::MaxFileBytes + 1, '\n') << 1;
}

void TestProgress::malformedFileAddsNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    TestSupport::appendRecord(record(QStringLiteral("Asha"), QStringLiteral("Money"), 10));
    const QString path = m_folder.filePath(QStringLiteral("scores.csv"));
    TestSupport::writeFile(path, content);

    const ScoreTransfer::Imported imported = ScoreTransfer::importFrom(path);
    QVERIFY(!imported.problem.isEmpty());
    QCOMPARE(imported.line, line);
    QCOMPARE(imported.added, 0);
    QCOMPARE(ScoreBook::records().size(), 1);
    QCOMPARE(Accounts::names(), QStringList{QString()});
}

void TestProgress::importTwiceAddsOnce()
{
    // What a pipe or a folder under the chosen name gives is refused at once.
    const QString fifo = m_folder.filePath(QStringLiteral("fifo.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!ScoreTransfer::importFrom(fifo).problem.isEmpty());
    QVERIFY(!ScoreTransfer::importFrom(m_folder.path()).problem.isEmpty());

    const ScoreRecord undated = record(QStringLiteral("Asha"), QStringLiteral("Money"), 30);
    const ScoreRecord dated = record(QStringLiteral("Asha"), QStringLiteral("Addition"), 36, March1);
    Accounts::signIn(QStringLiteral("Asha"));
    Store::update(Accounts::completing(QStringLiteral("Asha"), QStringLiteral("Money")));
    for (const ScoreRecord &stored : {undated, dated, undated})
        TestSupport::appendRecord(stored);

    // The other computer holds Asha's dated record too, an undated one alike
    // three times (two are these), and records of its own.
    const ScoreRecord ben = record(QStringLiteral("Ben"), QStringLiteral("Week 3"), -2, March2);
    const QString path = m_folder.filePath(QStringLiteral("other computer.csv"));
    // Its " Asha " and "Addition " are Asha and Addition, as signing in would have them.
    const ScoreRecord lookalike = record(QStringLiteral(" Asha "), QStringLiteral("Addition "), 36, March1);
    QVERIFY(ScoreTransfer::exportTo(path, {ben, undated, lookalike, undated, undated,
                                           record(QStringLiteral("=1+1"), QStringLiteral("Money"), 5)})
                .isEmpty());

    const ScoreTransfer::Imported first = ScoreTransfer::importFrom(path);
    QVERIFY2(first.problem.isEmpty(), qPrintable(first.problem));
    QCOMPARE(first.added, 3);
    QCOMPARE(first.skipped, 3);
    const QList<ScoreRecord> all = ScoreBook::records();
    QCOMPARE(all.size(), 6);
    QCOMPARE(all.mid(3), (QList<ScoreRecord>{ben, undated, record(QStringLiteral("=1+1"), QStringLiteral("Money"), 5)}));
    // Undated stays undated in the store, as records were before they were dated.
    const std::unique_ptr<QSettings> disk = TestSupport::onDisk();
    QVERIFY(!disk->contains(Keys::scoreField(5, ScoreRecord::Completed)));
    QCOMPARE(disk->value(Keys::scoreField(4, ScoreRecord::Completed)).toString(), March2);
    QCOMPARE(disk->value(Keys::scoreCount).toInt(), 6);
    // New names get accounts as signing in gives them; Asha's keeps its list.
    QCOMPARE(Accounts::names(), (QStringList{QString(), QStringLiteral("Asha"), QStringLiteral("Ben"),
                                             QStringLiteral("=1+1")}));
    QCOMPARE(Accounts::toDo(QStringLiteral("Ben")).size(), 7);
    QCOMPARE(Accounts::toDo(QStringLiteral("Asha")).size(), 6);

    const ScoreTransfer::Imported again = ScoreTransfer::importFrom(path);
    QCOMPARE(again.added, 0);
    QCOMPARE(again.skipped, 6);
    QCOMPARE(ScoreBook::records().size(), 6);
}

void TestProgress::figuresOfThreeRecordsOfTwoTopics()
{
    // The first Addition was done on 1 March but comes from another computer, so it is stored last.
    const QList<ScoreRecord> all{record(QStringLiteral("Asha"), QStringLiteral("Addition"), 20, March2),
                                 record(QStringLiteral("Ben"), QStringLiteral("Addition"), 40, March1),
                                 record(QStringLiteral("Asha"), QStringLiteral("Money"), -3),
                                 record(QStringLiteral("Asha"), QStringLiteral("Addition"), 36, March1)};
    const Progress::Figures figures = Progress::of(all, QStringLiteral("Asha"));

    QStringList order;
    for (const Progress::Exercise &exercise : figures.timeline)
        order << QStringLiteral("%1 %2 %3").arg(exercise.position).arg(exercise.topic).arg(exercise.score);
    QCOMPARE(order, (QStringList{QStringLiteral("1 Money -3"), QStringLiteral("2 Addition 36"),
                                 QStringLiteral("3 Addition 20")}));
    const QList<QStringList> rows = Progress::tableRows(figures);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).mid(0, 5), (QStringList{QStringLiteral("Addition"), QStringLiteral("2"), QStringLiteral("36"),
                                                QStringLiteral("36"), QStringLiteral("20")}));
    QCOMPARE(rows.at(0).at(5), Progress::dateText(QDateTime::fromString(March2, Qt::ISODate)));
    QCOMPARE(rows.at(1), (QStringList{QStringLiteral("Money"), QStringLiteral("1"), QStringLiteral("-3"),
                                      QStringLiteral("-3"), QStringLiteral("-3"), QStringLiteral("undated")}));
    QCOMPARE(figures.lowestScore, -3);
    QVERIFY(Progress::summary(figures).contains(QStringLiteral("(undated: 1)")));
}

void TestProgress::scoreAxisKeepsFewTicks_data()
{
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<double>("step");
    QTest::newRow("full scores") << 0 << 40 << 10.0;
    QTest::newRow("a few wrong answers") << -23 << 40 << 10.0;
    QTest::newRow("a hundred wrong answers") << -100 << 40 << 20.0;
    QTest::newRow("a million wrong answers") << -1000000 << 40 << 200000.0;
    QTest::newRow("the whole range of a number") << -2147483647 - 1 << 2147483647 << 500000000.0;
}

void TestProgress::scoreAxisKeepsFewTicks()
{
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(double, step);
    Progress::Figures figures;
    figures.lowestScore = lowest;
    figures.highestScore = highest;
    const Progress::ScoreScale scale = Progress::scoreScale(figures);
    QCOMPARE(scale.step, step);
    QVERIFY(scale.low < lowest && scale.high > highest);
    QVERIFY(std::floor(scale.high / step) - std::ceil(scale.low / step) + 1 <= Progress::MaxScoreTicks);
}

void TestProgress::windowWaitsForTheRecordsAndSavesOnePage()
{
    ScriptedPrompts prompts;
    TestSupport::appendRecord(record(QStringLiteral("Asha"), QStringLiteral("Addition"), 20, March2));
    TestSupport::appendRecord(record(QStringLiteral("Asha"), QStringLiteral("Money"), 31, March1));
    Store::reopen(); // the records are read again, beside the window

    ProgressWindow window(nullptr, QStringLiteral("Asha"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Progress: Asha"));
    QCOMPARE(window.summaryLabel()->text(), QStringLiteral("Reading the saved scores..."));
    QTRY_COMPARE(window.table()->model()->rowCount(), 2);
    QCOMPARE(window.exerciseList()->model()->rowCount(), 2);
    QCOMPARE(window.chartView()->chart()->series().size(), 2);
    QVERIFY(window.chartView()->accessibleDescription().contains(QStringLiteral("Money: one exercise, score 31.")));

    // A record written later shows at once.
    TestSupport::appendRecord(record(QStringLiteral("Asha"), QStringLiteral("Money"), 35, March2));
    QTRY_COMPARE(window.exerciseList()->model()->rowCount(), 3);

    const QString pdf = m_folder.filePath(QStringLiteral("Asha report"));
    prompts.fileNames = {pdf};
    window.saveReport();
    const QByteArray bytes = TestSupport::readFile(pdf + QStringLiteral(".pdf"));
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>>")
                 + bytes.count("/Type /Page "),
             1);
}

void TestProgress::newTasksFollowTheSpecifiedOnes()
{
    ScriptedPrompts prompts;
    prompts.texts = {QStringLiteral("wrong")};
    TestSupport::store(Keys::width, 700); // not a first start
    ApplicationWindow window;
    window.sidebar()->setScoreContent();
    QStringList buttons;
    for (const QPushButton *button : window.sidebar()->currentPage()->findChildren<QPushButton *>())
        buttons << button->text();
    QCOMPARE(buttons, (QStringList{QStringLiteral("View My Scores"), QStringLiteral("Clear Saved Scores"),
                                   QStringLiteral("View a Child's Progress..."), QStringLiteral("Export Scores..."),
                                   QStringLiteral("Import Scores..."), QStringLiteral("Share Records with Other Computers..."),
                                   QStringLiteral("Share Now")}));
    // A wrong password asks for no file.
    window.sidebar()->currentPage()->findChildren<QPushButton *>().at(3)->click();
    QCOMPARE(prompts.titles(), (QStringList{QStringLiteral("Administrator Password"),
                                            QStringLiteral("Incorrect Password!")}));
    window.sidebar()->showMyScoresTasks();
    buttons.clear();
    for (const QPushButton *button : window.sidebar()->currentPage()->findChildren<QPushButton *>())
        buttons << button->text();
    QCOMPARE(buttons, (QStringList{QStringLiteral("View Everybody's Scores"), QStringLiteral("Clear Saved Scores"),
                                   QStringLiteral("View My Progress"), QStringLiteral("Practise My Mistakes")}));
}

void TestProgress::sharingIsChosenBehindThePassword()
{
    ScriptedPrompts prompts;
    TestSupport::store(Keys::width, 700);
    ApplicationWindow window;
    Sidebar *sidebar = window.sidebar();
    sidebar->setScoreContent();
    const auto button = [&](const QString &text) {
        for (QPushButton *found : sidebar->currentPage()->findChildren<QPushButton *>())
            if (found->text() == text)
                return found;
        return static_cast<QPushButton *>(nullptr);
    };
    QVERIFY(!button(QStringLiteral("Share Now"))->isVisibleTo(sidebar));
    prompts.texts = {QStringLiteral("tindrel")};
    prompts.fileNames = {m_folder.path()};
    button(QStringLiteral("Share Records with Other Computers..."))->click();
    QCOMPARE(prompts.titles().last(), QStringLiteral("Sharing Records"));
    QCOMPARE(Store::value(Keys::sharingFolder).toString(), m_folder.path());
    const QString identity = Store::value(Keys::sharingIdentity).toString();
    QVERIFY(SharedFolder::isIdentity(identity));
    QVERIFY(button(QStringLiteral("Share Now"))->isVisibleTo(sidebar));
    QTRY_VERIFY(QFile::exists(SharedFolder::fileOf(m_folder.path(), identity)));

    // Asked again, it stops sharing; the identity stays for a later start.
    prompts.texts = {QStringLiteral("tindrel")};
    prompts.onExec = [](QDialog &box) {
        for (QAbstractButton *choice : static_cast<QMessageBox &>(box).buttons())
            if (choice->text() == QLatin1String("Stop Sharing"))
                choice->click();
        return true;
    };
    button(QStringLiteral("Share Records with Other Computers..."))->click();
    QCOMPARE(prompts.titles().last(), QStringLiteral("Sharing Stopped"));
    QVERIFY(RecordSharing::folder().isEmpty());
    QCOMPARE(Store::value(Keys::sharingIdentity).toString(), identity);
    QVERIFY(!button(QStringLiteral("Share Now"))->isVisibleTo(sidebar));
}

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
