// SPDX-License-Identifier: GPL-3.0-or-later
// Practising the questions a child got wrong.

#include "app/ui/applicationwindow.h"

#include "base/clock.h"
#include "base/language.h"
#include "base/ui/prompts.h"
#include "content/topics.h"
#include "exercise/ui/mdiwindow.h"
#include "users/practiceset.h"

#include <QHash>
#include <QStatusBar>

void ApplicationWindow::practiseMistakes()
{
    openPractice(m_userName, 0, 0, 0, 0);
}

bool ApplicationWindow::openPractice(const QString &player, int score, int cluesUsed, int choicesUsed,
                                     int currentQuestion)
{
    const Practice::Box box = Practice::of(player);
    if (box.items.isEmpty()) {
        Ask::information(this, tr("Practise My Mistakes"),
                         tr("You have not got a single question wrong yet, so there is nothing to practise. Well "
                            "done!\n\nWhenever you get a question wrong, it will wait here until you know it."));
        return false;
    }
    if (!loadExerciseBank())
        return false;
    // Fresh questions differ from one practice to the next.
    const quint32 seed = quint32(Clock::now().toMSecsSinceEpoch()) ^ quint32(qHash(player));
    const PracticeSet set = Practice::compose(box, Clock::today(), seed, Language::current());
    MDIWindow *window =
        openExercise(Topics::practice, player, score, cluesUsed, choicesUsed, currentQuestion, set.questions);
    window->setQuestionOrigins(set.origins);
    showStatus(tr("New practice exercise created"));
    return true;
}

void ApplicationWindow::tellPracticeDue()
{
    const int due = Practice::of(m_userName).dueCount(Clock::today());
    if (due == 0)
        return;
    // It stays until the next message, so a child who signs in and looks away still reads it.
    statusBar()->showMessage(due == 1 ? tr("1 question to practise today")
                                      : tr("%n questions to practise today", nullptr, due));
}
