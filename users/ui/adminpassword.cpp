// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/adminpassword.h"

#include "base/ui/prompts.h"
#include "users/password.h"

#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> &dialogParent()
{
    static QPointer<QWidget> parent;
    return parent;
}
} // namespace

AdminPassword::AdminPassword(QWidget *parent)
    : QObject(parent)
{
    dialogParent() = parent;
}

bool AdminPassword::checkPassword()
{
    const std::optional<QString> entered =
        Prompts::current().text(dialogParent(), tr("Administrator Password"),
                                tr("The feature you requested requires administrator\naccess. Please enter the "
                                   "administrator password:"),
                                QLineEdit::Password);
    if (!entered)
        return false;
    if (Password::check(*entered))
        return true;
    Ask::critical(dialogParent(), tr("Incorrect Password!"), tr("The password you entered is incorrect."));
    return false;
}
