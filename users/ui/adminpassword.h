// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// Asks for the administrator password before an adult-only feature. The main
// window and the sidebar each have one; the dialogs of both appear over the
// widget of the prompt made last (the sidebar), as both share one parent.
class AdminPassword : public QObject
{
    Q_OBJECT

public:
    explicit AdminPassword(QWidget *parent);

    // Asks once. True when the entered text is the password; a wrong one is
    // reported, a cancelled dialog is not.
    bool checkPassword();
};
