// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/storechange.h"
#include "base/store/storemap.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

// The per-user settings store and its whole key schema: every key the program
// reads or writes, with the value a reader takes when the key is absent.
namespace Keys {

// Main window geometry, written when the main window closes.
inline const QString width = QStringLiteral("/application/width");
inline const QString height = QStringLiteral("/application/height");
inline const QString x = QStringLiteral("/application/x");
inline const QString y = QStringLiteral("/application/y");
inline const QString fullscreen = QStringLiteral("/application/fullscreen");
inline const QString maximized = QStringLiteral("/application/maximized");
inline const QString sidebar = QStringLiteral("/application/sidebar");
inline const QString mainWindowState = QStringLiteral("mainwindow");

inline const QString password = QStringLiteral("password");
inline const QString toolbar = QStringLiteral("/view/toolbar");

inline const QString fontFace = QStringLiteral("/exercise/fontface");
inline const QString fontSize = QStringLiteral("/exercise/fontsize");
inline const QString wrongAnswerDialog = QStringLiteral("/exercise/wronganswerdialog");

inline const QString currency = QStringLiteral("/localization/currency");
inline const QString measures = QStringLiteral("/localization/measures");

inline const QString theme = QStringLiteral("/themes/theme");
// "/themes/colour1" to "/themes/colour9": three RGB colours.
inline QString themeColour(int n) { return QStringLiteral("/themes/colour") + QString::number(n); }

inline const QString soundSet = QStringLiteral("/sounds/sound");

// Whether each child has the exercise read aloud: a group of its own, which no
// clear removes, as the sound set stays.
inline QString readAloud(const QString &name) { return QStringLiteral("/readaloud/") + name; }

inline const QString accountNames = QStringLiteral("/accounts/names");
inline QString toDoList(const QString &name) { return QStringLiteral("/accounts/") + name; }

inline const QString scoreCount = QStringLiteral("/scores/scoreNum");
inline QString scoreField(int record, int field)
{
    return QStringLiteral("/scores/score") + QString::number(record) + QLatin1Char('/') + QString::number(field);
}

// Each child's practice box (users/practice.h): the questions the child
// missed, "/practice/<name>/1" to "/practice/<name>/<count>", each a list of
// texts, and the times-table facts the child's answers show known or still
// being practised, each a list of facts such as "3x7". A group of its own,
// which programs that know only the keys above never read.
inline const QString practiceGroup = QStringLiteral("practice");
inline QString practiceCount(const QString &name) { return QStringLiteral("/practice/") + name + QStringLiteral("/count"); }
inline QString practiceQuestion(const QString &name, int n)
{
    return QStringLiteral("/practice/") + name + QLatin1Char('/') + QString::number(n);
}
inline QString factsKnown(const QString &name) { return QStringLiteral("/practice/") + name + QStringLiteral("/known"); }
inline QString factsPractised(const QString &name)
{
    return QStringLiteral("/practice/") + name + QStringLiteral("/practised");
}

// Groups removed by the clear operations.
inline const QString scoresGroup = QStringLiteral("scores");
inline const QString accountsGroup = QStringLiteral("accounts");
inline const QString applicationGroup = QStringLiteral("application");
inline const QString exerciseGroup = QStringLiteral("exercise");
inline const QString localizationGroup = QStringLiteral("localization");
inline const QString themesGroup = QStringLiteral("themes");

// Score records shared with other computers through a folder they all reach
// (RecordSharing): the folder, or none when records are not shared, and this
// store's identity there, made once, which names its file in the folder. The
// group lies outside those the clear operations remove: clearing the records
// leaves the computer sharing, under the same name.
inline const QString sharingFolder = QStringLiteral("/sharing/folder");
inline const QString sharingIdentity = QStringLiteral("/sharing/identity");

// Journals of changes that an ending program could not write, once written
// into the store: their names, the newest last, so none is written twice.
inline const QString journalsWritten = QStringLiteral("/journal/written");

} // namespace Keys

namespace Fallback {
inline constexpr int width = 700;
inline constexpr int height = 500;
inline constexpr int x = 50;
inline constexpr int y = 50;
inline constexpr bool sidebarVisible = true;
inline constexpr int toolbar = 0;
inline const QString password = QStringLiteral("tindrel");
inline const QString fontFace = QStringLiteral("Arial");
inline const QString fontSize = QStringLiteral("11");
inline constexpr bool wrongAnswerDialog = true;
// Exercises use dollars when no currency is stored; the option dialogs offer rupees first.
inline const QString exerciseCurrency = QStringLiteral("dollars");
inline const QString optionsCurrency = QStringLiteral("rupees");
inline const QString measures = QStringLiteral("metric");
inline const QString theme = QStringLiteral("Default");
inline const QString soundSet = QStringLiteral("Animals");
// Off, so that a screen reader's user does not hear everything twice.
inline constexpr bool readAloud = false;
} // namespace Fallback

struct ScoreRecord;

namespace Store {

// The store is read and written on a thread of its own, so that a school's
// years of score records never keep the window waiting. What the windows read
// is a copy of every key but the score records, kept on their own thread: it
// holds every change made here at once, and is read afresh when another
// program has changed the file. The score records are read beside it.

// Reading, on the thread that first used the store.

// A key, or the fallback when it is absent. The score records are not keys
// here: they are read through ScoreBook.
QVariant value(const QString &key, const QVariant &fallback = QVariant());
bool contains(const QString &key);
// An integer key; a value that is not a number (a damaged file) reads as the fallback.
int intValue(const QString &key, int fallback);
// The same, and a value outside min to max also reads as the fallback.
int boundedInt(const QString &key, int fallback, int min, int max);
// A list key read with its fallback (an empty text) gives a list of one empty
// entry, as a plain text converts to a list; account lists rely on this.
QStringList stringList(const QString &key);
// Many reads from one and the same version of the store. The reader must not keep the map.
void read(const std::function<void(const StoreMap &)> &reader);
QString fileName();
// Why the file that is there could not be read (the store then reads as
// empty and nothing is written over it), or an empty text.
QString readProblem();

// Writing. Each change is one transaction on the store's thread: the store is
// locked against every other program, read afresh, changed and written whole,
// and the new file takes the old one's place only once it is complete on disk.
// A change that could not be written is dropped and reported.
using Change = StoreChange;

// Changes the store and waits until the change is written: true when it was.
// The window goes on painting meanwhile, but takes no input; while another
// program holds the store, the person is asked whether to wait on (see
// setBlockingWaitHandler), and a change given up is not written.
bool update(const Change &change);
// Removes whole groups with everything under them, in one change, and waits.
bool removeGroups(const QStringList &groups);
// Changes the store without waiting. Reads see the change at once. `done`,
// when given, is told on this thread whether it was written. Returns the
// change's number, in the order of all changes.
quint64 post(const Change &change, std::function<void(bool written)> done = {});
// The same, but reads see the change only once it is written: for large
// changes that no window needs at once (records merged from other computers),
// which would only keep the window waiting.
quint64 postUnshown(const Change &change, std::function<void(bool written)> done = {});
// The number of the last change whose outcome has reached this thread, and
// of the last change made.
quint64 settled();
quint64 posted();
// Waits until every change made so far is written or dropped, and the score
// records are read.
void waitForPending();
// The records are read, and journals of earlier programs written, as soon as
// the event loop runs; a program whose first picture should not share the
// processor with that asks for it to wait, and then says when.
void readLater();
void readNow();
// Begins reading every key but the score records on a thread of its own, to
// be done by the time the first key is wanted: a program calls it first
// thing, so that the reading shares the time the toolkit takes to start.
void readAhead();

// Before the program ends: waits for the changes not yet written, but at most
// `limitMs` in all (however many there are), or until `leaveNow` says so.
// Changes still waiting then for another program are kept in a journal beside
// the store, which the next program to start writes into it. Returns how many
// were kept, and why they could not be kept when they could not.
struct Finished
{
    int kept = 0;
    QString problem;
};
Finished finish(qint64 limitMs, const std::function<bool()> &leaveNow = {});
// How long a program that is ending waits for the store, in all.
constexpr qint64 LastWaitMs = 30000;

// The score records as last read on the store's thread, oldest first, and
// whether they have been read yet (they are read once the store is first used).
const QList<ScoreRecord> &records();
bool recordsRead();

// Told whenever a change could not be written, with the reason.
void setWriteFailureHandler(std::function<void(const QString &problem)> handler);
// Told when a change has been written over a file that held lines that could
// not be read; those lines are gone from the new file (numbered from 1).
void setRepairHandler(std::function<void(const QList<int> &lines)> handler);
// Told when a change starts and stops waiting for another program that holds
// the store's lock; `holder` names the other computer, or is empty for this one.
void setWaitHandler(std::function<void(bool waiting, const QString &holder)> handler);
// Asked, once a change that update() waits for has to wait for another
// program: runs until `finished` is true and returns true, or returns false
// when the person would rather not wait.
void setBlockingWaitHandler(
    std::function<bool(const QString &holder, const std::function<bool()> &finished)> handler);
// Told how many changes kept in a journal by an earlier program have now been
// written into the store.
void setJournalHandler(std::function<void(int written)> handler);

// Writes what is pending and lets the store go; the next use opens it again
// (after tests move it). Done when the program ends, too.
void reopen();

} // namespace Store

// Tells the windows when the score records have been read, or read again, or
// when a change they showed at once could not be written and was taken back.
class StoreEvents : public QObject
{
    Q_OBJECT

public:
    static StoreEvents &instance();

Q_SIGNALS:
    void recordsChanged();
};
