// SPDX-License-Identifier: GPL-3.0-or-later
// Signing in, scores and the sidebar.

#include "app/ui/applicationwindow.h"

#include "base/store/store.h"
#include "base/ui/prompts.h"
#include "users/practice.h"
#include "users/scorebook.h"
#include "users/ui/accountwindow.h"
#include "users/ui/scorewindow.h"
#include "users/ui/sidebar.h"

#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>

void ApplicationWindow::useraccounts()
{
    auto *window = new AccountWindow(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &AccountWindow::loggedIn, this, [this, window] {
        m_userName = window->signedInName();
        doLogin();
    });
    m_accountWindow = window;
}

AccountWindow *ApplicationWindow::accountWindow() const
{
    return m_accountWindow;
}

void ApplicationWindow::doLogin()
{
    m_statusLabel->setText(tr("Signed in as: %1").arg(m_userName));
    m_sidebar->setUserContent(m_userName);
    tellPracticeDue();
}

void ApplicationWindow::showScores()
{
    showScoreWindow(false);
}

void ApplicationWindow::showMyScores()
{
    showScoreWindow(true);
}

void ApplicationWindow::showScoreWindow(bool onePlayer)
{
    // While the records are still being read, the window opens once they are.
    if (!ScoreBook::isRead()) {
        statusBar()->showMessage(tr("Reading the saved scores..."));
        if (!m_scoresWanted)
            connect(&StoreEvents::instance(), &StoreEvents::recordsChanged, this, [this] {
                if (const std::optional<bool> wanted = std::exchange(m_scoresWanted, std::nullopt)) {
                    statusBar()->clearMessage();
                    showScoreWindow(*wanted);
                }
            }, Qt::SingleShotConnection);
        m_scoresWanted = onePlayer;
        return;
    }
    if (!loadExerciseBank())
        return;
    const QList<ScoreRecord> records = ScoreBook::records();
    if ((onePlayer ? ScoreBook::recordsOf(records, m_userName) : records).isEmpty()) {
        // A child who missed questions before completing any exercise still
        // finds the way to practise them there.
        if (onePlayer && m_sidebar->isVisible() && !Practice::of(m_userName).items.isEmpty())
            m_sidebar->showMyScoresTasks();
        Ask::information(this, tr("No Saved Scores"), tr("No scores to display."));
        return;
    }
    if (m_sidebar->isVisible()) {
        if (onePlayer)
            m_sidebar->showMyScoresTasks();
        else
            m_sidebar->setScoreContent();
    }
    addChildWindow(new ScoreWindow(m_workspace, records, onePlayer ? ScoreWindow::OnePlayer : ScoreWindow::Everybody,
                                   m_userName));
}

void ApplicationWindow::toggleSidebar()
{
    m_sidebar->setVisible(!m_sidebar->isVisible());
    m_sidebarAction->setChecked(m_sidebar->isVisible());
}
