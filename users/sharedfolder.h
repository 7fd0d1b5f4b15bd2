// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/store/scorerecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

class StoreChange;

// Score records shared by the computers of a room through a folder they all
// reach (a school's network share, a synchronised folder). Each computer has an
// identity, made once, and writes one file of its own there, "<identity>.csv"
// in the export format (ScoreCsv), holding the records made on it; it reads
// every other computer's file and merges its records as an import does. As no
// file is ever written by two computers, no lock is needed, and a file system
// that offers none across computers (most network ones) is safe.
//
// Records alike in all six fields are one record, as an import takes them: a
// record that several files hold (one imported by hand on two computers, or a
// file carried around before the folder was shared) is kept once, and a
// record's origin (field 6) decides only which file it belongs to. So records
// imported by hand count as made on the computer that imported them: its file
// shares them with the room, and a computer that has them already adds none.
namespace SharedFolder {

// A new identity: random, lower-case letters and digits, a file name on any
// file system.
QString newIdentity();
bool isIdentity(const QString &text);
QString fileOf(const QString &folder, const QString &identity);

// Why records cannot be shared through this folder (not a folder, or one this
// program cannot write in), or an empty text.
QString problemWith(const QString &folder);

// The file of this computer: the records with no origin, in their order,
// leaving out any that another computer could not read back (a record of a
// damaged store), so that one such record never keeps the others from being
// shared.
QByteArray fileFor(const QList<ScoreRecord> &records);

// Another computer's file as read: its records, or why it is left out.
struct Read
{
    QList<ScoreRecord> records;
    QString problem;
};
// A file is read whole or not at all: one that does not end with a line's end
// (cut short, or being written by a program that does not write as this one
// does), holds a line that cannot be read, or has more columns than these (a
// newer program's) gives no records.
Read read(const QByteArray &bytes, const QString &fileName);

// One other computer's records as read from its file.
struct File
{
    QString identity;
    QList<ScoreRecord> records;
};
// The records of these files that a store holding `stored` has not all of:
// each record that one file holds more often than the store, as often as the
// file that holds it most often, and with that file's identity as its origin.
// Merged into the store (merging), each is then added as often as the store
// lacks it, so files read in any order, and read again, add each record once.
QList<ScoreRecord> missing(const QList<File> &files, const QList<ScoreRecord> &stored);

// Merges records of other computers into the store, in one change that a
// journal can keep: each record the store lacks is appended with its origin,
// its player gets an account as signing in gives one, and its topic leaves the
// player's list of topics to do, as the exercise's completion did where it was
// made.
StoreChange merging(const QList<ScoreRecord> &records);

} // namespace SharedFolder
