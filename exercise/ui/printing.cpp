// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise on paper: the plain printout and the worksheet creator.

#include "exercise/ui/mdiwindow.h"

#include "base/ui/prompts.h"
#include "base/ui/status.h"
#include "content/topics.h"
#include "exercise/documents.h"
#include "exercise/ui/paper.h"
#include "exercise/ui/worksheetdialog.h"

#include <QDir>
#include <QPrinter>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>

namespace {

// Large enough for a child to read on paper at arm's length.
constexpr int PaperPointSize = 12;

// Plain text on paper: every line feed starts a new paragraph.
void printText(const QString &text, QPrinter &printer)
{
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSize(PaperPointSize);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.insertText(text);
    document.print(&printer);
}

} // namespace

void MDIWindow::printExercise()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Paper::choosePrinter(this, printer))
        return;
    printText(Documents::exercisePrintout(m_exercise.topicName(), m_exercise.questions()), printer);
}

void MDIWindow::worksheetExport()
{
    WorksheetDialog dialog(this);
    if (!Prompts::current().exec(dialog))
        return;
    const QString text = Documents::worksheet(m_exercise.topicName(), m_exercise.questions(), dialog.contents());

    switch (dialog.publish()) {
    case WorksheetDialog::Publish::Pdf: {
        const QString chosen = Ask::saveFile(this, RecentFolders::Kind::Worksheets, tr("Save Worksheet as PDF"),
                                             QStringLiteral("*.pdf"));
        if (chosen.isEmpty())
            return;
        const QString fileName = Documents::withPdfSuffix(chosen);
        const QString title = tr("Brightsum %1 Worksheet").arg(Topics::shownName(m_exercise.topicName()));
        if (const std::optional<QString> failure =
                Paper::writePdf(title, fileName, [&text](QPrinter &printer) { printText(text, printer); })) {
            Ask::warning(this, tr("Worksheet Not Saved"),
                         tr("The worksheet could not be saved to \"%1\": %2")
                             .arg(QDir::toNativeSeparators(fileName), *failure));
            return;
        }
        statusBar()->showMessage(tr("Worksheet saved as PDF"), StatusTimeout);
        return;
    }
    case WorksheetDialog::Publish::Print: {
        QPrinter printer(QPrinter::HighResolution);
        if (Paper::choosePrinter(this, printer))
            printText(text, printer);
        return;
    }
    case WorksheetDialog::Publish::Nothing:
        statusBar()->showMessage(tr("No worksheet was made: choose Print or Save as PDF"), StatusTimeout);
        return;
    }
}
