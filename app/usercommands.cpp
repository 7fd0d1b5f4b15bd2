// Signing in, scores and the sidebar.

#include "app/applicationwindow.h"

#include "app/prompts.h"
#include "users/accountwindow.h"
#include "users/scorebook.h"
#include "users/scorewindow.h"
#include "users/sidebar.h"

#include <QLabel>
#include <QMdiArea>

void ApplicationWindow::useraccounts()
{
    auto *window = new AccountWindow(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &AccountWindow::loggedIn, this, &ApplicationWindow::doLogin);
    m_accountWindow = window;
}

AccountWindow *ApplicationWindow::accountWindow() const
{
    return m_accountWindow;
}

void ApplicationWindow::doLogin()
{
    m_userName = AccountWindow::signedInName();
    m_statusLabel->setText(tr("Signed in as: ") + m_userName);
    m_sidebar->setUserContent(m_userName);
}

void ApplicationWindow::showScores()
{
    if (!loadExerciseBank())
        return;
    const QList<ScoreRecord> records = ScoreBook::records();
    if (records.isEmpty()) {
        Ask::information(this, tr("No Saved Scores"), tr("No scores to display."));
        return;
    }
    if (m_sidebar->isVisible())
        m_sidebar->setScoreContent();
    auto *window = new ScoreWindow(m_workspace, records, ScoreWindow::Everybody);
    window->setAttribute(Qt::WA_DeleteOnClose);
    addChildWindow(window);
}

void ApplicationWindow::showMyScores()
{
    if (!loadExerciseBank())
        return;
    const QList<ScoreRecord> records = ScoreBook::records();
    if (ScoreBook::recordsOf(records, m_userName).isEmpty()) {
        Ask::information(this, tr("No Saved Scores"), tr("No scores to display."));
        return;
    }
    if (m_sidebar->isVisible())
        m_sidebar->showMyScoresTasks();
    auto *window = new ScoreWindow(m_workspace, records, ScoreWindow::OnePlayer, m_userName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    addChildWindow(window);
}

void ApplicationWindow::toggleSidebar()
{
    m_sidebar->setVisible(!m_sidebar->isVisible());
    m_sidebarAction->setChecked(m_sidebar->isVisible());
}
