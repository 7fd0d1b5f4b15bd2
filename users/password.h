// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class StoreChange;

// The administrator password. It is stored as a salted, deliberately slow hash
// under the key "password"; a stored value not in the hashed form is a clear-text
// password left by an earlier version and still counts. When nothing is stored,
// "tindrel" applies.
namespace Password {

// The hashed form of a password: "pbkdf2-sha256$<iterations>$<salt>$<key>".
QString hash(const QString &password);
// Whether a stored value is in the hashed form (well formed or not).
bool isHashed(const QString &stored);
// Whether the entered text is the password that the stored value stands for. A
// malformed hash (damaged parts, or an iteration count no check should take)
// matches nothing.
bool matches(const QString &stored, const QString &entered);
// PBKDF2 with HMAC-SHA-256, one 32-byte block.
QByteArray derive(const QByteArray &password, const QByteArray &salt, int iterations);

// Whether a password is stored at all (otherwise "tindrel" applies).
bool isStored();
// Checks the entered text against the store.
bool check(const QString &entered);
// Stores a new password, hashed; false when the store could not be written.
bool store(const QString &password);
// A change that stores a hashed password only when none is stored when it is
// written: whoever sits at the keyboard may not replace one already set.
StoreChange storingFirst(const QString &hashed);

} // namespace Password
