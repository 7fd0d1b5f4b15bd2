// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The administrator password. It is stored as a salted, deliberately slow hash
// under the key "password"; a stored value not in the hashed form is a clear-text
// password left by an earlier version and still counts. When nothing is stored,
// "tindrel" applies.
namespace Password {

// The hashed form of a password: "pbkdf2-sha256$<iterations>$<salt>$<key>".
QString hash(const QString &password);
bool isHashed(const QString &stored);
// Whether the entered text is the password that the stored value stands for.
bool matches(const QString &stored, const QString &entered);

// Checks the entered text against the store.
bool check(const QString &entered);
// Stores a new password, hashed.
void store(const QString &password);

} // namespace Password
