// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QGroupBox;
class QWidget;

// How the dialogs of settings lay out their controls.
namespace Forms {
// A group box stacking its controls with room below them. Lists and buttons
// keep their natural width at the left, labels and text fields span the box;
// a label names the control that follows it.
QGroupBox *groupOf(const QString &title, const QList<QWidget *> &controls, QWidget *parent);
// The width a small dialog needs for the window manager to show its whole
// title beside its buttons, in a title font that may be larger and bold.
int widthForTitle(const QWidget *dialog);
} // namespace Forms
