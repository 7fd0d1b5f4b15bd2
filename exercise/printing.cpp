// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise on paper: the plain printout and the worksheet creator.

#include "exercise/mdiwindow.h"

#include "app/prompts.h"
#include "content/safefile.h"
#include "exercise/documents.h"
#include "exercise/worksheetdialog.h"

#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>

namespace {

constexpr int StatusTimeout = 5000;
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

// Shows the platform's print dialog for a full-page printer; true when accepted.
bool choosePrinter(QWidget *parent, QPrinter &printer)
{
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    return Prompts::current().exec(dialog);
}

// Writes the text to a PDF file and returns why it failed, or nothing when the
// file was written. The pages are made in a scratch folder and then put in place
// whole, so a file that cannot be written is noticed and an existing file is never
// left half-overwritten.
std::optional<QString> writePdf(const QString &text, const QString &title, const QString &fileName)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return scratch.errorString();
    const QString draft = scratch.filePath(QStringLiteral("worksheet.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(draft);
    printer.setDocName(title);
    printText(text, printer);

    QFile pages(draft);
    if (!pages.open(QIODevice::ReadOnly))
        return pages.errorString();
    const QByteArray bytes = pages.readAll();
    // A document cut short (a full scratch folder) lacks its end-of-file mark.
    if (bytes.isEmpty() || !bytes.trimmed().endsWith("%%EOF"))
        return MDIWindow::tr("No pages were made.");

    const QString problem = SafeFile::replace(fileName, bytes);
    if (!problem.isEmpty())
        return problem;
    return std::nullopt;
}

} // namespace

void MDIWindow::printExercise()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(this, printer))
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
        const QString title = tr("Brightsum %1 Worksheet").arg(m_exercise.topicName());
        if (const std::optional<QString> failure = writePdf(text, title, fileName)) {
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
        if (choosePrinter(this, printer))
            printText(text, printer);
        return;
    }
    case WorksheetDialog::Publish::Nothing:
        return;
    }
}
