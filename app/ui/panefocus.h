// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QDockWidget;
class QMainWindow;
class QMdiArea;
class QWidget;

// The keyboard's way between the two panes of the main window. Tab stays
// within a workspace child window, so F6 and Shift+F6 move the focus from the
// workspace's active window to the sidebar and back. When the last child
// window closes, the focus goes to the sidebar (or the workspace when the
// sidebar is hidden) rather than nowhere.
class PaneFocus : public QObject
{
    Q_OBJECT

public:
    PaneFocus(QMainWindow *window, QMdiArea *workspace, QDockWidget *sidebar);

    // The other pane takes the focus.
    void switchPane();

private:
    void focusSidebar();
    void focusWorkspace();
    void keepFocusWhenEmpty();

    QMainWindow *m_window;
    QMdiArea *m_workspace;
    QDockWidget *m_sidebar;
};
