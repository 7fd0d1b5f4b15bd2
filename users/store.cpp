// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/store.h"

#include <QFileInfo>
#include <QLockFile>

#include <memory>

namespace {

std::unique_ptr<QSettings> &instance()
{
    static std::unique_ptr<QSettings> store;
    return store;
}

std::function<void()> &failureHandler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

QSettings &Store::settings()
{
    std::unique_ptr<QSettings> &store = instance();
    if (!store)
        store = std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Halvane"), QStringLiteral("Brightsum"));
    return *store;
}

void Store::reopen()
{
    instance().reset();
}

bool Store::flush()
{
    QSettings &store = settings();
    store.sync();
    const bool written = store.status() == QSettings::NoError;
    if (!written && failureHandler())
        failureHandler()();
    return written;
}

void Store::setWriteFailureHandler(std::function<void()> handler)
{
    failureHandler() = std::move(handler);
}

bool Store::update(const std::function<void(QSettings &)> &change)
{
    QSettings &store = settings();
    // One lock beside the store's file serialises the read-modify-writes of
    // every program of this user. A lock that cannot be had (an unwritable
    // folder) does not stop the change; the write then reports the failure.
    QLockFile lock(QFileInfo(store.fileName()).absolutePath() + QStringLiteral("/Brightsum.update.lock"));
    lock.setStaleLockTime(30000);
    const bool locked = lock.tryLock(10000);
    store.sync(); // take up what other programs wrote meanwhile
    change(store);
    const bool written = flush();
    if (locked)
        lock.unlock();
    return written;
}

void Store::removeGroup(const QString &group)
{
    update([&](QSettings &store) { store.remove(group); });
}

QVariant Store::value(const QString &key, const QVariant &fallback)
{
    return settings().value(key, fallback);
}

int Store::intValue(const QString &key, int fallback)
{
    bool ok = false;
    const int value = settings().value(key, fallback).toInt(&ok);
    return ok ? value : fallback;
}

QStringList Store::stringList(const QString &key)
{
    return settings().value(key, QString()).toStringList();
}
