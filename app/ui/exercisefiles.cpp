// SPDX-License-Identifier: GPL-3.0-or-later
// Exercises from files: saved exercises, templates and the template editor.

#include "app/ui/applicationwindow.h"

#include "base/ui/prompts.h"
#include "content/names.h"
#include "content/questionfile.h"
#include "content/savedexercise.h"
#include "content/topics.h"
#include "exercise/ui/mdiwindow.h"
#include "templates/ui/templateeditor.h"
#include "users/ui/adminpassword.h"
#include "users/ui/sidebar.h"

#include <QDir>
#include <QMdiArea>

namespace {

// Why a file is not a saved exercise, in words for the person who chose it.
QString refusalReason(SavedExercise::ReadStatus status)
{
    switch (status) {
    case SavedExercise::ReadStatus::CannotOpen:
        return ApplicationWindow::tr("The file cannot be read.");
    case SavedExercise::ReadStatus::UnknownTopic:
        return ApplicationWindow::tr("Its first line is not one of the seven topics, so it is not a saved exercise "
                                     "that can be reopened.");
    case SavedExercise::ReadStatus::OutOfRange:
        return ApplicationWindow::tr("Its score, clues, choices or question number are outside what an exercise "
                                     "can hold.");
    case SavedExercise::ReadStatus::BadPlayer:
        return ApplicationWindow::tr("Its player's name is not one that can sign in to Brightsum.");
    case SavedExercise::ReadStatus::Ok: break;
    }
    return QString();
}

} // namespace

void ApplicationWindow::newFromTemplate()
{
    const QString fileName =
        Ask::openFile(this, RecentFolders::Kind::Templates, tr("New Exercise from Template"),
                      tr("Brightsum Templates (*.dat)"));
    if (fileName.isEmpty())
        return;

    QuestionRecords records;
    if (QuestionFile::read(fileName, records) != QuestionFile::ReadStatus::Ok
        || QuestionFile::firstInvalidRecord(records) >= 0) {
        Ask::critical(this, tr("Invalid Template"),
                      tr("The template you have selected is not a valid template. It may not have a complete\n"
                         "set of twenty questions, clues, options and answers, or may not be in the correct\n"
                         "format. Contact the person who created/edited the template."));
        return;
    }
    // The file's name is the exercise's topic, kept as names from files are:
    // "Week 3 .dat" is the topic Week 3.
    const QString topicName = Names::cleaned(QuestionFile::baseName(fileName));
    if (!loadExerciseBank())
        return;
    openExercise(topicName, m_userName, 0, 0, 0, 0, records);
    showStatus(tr("New %1 exercise created").arg(topicName));
}

void ApplicationWindow::chooseFile()
{
    const QString fileName = Ask::openFile(this, RecentFolders::Kind::Exercises, tr("Open Exercise Dialog"),
                                           tr("Brightsum Saved Exercises (*.dat)"));
    if (fileName.isEmpty())
        return;

    SavedExercise saved;
    const SavedExercise::ReadStatus status = saved.read(fileName);
    if (status != SavedExercise::ReadStatus::Ok) {
        Ask::warning(this, tr("Cannot Open Exercise"),
                     tr("\"%1\" cannot be opened as a saved exercise.").arg(QDir::toNativeSeparators(fileName))
                         + QLatin1Char('\n') + refusalReason(status));
        return;
    }
    // A practice goes on with the questions of the player's practice box as they are now.
    if (saved.topic == Topics::practice) {
        openPractice(saved.player, saved.score, saved.cluesUsed, saved.choicesUsed, saved.currentQuestion);
        return;
    }
    if (!loadExerciseBank())
        return;
    // The exercise goes on under the player who saved it, whoever is signed in now.
    openExercise(saved.topic, saved.player, saved.score, saved.cluesUsed, saved.choicesUsed, saved.currentQuestion,
                 m_bank.topic(Topics::indexOf(saved.topic)));
    showStatus(tr("New %1 exercise created").arg(Topics::shownName(saved.topic)));
}

void ApplicationWindow::saveExe()
{
    MDIWindow *exercise = activeExercise();
    if (exercise && exercise->saveExercise() == MDIWindow::SaveResult::Saved)
        showStatus(tr("Exercise progress saved to disk"));
}

void ApplicationWindow::openSampleTemplate()
{
    auto *editor = new TemplateEditor(m_workspace);
    editor->openSample();
    addChildWindow(editor);
}

void ApplicationWindow::toolsTemplateEditor()
{
    if (!passwordPrompt()->checkPassword())
        return;
    if (sidebar()->isVisible())
        sidebar()->showTemplateTasks();
    addChildWindow(new TemplateEditor(m_workspace));
}
