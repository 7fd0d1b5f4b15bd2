// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/generator/bank.h"

#include <QStringList>

const Bank &Banks::of(Tongue tongue)
{
    switch (tongue) {
    case Tongue::French: return french();
    case Tongue::Spanish: return spanish();
    default: return english();
    }
}

QList<Thing> Banks::things(std::initializer_list<Named> named)
{
    QList<Thing> result;
    for (const Named &thing : named)
        result.append(
            {QString::fromUtf16(thing.one), QString::fromUtf16(thing.many), thing.feminine, {thing.low, thing.high}});
    return result;
}

QList<Person> Banks::people(const char16_t *girls, const char16_t *boys)
{
    QList<Person> result;
    for (const QString &name : QString::fromUtf16(girls).split(QLatin1Char(' ')))
        result.append({name, true});
    for (const QString &name : QString::fromUtf16(boys).split(QLatin1Char(' ')))
        result.append({name, false});
    return result;
}
