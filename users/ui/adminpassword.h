// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Asks for the administrator password before an adult-only feature. The main
// window and the sidebar each have one; the dialogs of both appear over the
// sidebar, which the main window gives its prompt.
class AdminPassword : public QObject
{
    Q_OBJECT

public:
    // The dialogs appear over `dialogParent`, or over the parent when there is none.
    explicit AdminPassword(QWidget *parent, QWidget *dialogParent = nullptr);

    // Asks once. True when the entered text is the password; a wrong one is
    // reported, a cancelled dialog is not.
    bool checkPassword();

private:
    QPointer<QWidget> m_dialogParent;
};
