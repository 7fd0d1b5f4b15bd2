// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class StoreMap;

// One change of the settings store. It runs at least twice: at once on the
// window's copy of the store, and later on the store's thread on the file as it
// is then; when the program has to end before it could be written, it is kept
// in a journal and runs in the next program to start. So it carries everything
// it needs: each step is a plain function, which can capture nothing, and the
// data it works on, which every run reads the same.
class StoreChange
{
public:
    using Apply = void (*)(StoreMap &store, const QVariant &data);

    // A kind of step, under a name that a journal keeps. Kinds are made once,
    // as constants beside the rules they carry out.
    class Kind
    {
    public:
        Kind(const char *name, Apply apply);
        Kind(const Kind &) = delete;
        Kind &operator=(const Kind &) = delete;
        const char *const name;
        const Apply apply;
        static const Kind *named(const QByteArray &name);
    };

    StoreChange() = default;
    StoreChange(const Kind &kind, const QVariant &data);
    // A key set to a value, or a key removed with everything under it.
    static StoreChange setting(const QString &key, const QVariant &value);
    static StoreChange removing(const QString &key);

    // This change and then the other, in one transaction.
    StoreChange &then(const StoreChange &next);

    void applyTo(StoreMap &store) const;
    bool isEmpty() const { return m_steps.isEmpty(); }

    // Changes as a journal keeps them, and back; nothing when a change holds
    // data a journal cannot keep (an import, which its importer waits for),
    // or when the bytes are damaged or name a kind this program does not know.
    static std::optional<QByteArray> toBytes(const QList<StoreChange> &changes);
    static std::optional<QList<StoreChange>> fromBytes(const QByteArray &bytes);

private:
    struct Step
    {
        const Kind *kind;
        QVariant data;
    };
    QList<Step> m_steps;
};
