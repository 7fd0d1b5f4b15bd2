// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/store.h"

#include "users/storefile.h"

#include <QFileInfo>

#include <memory>

namespace {

struct State
{
    std::unique_ptr<StoreFile> file;
    std::function<void(const QString &)> failed;
    std::function<void(const QList<int> &)> repaired;
    StoreLock::Waiting waiting;
    // A change made within a change would wait for its own lock.
    bool changing = false;
};

State &state()
{
    static State instance;
    return instance;
}

// Where the toolkit keeps the store of this user ("Halvane", "Brightsum"). It is
// asked for a neighbouring file that never exists, because making the store's
// own settings object reads the file, which must first be known to be one.
QString storePath()
{
    const QSettings neighbour(QSettings::UserScope, QStringLiteral("Halvane"), QStringLiteral("Brightsum.location"));
    return QFileInfo(neighbour.fileName()).absolutePath() + QStringLiteral("/Brightsum.conf");
}

StoreFile &file()
{
    std::unique_ptr<StoreFile> &file = state().file;
    if (!file)
        file = std::make_unique<StoreFile>(storePath());
    return *file;
}

const StoreMap &copy()
{
    return file().current();
}

} // namespace

QVariant Store::value(const QString &key, const QVariant &fallback)
{
    return copy().value(key, fallback);
}

bool Store::contains(const QString &key)
{
    return copy().contains(key);
}

int Store::intValue(const QString &key, int fallback)
{
    bool ok = false;
    const int value = copy().value(key, fallback).toInt(&ok);
    return ok ? value : fallback;
}

int Store::boundedInt(const QString &key, int fallback, int min, int max)
{
    const int value = intValue(key, fallback);
    return value >= min && value <= max ? value : fallback;
}

QStringList Store::stringList(const QString &key)
{
    return copy().value(key, QString()).toStringList();
}

void Store::read(const std::function<void(const StoreMap &)> &reader)
{
    reader(copy());
}

qint64 Store::fileSize()
{
    return file().size();
}

QString Store::fileName()
{
    return file().path();
}

bool Store::update(const std::function<void(StoreMap &)> &change)
{
    State &s = state();
    Q_ASSERT(!s.changing);
    if (s.changing)
        return false;
    s.changing = true;
    const StoreFile::Outcome outcome = file().change(change, s.waiting);
    s.changing = false;
    if (!outcome.written && s.failed)
        s.failed(outcome.problem);
    if (!outcome.repairedLines.isEmpty() && s.repaired)
        s.repaired(outcome.repairedLines);
    return outcome.written;
}

bool Store::removeGroups(const QStringList &groups)
{
    return update([&](StoreMap &store) {
        for (const QString &group : groups)
            store.remove(group);
    });
}

void Store::setWriteFailureHandler(std::function<void(const QString &)> handler)
{
    state().failed = std::move(handler);
}

void Store::setRepairHandler(std::function<void(const QList<int> &)> handler)
{
    state().repaired = std::move(handler);
}

void Store::setWaitHandler(StoreLock::Waiting handler)
{
    state().waiting = std::move(handler);
}

void Store::reopen()
{
    state().file.reset();
}
