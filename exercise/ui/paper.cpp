// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ui/paper.h"

#include "base/safefile.h"
#include "base/ui/prompts.h"
#include "exercise/documents.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

bool Paper::choosePrinter(QWidget *parent, QPrinter &printer)
{
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, parent);
    return Prompts::current().exec(dialog);
}

std::optional<QString> Paper::writePdf(const QString &title, const QString &fileName,
                                       const std::function<void(QPrinter &)> &paint)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return scratch.errorString();
    const QString draft = scratch.filePath(QStringLiteral("pages.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(draft);
        printer.setDocName(title);
        // A file has no printer to say what paper it is for: the locale's.
        printer.setPageSize(QPageSize(Documents::localPaper(), QPageSize::Millimeter));
        paint(printer);
    }

    QFile pages(draft);
    if (!pages.open(QIODevice::ReadOnly))
        return pages.errorString();
    const QByteArray bytes = pages.readAll();
    // A document cut short (a full scratch folder) lacks its end-of-file mark.
    if (bytes.isEmpty() || !bytes.trimmed().endsWith("%%EOF"))
        return QCoreApplication::translate("Paper", "No pages were made.");

    const QString problem = SafeFile::replace(fileName, bytes);
    if (!problem.isEmpty())
        return problem;
    return std::nullopt;
}
