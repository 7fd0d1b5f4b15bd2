// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/accountwindow.h"

#include "base/ui/firstpaint.h"

#include "base/ui/prompts.h"
#include "content/names.h"
#include "users/accounts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QGroupBox *row(const QString &title, const QString &text, QWidget *field, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *layout = new QHBoxLayout(group);
    auto *label = new QLabel(text, group);
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    field->setAccessibleName(title);
    field->setAccessibleDescription(text.trimmed());
    return group;
}
} // namespace

AccountWindow::AccountWindow(QWidget *parent)
    : QDialog(parent)
{
    setModal(true);
    setWindowTitle(tr("User Accounts"));

    auto *layout = new QVBoxLayout(this);
    auto *logo = new QLabel(this);
    logo->setPixmap(FirstPaint::picture(logoFile()));
    logo->setAlignment(Qt::AlignCenter);
    logo->setAccessibleName(QStringLiteral("Brightsum"));
    layout->addWidget(logo);
    layout->addWidget(new QLabel(tr("Welcome to Brightsum!"), this));

    m_existingUsers = new QComboBox(this);
    m_existingUsers->setEditable(false);
    m_existingUsers->addItems(Accounts::names());
    layout->addWidget(row(tr("Existing Users"), tr("If you have used Brightsum before, select your name "),
                          m_existingUsers, this));
    m_newUser = new QLineEdit(this);
    m_newUser->setMaxLength(Names::MaxLength);
    layout->addWidget(row(tr("New Users"), tr("If you are new to Brightsum, type your name "), m_newUser, this));

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    ok->setWhatsThis(tr(
        "Click this button to start Brightsum, once you have selected a user account or created a new one"));
    auto *exit = new QPushButton(tr("Exit"), this);
    exit->setWhatsThis(tr("Click this button to exit Brightsum"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    layout->addLayout(buttons);

    // A child on a new computer types a name; others pick theirs from the list.
    if (m_existingUsers->count() <= 1)
        m_newUser->setFocus();
    else
        m_existingUsers->setFocus();

    connect(ok, &QPushButton::clicked, this, &AccountWindow::login);
    if (parent)
        connect(exit, &QPushButton::clicked, parent, &QWidget::close);
    show();
}

void AccountWindow::login()
{
    if (m_existingUsers->currentText().isEmpty() && m_newUser->text().isEmpty())
        return;
    close();
}

bool AccountWindow::signIn()
{
    // A name chosen from the list comes before a typed one.
    const QString chosen = m_existingUsers->currentText();
    if (!chosen.isEmpty()) {
        // A name put into the store by other means is held to the same rules.
        const QString problem = Names::problemWithName(chosen);
        if (!problem.isEmpty()) {
            Ask::warning(this, tr("User Accounts"), problem);
            return false;
        }
        m_signedInName = chosen;
        return true;
    }
    if (m_newUser->text().isEmpty()) {
        Ask::critical(this, tr("User Accounts"), tr("Please selct a user account or create a new one."));
        return false;
    }
    // Blanks around a name are no part of it: "Ann " signs in as Ann.
    const QString typed = Names::cleaned(m_newUser->text());
    const QString problem = Names::problemWithNewName(typed);
    if (!problem.isEmpty()) {
        Ask::warning(this, tr("User Accounts"), problem);
        return false;
    }
    m_signedInName = typed;
    // A store that cannot be written is reported by the store itself; the
    // child still plays, under the name typed.
    Accounts::signIn(typed);
    return true;
}

void AccountWindow::closeEvent(QCloseEvent *event)
{
    // Closing with a name chosen or typed signs it in just as "OK" does.
    if (!signIn()) {
        event->ignore();
        return;
    }
    Q_EMIT loggedIn();
    event->accept();
}
