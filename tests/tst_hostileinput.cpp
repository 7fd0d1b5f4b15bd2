// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of outside files against hostile input: hand-made nasty files,
// then a few hundred thousand random mutations of the shipped ones. Each input
// goes through the same checks as the fuzz targets.

#include "coresupport.h"
#include "fuzz/readerchecks.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QtTest>

namespace {

#ifdef __SANITIZE_ADDRESS__
// Every read costs many times more under the sanitizers; the fuzz targets make
// the long runs there.
constexpr int Mutations = 30000;
constexpr int SettingsMutations = 2000;
#else
constexpr int Mutations = 300000;
constexpr int SettingsMutations = 20000;
#endif
// Mutants are kept small so the run stays fast; the size bounds themselves are
// crossed by the hand-made inputs.
constexpr qsizetype MaxMutantBytes = 3 * QuestionFile::MaxLineLength;
constexpr int PoolSize = 64;

QByteArray shipped(const QString &relativePath)
{
    QFile file(QDir(TestSupport::dataFolder()).filePath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray savedFile(const QString &topic, const QString &player, int score, int clues, int choices, int question)
{
    return SavedExercise{topic, player, score, clues, choices, question}.toBytes();
}

// The files a reader meets when all is well, to start the mutations from.
QList<QByteArray> seedFiles()
{
    QList<QByteArray> seeds;
    const QStringList questionFiles = QDir(QDir(TestSupport::dataFolder()).filePath(QStringLiteral("Exercises")))
                                          .entryList({QStringLiteral("*.dat")}, QDir::Files);
    for (const QString &name : questionFiles)
        seeds.append(shipped(QStringLiteral("Exercises/") + name));
    seeds.append(shipped(QStringLiteral("Sample/Sample Template.dat")));
    seeds.append(savedFile(QStringLiteral("Addition"), QStringLiteral("Asha"), 6, 1, 0, 3));
    seeds.append(savedFile(QStringLiteral("Money"), QStringLiteral("Ben"), -2, 3, 3, 19));
    seeds.append(savedFile(QStringLiteral("Number Skills"), QStringLiteral("Zoë"), 40, 0, 2, 0));
    seeds.append(QByteArray("Fractions\r\nKit\r\n5\r\n2\r\n"));
    return seeds;
}

qsizetype position(QRandomGenerator &random, const QByteArray &data, bool pastEnd)
{
    const qsizetype limit = data.size() + (pastEnd ? 1 : 0);
    return limit > 0 ? qsizetype(random.bounded(quint64(limit))) : 0;
}

// One change of the kinds a damaged or hand-edited file shows.
void mutate(QByteArray &data, QRandomGenerator &random, const QList<QByteArray> &pool)
{
    static const char telling[] = {'\n', '\r', '\0', '\xff', '\xc3', '\x80', '-', '0', '9', ' '};
    const qsizetype at = position(random, data, true);
    const qsizetype length = qsizetype(random.bounded(1, 64));
    switch (random.bounded(9)) {
    case 0: // flip one bit
        if (!data.isEmpty())
            data[position(random, data, false)] ^= char(1 << random.bounded(8));
        break;
    case 1: // a byte that means something to a line reader or a number
        if (!data.isEmpty())
            data[position(random, data, false)] = telling[random.bounded(int(sizeof telling))];
        break;
    case 2: { // random bytes inserted
        QByteArray bytes(length, Qt::Uninitialized);
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        data.insert(at, bytes);
        break;
    }
    case 3: // a range removed
        data.remove(at, length);
        break;
    case 4: // a piece of itself repeated elsewhere
        data.insert(position(random, data, true), data.mid(at, length * 8));
        break;
    case 5: { // a piece of another file spliced in
        const QByteArray &other = pool.at(random.bounded(int(pool.size())));
        data.insert(at, other.mid(position(random, other, false), length * 16));
        break;
    }
    case 6: // cut short
        data.truncate(at);
        break;
    case 7: // a run long enough to take a line past its bound
        data.insert(at, QByteArray(random.bounded(QuestionFile::MaxLineLength - 64, QuestionFile::MaxLineLength + 64),
                                   random.bounded(2) ? 'x' : '\xff'));
        break;
    default: // line ends exchanged
        data.replace(random.bounded(2) ? "\n" : "\r\n", random.bounded(2) ? "\r" : "\n\n");
        break;
    }
    data.truncate(MaxMutantBytes);
}

QString keepForReplay(const QByteArray &data)
{
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("brightsum-hostile-XXXXXX.dat")));
    file.setAutoRemove(false);
    if (!file.open())
        return QStringLiteral("(not kept)");
    file.write(data);
    return file.fileName();
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { TestSupport::initialise(); }

    void nastyFiles_data();
    void nastyFiles();
    void randomMutations();
    void settingsReadAsTheToolkitReadsThem();
};

void TestHostileInput::nastyFiles_data()
{
    using Question = QuestionFile::ReadStatus;
    using Saved = SavedExercise::ReadStatus;
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Question>("asQuestionFile");
    QTest::addColumn<Saved>("asSavedExercise");

    const int lineBound = QuestionFile::MaxLineLength;
    const QByteArray addition = shipped(QStringLiteral("Exercises/Addition.dat"));
    QByteArray everyByte(256 * 8, Qt::Uninitialized);
    for (qsizetype i = 0; i < everyByte.size(); ++i)
        everyByte[i] = char(i);

    QTest::newRow("empty") << QByteArray() << Question::Ok << Saved::UnknownTopic;
    QTest::newRow("no line end") << QByteArray("Addition") << Question::Ok << Saved::Ok;
    QTest::newRow("no line end, past the line bound") << QByteArray(lineBound + 1, 'x') << Question::TooLarge
                                                      << Saved::UnknownTopic;
    QTest::newRow("one 10 MB line") << QByteArray(10 * 1024 * 1024, 'x') << Question::TooLarge << Saved::UnknownTopic;
    QTest::newRow("600 KB of line feeds") << QByteArray(600 * 1024, '\n') << Question::TooLarge << Saved::UnknownTopic;
    QTest::newRow("line feeds up to the size bound")
        << QByteArray(QuestionFile::MaxFileBytes, '\n') << Question::Ok << Saved::UnknownTopic;
    QTest::newRow("line at the bound, CR LF") << QByteArray(lineBound, 'x') + "\r\n" << Question::Ok
                                              << Saved::UnknownTopic;
    QTest::newRow("line past the bound after a hundred lines")
        << addition + QByteArray(lineBound + 1, 'x') << Question::Ok << Saved::UnknownTopic;
    QTest::newRow("every byte value") << everyByte << Question::Ok << Saved::UnknownTopic;
    QTest::newRow("invalid UTF-8") << QByteArray("Money\n\xc3\x28\xa0\xa1\xf0\x28\x8c\xbc\xff\n1\n") << Question::Ok
                                   << Saved::Ok;
    QTest::newRow("CR-only line ends") << QByteArray(addition).replace('\n', '\r') << Question::Ok
                                       << Saved::UnknownTopic;
    QTest::newRow("NULs") << QByteArray(1000, '\0') << Question::Ok << Saved::UnknownTopic;
    QTest::newRow("NUL inside the topic") << QByteArray("Money\0\nBen\n0\n0\n0\n0\n", 20) << Question::Ok
                                          << Saved::UnknownTopic;
    // An overlong player name is read in bounded pieces, and is no name anyone can sign in with.
    QTest::newRow("10 KB player name") << "Money\n" + QByteArray(10000, 'x') + "\n0\n0\n0\n0\n" << Question::TooLarge
                                       << Saved::BadPlayer;
    QTest::newRow("player of 41 letters") << "Money\n" + QByteArray(41, 'x') + "\n0\n0\n0\n0\n" << Question::Ok
                                          << Saved::BadPlayer;
    QTest::newRow("player with a tab") << QByteArray("Money\nA\tB\n0\n0\n0\n0\n") << Question::Ok << Saved::BadPlayer;
    QTest::newRow("player \"names\"") << QByteArray("Money\nnames\n0\n0\n0\n0\n") << Question::Ok
                                      << Saved::BadPlayer;
    QTest::newRow("score at the lowest int") << QByteArray("Money\nBen\n-2147483648\n0\n0\n0\n") << Question::Ok
                                             << Saved::OutOfRange;
    QTest::newRow("score above forty") << QByteArray("Money\nBen\n41\n0\n0\n19\n") << Question::Ok
                                       << Saved::OutOfRange;
}

void TestHostileInput::nastyFiles()
{
    QFETCH(QByteArray, data);
    QFETCH(QuestionFile::ReadStatus, asQuestionFile);
    QFETCH(SavedExercise::ReadStatus, asSavedExercise);

    const char *broken = ReaderChecks::questionFile(data);
    QVERIFY2(!broken, broken);
    broken = ReaderChecks::savedExercise(data);
    QVERIFY2(!broken, broken);

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QuestionRecords records;
    QCOMPARE(QuestionFile::read(buffer, records), asQuestionFile);
    buffer.seek(0);
    SavedExercise saved;
    QCOMPARE(saved.read(buffer), asSavedExercise);
}

void TestHostileInput::randomMutations()
{
    bool given = false;
    const quint32 givenSeed = qEnvironmentVariable("BRIGHTSUM_MUTATION_SEED").toUInt(&given);
    const quint32 seed = given ? givenSeed : QRandomGenerator::global()->generate();
    qInfo("mutation seed %u (set BRIGHTSUM_MUTATION_SEED to repeat)", seed);
    QRandomGenerator random(seed);

    QList<QByteArray> pool = seedFiles();
    const int seedCount = int(pool.size());
    for (const QByteArray &seedFile : pool)
        QVERIFY(!seedFile.isEmpty());
    for (int i = 0; i < Mutations; ++i) {
        QByteArray data = pool.at(random.bounded(int(pool.size())));
        for (int changes = random.bounded(1, 5); changes > 0; --changes)
            mutate(data, random, pool);
        const char *broken = ReaderChecks::questionFile(data);
        if (!broken)
            broken = ReaderChecks::savedExercise(data);
        if (broken)
            QFAIL(qPrintable(QStringLiteral("%1 at mutation %2 of seed %3; input kept in %4")
                                 .arg(QLatin1String(broken))
                                 .arg(i)
                                 .arg(seed)
                                 .arg(keepForReplay(data))));
        // Some mutants become starting points, so changes pile up as in a real fuzzer.
        if (random.bounded(16) != 0)
            continue;
        if (pool.size() < PoolSize)
            pool.append(data);
        else
            pool[random.bounded(seedCount, PoolSize)] = data;
    }
}

void TestHostileInput::settingsReadAsTheToolkitReadsThem()
{
    // A store as the program writes it, and one of every form the toolkit's
    // reader knows, mutated as damaged or hand-edited files are.
    StoreMap written;
    written.setValue(QStringLiteral("accounts/names"), QStringList{QString(), QStringLiteral("Zoë"), QStringLiteral("Ben, Jr")});
    written.setValue(QStringLiteral("scores/score1/0"), QStringLiteral("Zoë"));
    written.setValue(QStringLiteral("scores/scoreNum"), 1);
    written.setValue(QStringLiteral("mainwindow"), QByteArray("\0\xff\n=;\"", 6));
    written.setValue(QStringLiteral("general/x"), QStringLiteral(" blanks ; and \\ \t "));
    QList<QByteArray> pool{*written.toIni(),
                           TestSupport::readFile(TestSupport::dataFolder() + QStringLiteral("/../fuzz/corpus/settingsfile/odd-forms.conf"))};
    QVERIFY(!pool.last().isEmpty());
    const int seeds = int(pool.size());
    bool given = false;
    const quint32 givenSeed = qEnvironmentVariable("BRIGHTSUM_SETTINGS_SEED").toUInt(&given);
    const quint32 seed = given ? givenSeed : QRandomGenerator::global()->generate();
    qInfo("settings mutation seed %u (set BRIGHTSUM_SETTINGS_SEED to repeat)", seed);
    QRandomGenerator random(seed);
    QTemporaryDir scratch;
    for (int i = 0; i < SettingsMutations; ++i) {
        QByteArray data = pool.at(random.bounded(int(pool.size())));
        if (i >= seeds)
            for (int changes = random.bounded(1, 4); changes > 0; --changes)
                mutate(data, random, pool);
        if (const char *broken = ReaderChecks::settingsFile(data, scratch.path()))
            QFAIL(qPrintable(QStringLiteral("%1 at mutation %2 of seed %3; input kept in %4")
                                 .arg(QLatin1String(broken)).arg(i).arg(seed).arg(keepForReplay(data))));
        if (random.bounded(8) == 0)
            pool.append(data.left(8192));
    }
}

QTEST_GUILESS_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
