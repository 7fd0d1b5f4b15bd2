// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/password.h"

#include "base/store/store.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

#include <optional>

namespace {

const QLatin1String Scheme("pbkdf2-sha256");
constexpr int Iterations = 60000;
constexpr int SaltBytes = 16;
constexpr int KeyBytes = 32;
// A stored hash asking for more work than this is not one this program made,
// and checking it would keep the adult waiting: it is refused as malformed.
constexpr int MaxIterations = 10 * Iterations;
constexpr int MaxSaltBytes = 64;

struct StoredHash
{
    int iterations = 0;
    QByteArray salt;
    QByteArray key;
};

// The parts of a stored hash, or nothing when it is malformed.
std::optional<StoredHash> parse(const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts.at(0) != Scheme)
        return std::nullopt;
    bool ok = false;
    StoredHash hash;
    hash.iterations = parts.at(1).toInt(&ok);
    const auto salt = QByteArray::fromBase64Encoding(parts.at(2).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const auto key = QByteArray::fromBase64Encoding(parts.at(3).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!ok || hash.iterations < 1 || hash.iterations > MaxIterations || !salt || salt.decoded.isEmpty()
        || salt.decoded.size() > MaxSaltBytes || !key || key.decoded.size() != KeyBytes)
        return std::nullopt;
    hash.salt = salt.decoded;
    hash.key = key.decoded;
    return hash;
}

// PBKDF2 with HMAC-SHA-256, one 32-byte block.
QByteArray deriveKey(const QByteArray &password, const QByteArray &salt, int iterations)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    mac.addData(salt);
    mac.addData(QByteArray("\x00\x00\x00\x01", 4));
    QByteArray u = mac.result();
    QByteArray key = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (qsizetype j = 0; j < key.size(); ++j)
            key[j] = static_cast<char>(key[j] ^ u[j]);
    }
    return key;
}

QString encode(int iterations, const QByteArray &salt, const QByteArray &key)
{
    return Scheme + QLatin1Char('$') + QString::number(iterations) + QLatin1Char('$')
        + QString::fromLatin1(salt.toBase64()) + QLatin1Char('$') + QString::fromLatin1(key.toBase64());
}

} // namespace

QString Password::hash(const QString &password)
{
    QByteArray salt(SaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), SaltBytes / 4);
    return encode(Iterations, salt, deriveKey(password.toUtf8(), salt, Iterations));
}

bool Password::isHashed(const QString &stored)
{
    return stored.startsWith(Scheme + QLatin1Char('$'));
}

bool Password::matches(const QString &stored, const QString &entered)
{
    if (!isHashed(stored))
        return stored == entered;
    const std::optional<StoredHash> hash = parse(stored);
    return hash && deriveKey(entered.toUtf8(), hash->salt, hash->iterations) == hash->key;
}

QByteArray Password::derive(const QByteArray &password, const QByteArray &salt, int iterations)
{
    return deriveKey(password, salt, iterations);
}

bool Password::isStored()
{
    return Store::contains(Keys::password);
}

bool Password::check(const QString &entered)
{
    // Read at every check, so a password changed by another program counts at once.
    // A settings file that is there but cannot be read may hold a password: the
    // built-in one never opens it.
    if (!Store::readProblem().isEmpty() && !Store::contains(Keys::password))
        return false;
    return matches(Store::value(Keys::password, Fallback::password).toString(), entered);
}

bool Password::store(const QString &password)
{
    return Store::update(StoreChange::setting(Keys::password, hash(password)));
}

StoreChange Password::storingFirst(const QString &hashed)
{
    static const StoreChange::Kind First("password.first", [](StoreMap &store, const QVariant &data) {
        if (!store.contains(Keys::password))
            store.setValue(Keys::password, data.toString());
    });
    return {First, hashed};
}
