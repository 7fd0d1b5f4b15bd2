// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

// Asks who is using the program: an existing user picks a name, a new one types
// it. It is modal but does not block whoever opened it.
class AccountWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AccountWindow(QWidget *parent);

    // The name signed in last, shared by every sign-in window; empty until the first sign-in.
    static QString signedInName();

    QComboBox *existingUsers() const { return m_existingUsers; }
    QLineEdit *newUser() const { return m_newUser; }

Q_SIGNALS:
    void loggedIn();

public Q_SLOTS:
    void login();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Signs the chosen or typed name in; false when there is none or it is refused.
    bool signIn();

    QComboBox *m_existingUsers = nullptr;
    QLineEdit *m_newUser = nullptr;
};
