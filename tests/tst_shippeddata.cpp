// The data shipped with the program: question files and the sample template.

#include "content/questionfile.h"
#include "content/topics.h"
#include "testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestShippedData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionFilesAreSound_data();
    void questionFilesAreSound();
};

void TestShippedData::questionFilesAreSound_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &topic : Topics::names())
        QTest::newRow(qPrintable(topic)) << TestSupport::dataFolder() + QStringLiteral("/Exercises/") + topic
                + QStringLiteral(".dat");
    QTest::newRow("sample template") << TestSupport::dataFolder() + QStringLiteral("/Sample/Sample Template.dat");
}

void TestShippedData::questionFilesAreSound()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray data = file.readAll();
    QVERIFY(!data.contains('\r'));
    QCOMPARE(data.count('\n'), 100);
    QVERIFY(data.endsWith("\n\n"));

    QuestionRecords records;
    file.seek(0);
    QCOMPARE(QuestionFile::read(file, records), QuestionFile::ReadStatus::Ok);
    QCOMPARE(QuestionFile::firstInvalidRecord(records), -1);
    for (const QuestionRecord &record : records) {
        // The choice line offers the answer among its options.
        const QRegularExpression answer(QStringLiteral("(^|[^0-9-])") + QRegularExpression::escape(record.answer)
                                        + QStringLiteral("($|[^0-9])"));
        QVERIFY2(answer.match(record.choice).hasMatch(), qPrintable(record.text + QStringLiteral(" / ") + record.choice));
        // Placeholders are replaced only in question texts.
        for (const QString &shown : {record.clue, record.choice})
            QVERIFY2(!shown.contains(QRegularExpression(QStringLiteral("[$~^@]"))), qPrintable(shown));
    }
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
