// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ui/answerbox.h"

#include <QKeyEvent>

AnswerBox::AnswerBox(QWidget *parent)
    : QLineEdit(parent)
{
    setFont(QFont(QStringLiteral("Arial"), 12, QFont::Normal));
    setMaxLength(MaxLength);
    setAccessibleName(tr("Your answer"));
}

bool AnswerBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeyCombination key = static_cast<QKeyEvent *>(event)->keyCombination();
        for (const QKeyCombination command : {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_A}) {
            if (key == command) {
                // Not taken here, so the key reaches the command's shortcut.
                event->ignore();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}
