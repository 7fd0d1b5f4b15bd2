// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/benchsupport.h"

#include "base/store/store.h"
#include "content/topics.h"

QString Bench::player()
{
    return QStringLiteral("Player7");
}

bool Bench::writeStore(int records)
{
    static const StoreChange::Kind Fill("bench.fill", [](StoreMap &store, const QVariant &data) {
        const int count = data.toInt();
        store.clear();
        store.setValue(Keys::width, 760);
        store.setValue(Keys::height, 560);
        store.setValue(Keys::x, 40);
        store.setValue(Keys::y, 30);
        QStringList names{QString()};
        for (int child = 0; child < Children; ++child) {
            names.append(QStringLiteral("Player%1").arg(child));
            store.setValue(Keys::toDoList(names.last()), Topics::names());
        }
        store.setValue(Keys::accountNames, names);
        for (int n = 1; n <= count; ++n) {
            store.setValue(Keys::scoreField(n, 0), QStringLiteral("Player%1").arg(n % Children));
            store.setValue(Keys::scoreField(n, 1), Topics::at(n % Topics::count).name);
            store.setValue(Keys::scoreField(n, 2), QString::number(n % 4));
            store.setValue(Keys::scoreField(n, 3), QString::number(n % 3));
            store.setValue(Keys::scoreField(n, 4), QString::number(n % 41));
        }
        store.setValue(Keys::scoreCount, count);
    });
    return Store::update({Fill, records});
}
