// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/topics.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Source
{
    const char *name;
    const char *statusMessage;
    const char *command;
    const char *commandTip;
};

const std::array<Topic, Topics::count> &table()
{
    // The texts as written, marked for the translation tools: all are shown
    // translated, and the names are stored as they are.
    static const Source sources[Topics::count] = {
        {QT_TRANSLATE_NOOP("Topics", "Number Skills"), QT_TRANSLATE_NOOP("Topics", "New number skills exercise created"),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Number Skills..."),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Begins a new number skills exercise")},
        {QT_TRANSLATE_NOOP("Topics", "Addition"), QT_TRANSLATE_NOOP("Topics", "New addition exercise created"),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Addition..."),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Begins a new addition exercise")},
        {QT_TRANSLATE_NOOP("Topics", "Subtraction"), QT_TRANSLATE_NOOP("Topics", "New subtraction exercise created"),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Subtraction..."),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Begins a new subtraction exercise")},
        {QT_TRANSLATE_NOOP("Topics", "Multiplication"), QT_TRANSLATE_NOOP("Topics", "New multiplication exercise created"),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Multiplication..."),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Begins a new multiplication exercise")},
        {QT_TRANSLATE_NOOP("Topics", "Division"), QT_TRANSLATE_NOOP("Topics", "New division exercise created"),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Division..."),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Begins a new division exercise")},
        {QT_TRANSLATE_NOOP("Topics", "Fractions"), QT_TRANSLATE_NOOP("Topics", "New fractions exercise created"),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Fractions..."),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Begins a new fractions exercise")},
        {QT_TRANSLATE_NOOP("Topics", "Money"), QT_TRANSLATE_NOOP("Topics", "New money exercise created"),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Money..."),
         QT_TRANSLATE_NOOP("ApplicationWindow", "Begins a new money exercise")},
    };
    static const std::array<Topic, Topics::count> topics = [] {
        std::array<Topic, Topics::count> made;
        for (int i = 0; i < Topics::count; ++i)
            made[size_t(i)] = {QString::fromLatin1(sources[i].name), QString::fromLatin1(sources[i].statusMessage),
                               QString::fromLatin1(sources[i].command), QString::fromLatin1(sources[i].commandTip)};
        return made;
    }();
    return topics;
}

} // namespace

const Topic &Topics::at(int index)
{
    return table().at(static_cast<size_t>(index));
}

int Topics::indexOf(const QString &name)
{
    for (int i = 0; i < count; ++i) {
        if (at(i).name == name)
            return i;
    }
    return -1;
}

QString Topic::shownStatusMessage() const
{
    return QCoreApplication::translate("Topics", statusMessage.toLatin1().constData());
}

QString Topics::shownName(const QString &stored)
{
    if (stored == practice)
        return QCoreApplication::translate("Topics", "Practice");
    return indexOf(stored) >= 0 ? QCoreApplication::translate("Topics", stored.toLatin1().constData()) : stored;
}

QStringList Topics::shownNames(const QStringList &stored)
{
    QStringList shown;
    for (const QString &name : stored)
        shown << shownName(name);
    return shown;
}

QStringList Topics::names()
{
    QStringList result;
    for (const Topic &topic : table())
        result << topic.name;
    return result;
}
