// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QTextBrowser;

// A page from the "HTM" folder in a window of its own in the workspace, used for
// help and what's new while the sidebar is hidden.
class HTMWindow : public QMainWindow
{
    Q_OBJECT

public:
    HTMWindow(QWidget *parent, const QString &title, const QString &page);

    QTextBrowser *browser() const { return m_browser; }
    // The workspace frames the window at this size.
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QTextBrowser *m_browser = nullptr;
};
