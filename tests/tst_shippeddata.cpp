// SPDX-License-Identifier: GPL-3.0-or-later
// The data shipped with the program: question files and the sample template.

#include "app/datafolder.h"
#include "base/language.h"
#include "content/questionfile.h"
#include "content/topics.h"
#include "coresupport.h"
#include "exercise/exercise.h"
#include "exercise/spokentext.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

class TestShippedData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionFilesAreSound_data();
    void questionFilesAreSound();
    void dataFolderHoldsTheWholeSet_data();
    void dataFolderHoldsTheWholeSet();
    void contentInTheUsersLanguage_data();
    void contentInTheUsersLanguage();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
};

void TestShippedData::questionFilesAreSound_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("english"); // the file a translation follows, or empty
    QStringList files;
    for (const QString &topic : Topics::names())
        files << QStringLiteral("Exercises/") + topic + QStringLiteral(".dat");
    files << QStringLiteral("Sample/Sample Template.dat");
    const QDir data(TestSupport::dataFolder());
    for (const QString &file : files) {
        QTest::newRow(qPrintable(file)) << data.filePath(file) << QString();
        const QFileInfo english(file);
        for (const QString &language : Language::shipped()) {
            const QString translated =
                english.path() + QLatin1Char('/') + language + QLatin1Char('/') + english.fileName();
            QTest::newRow(qPrintable(translated)) << data.filePath(translated) << data.filePath(file);
        }
    }
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
    const QString folder = QFileInfo(path).dir().dirName();
    const QString language = Language::shipped().contains(folder) ? folder : QStringLiteral("en");
    const UnitWords units = UnitWords::from(QStringLiteral("euros"), QStringLiteral("imperial"));
    const QRegularExpression unsaid(QStringLiteral("[^\\p{L}\\p{M} .,;:!?\u00a1\u00bf'\u2019\u2026-]"));
    for (const QuestionRecord &record : records) {
        // The choice line offers the answer among its options.
        const QRegularExpression answer(QStringLiteral("(^|[^0-9-])") + QRegularExpression::escape(record.answer)
                                        + QStringLiteral("($|[^0-9])"));
        QVERIFY2(answer.match(record.choice).hasMatch(), qPrintable(record.text + QStringLiteral(" / ") + record.choice));
        // Placeholders are replaced only in question texts.
        for (const QString &shown : {record.clue, record.choice})
            QVERIFY2(!shown.contains(QRegularExpression(QStringLiteral("[$~^@]"))), qPrintable(shown));
        // Read aloud with no digit or symbol left, the placeholders' words in place.
        for (const QString &text : {substitutePlaceholders(record.text, units), record.clue, record.choice}) {
            const QString said = SpokenText::of(text, language);
            QVERIFY2(!said.contains(unsaid), qPrintable(text + QStringLiteral(" / ") + said));
        }
    }

    // A translation keeps every answer in its place, and the placeholders of each question.
    QFETCH(QString, english);
    if (english.isEmpty())
        return;
    QuestionRecords original;
    QCOMPARE(QuestionFile::read(english, original), QuestionFile::ReadStatus::Ok);
    const auto placeholders = [](QString text) {
        text.remove(QRegularExpression(QStringLiteral("[^$~^@]")));
        std::sort(text.begin(), text.end());
        return text;
    };
    for (size_t q = 0; q < records.size(); ++q) {
        QCOMPARE(records[q].answer, original[q].answer);
        QCOMPARE(placeholders(records[q].text), placeholders(original[q].text));
    }
}

void TestShippedData::dataFolderHoldsTheWholeSet_data()
{
    // What a folder searched before the shipped data holds.
    QTest::addColumn<QStringList>("entries"); // folders end in "/"
    QTest::addColumn<bool>("taken");
    QStringList questionFiles;
    for (const QString &topic : Topics::names())
        questionFiles << QStringLiteral("Exercises/") + topic + QStringLiteral(".dat");
    const QStringList folders{QStringLiteral("Art/"), QStringLiteral("Sounds/"), QStringLiteral("HTM/"),
                              QStringLiteral("Sample/")};
    QTest::newRow("only Exercises") << questionFiles << false;
    QTest::newRow("an empty Exercises folder and the rest") << folders + QStringList{QStringLiteral("Exercises/")}
                                                            << false;
    QTest::newRow("six question files") << folders + questionFiles.mid(1) << false;
    QTest::newRow("no Sample") << questionFiles + folders.mid(0, 3) << false;
    QTest::newRow("Sounds is a file") << questionFiles + folders.mid(0, 1) + folders.mid(2)
                                             + QStringList{QStringLiteral("Sounds")}
                                      << false;
    QTest::newRow("the whole set") << questionFiles + folders << true;
}

void TestShippedData::dataFolderHoldsTheWholeSet()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, taken);
    QTemporaryDir folder;
    QDir root(folder.path());
    for (const QString &entry : entries) {
        const bool isFolder = entry.endsWith(QLatin1Char('/'));
        QVERIFY(root.mkpath(isFolder ? entry : QFileInfo(entry).path()));
        if (!isFolder)
            TestSupport::writeFile(root.filePath(entry), QByteArray());
    }
    const QString found = DataFolder::find({folder.path(), TestSupport::dataFolder()});
    QCOMPARE(found, QDir(taken ? folder.path() : TestSupport::dataFolder()).absolutePath());
    QVERIFY(DataFolder::find({folder.path()}).isEmpty() != taken);
}

void TestShippedData::contentInTheUsersLanguage_data()
{
    QTest::addColumn<QStringList>("userLanguages"); // most wanted first, as the system gives them
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QStringList>("shown"); // Money, miles, and the toolkit's Cancel
    QTest::newRow("French") << QStringList{QStringLiteral("fr-FR"), QStringLiteral("en-US")} << QStringLiteral("fr")
                            << QStringList{QStringLiteral("Monnaie"), QStringLiteral("miles"), QStringLiteral("Annuler")};
    QTest::newRow("a language not shipped, then Spanish")
        << QStringList{QStringLiteral("de-DE"), QStringLiteral("es-MX")} << QStringLiteral("es")
        << QStringList{QStringLiteral("Dinero"), QStringLiteral("millas"), QStringLiteral("Cancelar")};
    const QStringList english{QStringLiteral("Money"), QStringLiteral("miles"), QStringLiteral("Cancel")};
    QTest::newRow("English before French") << QStringList{QStringLiteral("en-GB"), QStringLiteral("fr")}
                                           << QStringLiteral("en") << english;
    QTest::newRow("the C locale") << QStringList{QStringLiteral("C")} << QStringLiteral("en") << english;
}

void TestShippedData::contentInTheUsersLanguage()
{
    QFETCH(QStringList, userLanguages);
    QFETCH(QString, spoken);
    QFETCH(QStringList, shown);
    QCOMPARE(Language::pick(userLanguages), spoken);
    QDir::setCurrent(TestSupport::dataFolder());
    Language::setCurrent(spoken);
    QVERIFY(Language::installTranslators());
    const UnitWords imperial = UnitWords::from(QStringLiteral("dollars"), QStringLiteral("imperial"));
    QCOMPARE((QStringList{Topics::shownName(QStringLiteral("Money")), imperial.distance,
                          QCoreApplication::translate("QPlatformTheme", "Cancel")}),
             shown);
    // What is stored keeps its English name whatever is shown.
    QCOMPARE(Topics::at(Topics::indexOf(QStringLiteral("Money"))).name, QStringLiteral("Money"));
    const QString folder = spoken == QLatin1String("en") ? QString() : spoken + QLatin1Char('/');
    QCOMPARE(Language::localized(QStringLiteral("Exercises/Addition.dat")), QStringLiteral("Exercises/") + folder + QStringLiteral("Addition.dat"));
    QCOMPARE(Language::localized(QStringLiteral("HTM/help.htm")), QStringLiteral("HTM/") + folder + QStringLiteral("help.htm"));
    // Anything not translated is read in English.
    QCOMPARE(Language::localized(QStringLiteral("Art/Images/Addition_0.png")), QStringLiteral("Art/Images/Addition_0.png"));
    Language::setCurrent(QStringLiteral("en"));
    Language::installTranslators();
}

void TestShippedData::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Language::shipped())
        QTest::newRow(qPrintable(language)) << language;
}

// Each catalogue translates every text, keeps its place markers and its
// keyboard mnemonic, and is built into the program as written.
void TestShippedData::everyTextIsTranslated()
{
    QFETCH(QString, language);
    const QList<TestSupport::CatalogueEntry> entries = TestSupport::catalogue(language);
    QVERIFY(entries.size() > 400);
    QTranslator built;
    QVERIFY(built.load(QStringLiteral(":/i18n/brightsum_") + language));
    const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    const auto markers = [&](const QString &text) {
        QStringList found;
        for (auto match = marker.globalMatch(text); match.hasNext();)
            found << match.next().captured();
        found.sort();
        return found;
    };
    const QRegularExpression mnemonic(QStringLiteral("&\\w"));
    QStringList problems;
    for (const auto &[context, source, translation, finished] : entries) {
        const bool plural = source.contains(QLatin1String("%n"));
        const QString where = context + QStringLiteral(": ") + source.left(50);
        if (!finished || translation.trimmed().isEmpty())
            problems << where + QStringLiteral(" (not translated)");
        else if (!plural && markers(translation) != markers(source))
            problems << where + QStringLiteral(" (place markers)");
        else if (source.contains(mnemonic) != translation.contains(mnemonic))
            problems << where + QStringLiteral(" (mnemonic)");
        else if (!plural && built.translate(qPrintable(context), source.toUtf8().constData()) != translation)
            problems << where + QStringLiteral(" (not built into the program)");
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
