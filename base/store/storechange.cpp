// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/store/storechange.h"

#include "base/store/storemap.h"

#include <QDataStream>
#include <QIODevice>

namespace {

QList<const StoreChange::Kind *> &kinds()
{
    static QList<const StoreChange::Kind *> all;
    return all;
}

const StoreChange::Kind Set("set", [](StoreMap &store, const QVariant &data) {
    const QVariantList pair = data.toList();
    if (pair.size() == 2)
        store.setValue(pair.at(0).toString(), pair.at(1));
});
const StoreChange::Kind Remove("remove", [](StoreMap &store, const QVariant &key) { store.remove(key.toString()); });

constexpr quint32 JournalMagic = 0x42534a31; // "BSJ1"

} // namespace

StoreChange::Kind::Kind(const char *kindName, Apply function)
    : name(kindName)
    , apply(function)
{
    Q_ASSERT(!named(kindName));
    kinds().append(this);
}

const StoreChange::Kind *StoreChange::Kind::named(const QByteArray &wanted)
{
    for (const Kind *kind : std::as_const(kinds())) {
        if (wanted == kind->name)
            return kind;
    }
    return nullptr;
}

StoreChange::StoreChange(const Kind &kind, const QVariant &data)
    : m_steps{{&kind, data}}
{
}

StoreChange StoreChange::setting(const QString &key, const QVariant &value)
{
    return {Set, QVariantList{key, value}};
}

StoreChange StoreChange::removing(const QString &key)
{
    return {Remove, key};
}

StoreChange &StoreChange::then(const StoreChange &next)
{
    m_steps += next.m_steps;
    return *this;
}

void StoreChange::applyTo(StoreMap &store) const
{
    for (const Step &step : m_steps)
        step.kind->apply(store, step.data);
}

std::optional<QByteArray> StoreChange::toBytes(const QList<StoreChange> &changes)
{
    for (const StoreChange &change : changes) {
        for (const Step &step : change.m_steps) {
            if (step.data.isValid() && !step.data.metaType().hasRegisteredDataStreamOperators())
                return std::nullopt;
        }
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << JournalMagic << quint32(changes.size());
    for (const StoreChange &change : changes) {
        out << quint32(change.m_steps.size());
        for (const Step &step : change.m_steps)
            out << QByteArray(step.kind->name) << step.data;
    }
    return bytes;
}

std::optional<QList<StoreChange>> StoreChange::fromBytes(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 count = 0;
    in >> magic >> count;
    // Each change takes at least its count of steps: a count beyond that is damage.
    if (in.status() != QDataStream::Ok || magic != JournalMagic || count > quint32(bytes.size()))
        return std::nullopt;
    QList<StoreChange> changes;
    for (quint32 i = 0; i < count; ++i) {
        quint32 steps = 0;
        in >> steps;
        if (in.status() != QDataStream::Ok || steps > quint32(bytes.size()))
            return std::nullopt;
        StoreChange change;
        for (quint32 j = 0; j < steps; ++j) {
            QByteArray name;
            QVariant data;
            in >> name >> data;
            const Kind *kind = Kind::named(name);
            if (in.status() != QDataStream::Ok || !kind)
                return std::nullopt;
            change.m_steps.append({kind, data});
        }
        changes.append(change);
    }
    if (!in.atEnd())
        return std::nullopt;
    return changes;
}
