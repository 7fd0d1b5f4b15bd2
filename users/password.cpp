// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/password.h"

#include "users/store.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace {

const QLatin1String Scheme("pbkdf2-sha256");
constexpr int Iterations = 60000;
constexpr int SaltBytes = 16;

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
    const QStringList parts = stored.split(QLatin1Char('$'));
    return parts.size() == 4 && parts.at(0) == Scheme && parts.at(1).toInt() > 0;
}

bool Password::matches(const QString &stored, const QString &entered)
{
    if (!isHashed(stored))
        return stored == entered;
    const QStringList parts = stored.split(QLatin1Char('$'));
    const int iterations = parts.at(1).toInt();
    const QByteArray salt = QByteArray::fromBase64(parts.at(2).toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts.at(3).toLatin1());
    return deriveKey(entered.toUtf8(), salt, iterations) == expected;
}

bool Password::check(const QString &entered)
{
    return matches(Store::settings().value(Keys::password, Fallback::password).toString(), entered);
}

void Password::store(const QString &password)
{
    Store::settings().setValue(Keys::password, hash(password));
    Store::flush();
}
