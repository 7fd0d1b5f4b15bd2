// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/panefocus.h"

#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QTimer>

namespace {

bool takesTabFocus(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled();
}

// The control inside the container that last had the focus, else the first one Tab reaches.
QWidget *focusTarget(QWidget *container)
{
    QWidget *last = container->focusWidget();
    if (last && last != container && takesTabFocus(last))
        return last;
    if (takesTabFocus(container))
        return container;
    for (QWidget *w = container->nextInFocusChain(); w != container; w = w->nextInFocusChain()) {
        if (container->isAncestorOf(w) && takesTabFocus(w))
            return w;
    }
    return nullptr;
}

} // namespace

PaneFocus::PaneFocus(QMainWindow *window, QMdiArea *workspace, QDockWidget *sidebar)
    : QObject(window)
    , m_window(window)
    , m_workspace(workspace)
    , m_sidebar(sidebar)
{
    // Also while the sidebar floats in a window of its own; a modal dialog still holds the keys.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)}) {
        auto *shortcut = new QShortcut(key, window, nullptr, nullptr, Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, &PaneFocus::switchPane);
    }
    connect(workspace, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *active) {
        // Checked once the closing window has gone from the workspace.
        if (!active)
            QTimer::singleShot(0, this, &PaneFocus::keepFocusWhenEmpty);
    });
}

void PaneFocus::switchPane()
{
    const QWidget *focus = QApplication::focusWidget();
    if (focus && m_sidebar->isAncestorOf(focus))
        focusWorkspace();
    else
        focusSidebar();
}

void PaneFocus::focusSidebar()
{
    QWidget *page = m_sidebar->isVisible() ? m_sidebar->widget() : nullptr;
    QWidget *target = page ? focusTarget(page) : nullptr;
    if (!target) {
        focusWorkspace();
        return;
    }
    m_sidebar->activateWindow(); // when it floats
    target->setFocus(Qt::ShortcutFocusReason);
}

void PaneFocus::focusWorkspace()
{
    m_window->activateWindow();
    QMdiSubWindow *frame = m_workspace->activeSubWindow();
    const QList<QMdiSubWindow *> frames = m_workspace->subWindowList(QMdiArea::ActivationHistoryOrder);
    if (!frame && !frames.isEmpty())
        frame = frames.last();
    if (!frame) {
        m_workspace->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    m_workspace->setActiveSubWindow(frame);
    QWidget *target = frame->widget() ? focusTarget(frame->widget()) : nullptr;
    (target ? target : frame)->setFocus(Qt::ShortcutFocusReason);
}

void PaneFocus::keepFocusWhenEmpty()
{
    const QWidget *focus = QApplication::focusWidget();
    if (!m_window->isVisible() || !m_workspace->subWindowList().isEmpty() || (focus && focus->window() == m_window))
        return;
    focusSidebar();
}
