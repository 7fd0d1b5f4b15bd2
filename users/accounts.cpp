// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/accounts.h"

#include "base/store/store.h"
#include "content/names.h"
#include "content/topics.h"

namespace {

const StoreChange::Kind Add("accounts.add", [](StoreMap &store, const QVariant &name) {
    Accounts::addIn(store, name.toString());
});
const StoreChange::Kind Complete("accounts.complete", [](StoreMap &store, const QVariant &data) {
    const QStringList playerAndTopic = data.toStringList();
    if (playerAndTopic.size() == 2)
        Accounts::completeTopicIn(store, playerAndTopic.at(0), playerAndTopic.at(1));
});
const StoreChange::Kind ResetAll("accounts.resetAllToDo", [](StoreMap &store, const QVariant &) {
    Accounts::resetAllToDoIn(store);
});

} // namespace

QStringList Accounts::names()
{
    return Store::stringList(Keys::accountNames);
}

void Accounts::signIn(const QString &name)
{
    Store::post(adding(name));
}

StoreChange Accounts::adding(const QString &name)
{
    return {Add, name};
}

void Accounts::addIn(StoreMap &store, const QString &name)
{
    QStringList all = store.value(Keys::accountNames, QString()).toStringList();
    if (!all.contains(name)) {
        all.append(name);
        store.setValue(Keys::toDoList(name), Topics::names());
    }
    store.setValue(Keys::accountNames, all);
}

QStringList Accounts::toDo(const QString &name)
{
    return Store::stringList(Keys::toDoList(name));
}

StoreChange Accounts::completing(const QString &player, const QString &topic)
{
    return {Complete, QStringList{player, topic}};
}

void Accounts::completeTopicIn(StoreMap &store, const QString &player, const QString &topic)
{
    QStringList list = store.value(Keys::toDoList(player), QString()).toStringList();
    list.removeOne(topic);
    store.setValue(Keys::toDoList(player), list);
}

StoreChange Accounts::resettingAllToDo()
{
    return {ResetAll, {}};
}

void Accounts::resetAllToDoIn(StoreMap &store)
{
    const QStringList all = store.value(Keys::accountNames, QString()).toStringList();
    for (const QString &name : all) {
        // A name that would write into another key (a damaged store) is left alone.
        if (Names::problemWithName(name).isEmpty())
            store.setValue(Keys::toDoList(name), Topics::names());
    }
}
