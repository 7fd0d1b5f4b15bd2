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

    // The picture of its title.
    static QString logoFile() { return QStringLiteral("Art/logo.png"); }

    // The name this window signed in, once it has; empty until then.
    QString signedInName() const { return m_signedInName; }

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
    QString m_signedInName;
};
