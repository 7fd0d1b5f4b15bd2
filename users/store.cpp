#include "users/store.h"

QSettings &Store::settings()
{
    static QSettings store(QSettings::UserScope, QStringLiteral("Halvane"), QStringLiteral("Brightsum"));
    return store;
}

bool Store::flush()
{
    QSettings &store = settings();
    store.sync();
    return store.status() == QSettings::NoError;
}

void Store::removeGroup(const QString &group)
{
    settings().remove(group);
}

QStringList Store::stringList(const QString &key)
{
    return settings().value(key, QString()).toStringList();
}
