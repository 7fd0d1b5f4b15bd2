// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/htmwindow.h"

#include "base/language.h"

#include <QCloseEvent>
#include <QTextBrowser>

namespace {
const QSize PageWindowSize(400, 300);
} // namespace

HTMWindow::HTMWindow(QWidget *parent, const QString &title, const QString &page)
    : QMainWindow(parent)
{
    setWindowTitle(title);
    const QIcon icon(QStringLiteral("Art/Icons/contents.png"));

    // The page is looked up in "HTM", and so are the pages it links to.
    m_browser = new QTextBrowser(this);
    m_browser->setWindowTitle(title);
    m_browser->setAccessibleName(title);
    m_browser->setSearchPaths(Language::searchPaths(QStringLiteral("HTM")));
    m_browser->setSource(QUrl(page));
    m_browser->show();
    setCentralWidget(m_browser);

    setWindowIcon(icon);
    resize(PageWindowSize);
}

QSize HTMWindow::sizeHint() const
{
    return PageWindowSize;
}

void HTMWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
}
