// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/adminpassword.h"

#include "base/ui/prompts.h"
#include "users/password.h"

#include <QWidget>

AdminPassword::AdminPassword(QWidget *parent, QWidget *dialogParent)
    : QObject(parent)
    , m_dialogParent(dialogParent ? dialogParent : parent)
{
}

bool AdminPassword::checkPassword()
{
    const std::optional<QString> entered =
        Prompts::current().text(m_dialogParent, tr("Administrator Password"),
                                tr("The feature you requested requires administrator\naccess. Please enter the "
                                   "administrator password:"),
                                QLineEdit::Password);
    if (!entered)
        return false;
    if (Password::check(*entered))
        return true;
    Ask::critical(m_dialogParent, tr("Incorrect Password!"), tr("The password you entered is incorrect."));
    return false;
}
