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
    showStatus(tr("Welcome to Brightsum, %1!").arg(m_userName));
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
    const bool none = (onePlayer ? ScoreBook::recordsOf(records, m_userName) : records).isEmpty();
    // Everybody's tasks are offered with no records too: importing is how a
    // teacher's computer takes its first ones; and a child who missed
    // questions before completing any exercise still finds the way to
    // practise them on their own.
    if (m_sidebar->isVisible() && !(none && onePlayer && Practice::of(m_userName).items.isEmpty())) {
        if (onePlayer)
            m_sidebar->showMyScoresTasks();
        else
            m_sidebar->setScoreContent();
    }
    if (none) {
        const QString importing = tr("Scores exported on another computer can be added with \"Import Scores...\" "
                                     "on the sidebar.");
        Ask::information(this, tr("No Saved Scores"),
                         onePlayer || !m_sidebar->isVisible() ? tr("No scores to display.")
                                                              : tr("No scores to display.") + QStringLiteral("\n\n") + importing);
        return;
    }
    addChildWindow(new ScoreWindow(m_workspace, records, onePlayer ? ScoreWindow::OnePlayer : ScoreWindow::Everybody,
                                   m_userName));
}

void ApplicationWindow::toggleSidebar()
{
    m_sidebar->setVisible(!m_sidebar->isVisible());
    m_sidebarAction->setChecked(m_sidebar->isVisible());
}
