// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// The box a child types an answer into: five characters at most. Five digits
// need no clipboard, so Ctrl+C, Ctrl+V and Ctrl+A stay with the commands that
// have them (Analog Clock, Version, About) instead of copy, paste and select all.
class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int MaxLength = 5;

    explicit AnswerBox(QWidget *parent);

protected:
    bool event(QEvent *event) override;
};
