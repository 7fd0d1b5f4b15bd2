// SPDX-License-Identifier: GPL-3.0-or-later
// A child's progress, and the score records out to a file and in from one.

#include "app/ui/applicationwindow.h"

#include "base/store/store.h"
#include "base/ui/forms.h"
#include "base/ui/prompts.h"
#include "users/accounts.h"
#include "users/scorebook.h"
#include "users/scoretransfer.h"
#include "users/ui/progresswindow.h"

#include <QCollator>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QMdiArea>
#include <QStatusBar>
#include <QStyle>

void ApplicationWindow::showMyProgress()
{
    showProgress(m_userName);
}

void ApplicationWindow::showChildProgress()
{
    QStringList names = Accounts::names();
    names.removeAll(QString());
    if (names.isEmpty()) {
        Ask::information(this, tr("No Saved Scores"), tr("No scores to display."));
        return;
    }
    // A class's names in the order of the register, not of their first sign-in.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);

    QInputDialog dialog(this);
    dialog.setWindowTitle(tr("View a Child's Progress"));
    dialog.setLabelText(tr("Whose progress would you like to see?"));
    dialog.setComboBoxItems(names);
    dialog.setComboBoxEditable(false);
    // The list is named by the name it shows; what it is for is told here.
    // The list, wide enough for the dialog's whole title above it.
    if (auto *list = dialog.findChild<QComboBox *>()) {
        list->setAccessibleName(tr("Child"));
        list->setMinimumWidth(Forms::widthForTitle(&dialog) - 2 * dialog.style()->pixelMetric(QStyle::PM_LayoutLeftMargin));
    }
    if (!Prompts::current().exec(dialog))
        return;
    showProgress(dialog.textValue());
}

void ApplicationWindow::showProgress(const QString &player)
{
    addChildWindow(new ProgressWindow(m_workspace, player));
}

void ApplicationWindow::exportScores()
{
    const QString chosen = Ask::saveFile(this, RecentFolders::Kind::Records, tr("Export Scores"),
                                         tr("Spreadsheet files (*.csv)"));
    if (chosen.isEmpty())
        return;
    const QString fileName = ScoreTransfer::withCsvSuffix(chosen);
    if (ScoreBook::isRead()) {
        writeScores(fileName);
        return;
    }
    // Every record is written, so the file waits until they have all been read.
    statusBar()->showMessage(tr("Reading the saved scores..."));
    connect(&StoreEvents::instance(), &StoreEvents::recordsChanged, this, [this, fileName] {
        statusBar()->clearMessage();
        writeScores(fileName);
    }, Qt::SingleShotConnection);
}

void ApplicationWindow::writeScores(const QString &fileName)
{
    const QList<ScoreRecord> records = ScoreBook::records();
    const QString problem = ScoreTransfer::exportTo(fileName, records);
    if (!problem.isEmpty()) {
        Ask::warning(this, tr("Scores Not Exported"),
                     tr("The scores could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(fileName), problem));
        return;
    }
    // In one pass: the one-record text has no "%1", and a file name may hold a "%".
    const QString file = QDir::toNativeSeparators(fileName);
    const QString saved = records.size() == 1
        ? tr("1 score record was saved to \"%2\".").arg(file)
        : tr("%1 score records were saved to \"%2\".").arg(QString::number(records.size()), file);
    Ask::information(this, tr("Scores Exported"), saved);
}

void ApplicationWindow::importScores()
{
    const QString fileName = Ask::openFile(this, RecentFolders::Kind::Records, tr("Import Scores"),
                                           tr("Spreadsheet files (*.csv);;All files (*)"));
    if (fileName.isEmpty())
        return;
    const ScoreTransfer::Imported imported = ScoreTransfer::importFrom(fileName);
    if (!imported.problem.isEmpty()) {
        const QString where = imported.line > 0 ? tr("Line %1: ").arg(imported.line) : QString();
        Ask::warning(this, tr("Scores Not Imported"),
                     tr("No scores were imported from \"%1\".\n\n%2%3")
                         .arg(QDir::toNativeSeparators(fileName), where, imported.problem));
        return;
    }
    Ask::information(this, tr("Scores Imported"),
                     tr("Score records added: %1.\nAlready on this computer, and so skipped: %2.")
                         .arg(imported.added)
                         .arg(imported.skipped));
}
