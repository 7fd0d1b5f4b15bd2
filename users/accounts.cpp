// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/accounts.h"

#include "content/topics.h"
#include "users/store.h"

QStringList Accounts::names()
{
    return Store::stringList(Keys::accountNames);
}

QString Accounts::problemWithName(const QString &name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("A name cannot contain \"/\" or \"\\\". Please choose another name.");
    if (!name.isEmpty() && name.trimmed().isEmpty())
        return QStringLiteral("A name cannot be only blanks. Please type your name.");
    if (name == QLatin1String("names"))
        return QStringLiteral("The name \"names\" cannot be used. Please choose another name.");
    return {};
}

void Accounts::signIn(const QString &name)
{
    Store::update([&](QSettings &store) {
        QStringList all = store.value(Keys::accountNames, QString()).toStringList();
        if (!all.contains(name)) {
            all.append(name);
            store.setValue(Keys::toDoList(name), Topics::names());
        }
        store.setValue(Keys::accountNames, all);
    });
}

QStringList Accounts::toDo(const QString &name)
{
    return Store::stringList(Keys::toDoList(name));
}

void Accounts::completeTopic(const QString &player, const QString &topic)
{
    Store::update([&](QSettings &store) { completeTopicIn(store, player, topic); });
}

void Accounts::completeTopicIn(QSettings &store, const QString &player, const QString &topic)
{
    QStringList list = store.value(Keys::toDoList(player), QString()).toStringList();
    list.removeOne(topic);
    store.setValue(Keys::toDoList(player), list);
}

void Accounts::resetAllToDo()
{
    Store::update([](QSettings &store) {
        const QStringList all = store.value(Keys::accountNames, QString()).toStringList();
        for (const QString &name : all)
            store.setValue(Keys::toDoList(name), Topics::names());
    });
}
