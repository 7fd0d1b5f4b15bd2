// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/forms.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

QGroupBox *Forms::groupOf(const QString &title, const QList<QWidget *> &controls, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(group);
    QLabel *pendingLabel = nullptr;
    for (QWidget *control : controls) {
        if (pendingLabel)
            pendingLabel->setBuddy(control);
        pendingLabel = qobject_cast<QLabel *>(control);
        const bool spans = pendingLabel || qobject_cast<QLineEdit *>(control);
        layout->addWidget(control, 0, spans ? Qt::Alignment() : Qt::AlignLeft);
    }
    layout->addStretch();
    return group;
}

int Forms::widthForTitle(const QWidget *dialog)
{
    return dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) * 3 / 2 + 120;
}
