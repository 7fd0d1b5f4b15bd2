// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// The one way the program puts pages on paper or in a PDF file: worksheets,
// exercise printouts and progress reports all go through here.
namespace Paper {

// Shows the platform's print dialog (through the Prompts seam) for a
// full-page printer; true when accepted.
bool choosePrinter(QWidget *parent, QPrinter &printer);

// Has `paint` make the pages on a high-resolution PDF printer, on the paper of
// the desktop's locale (Documents::localPaper), and writes them
// to the file whole. The pages are made in a scratch folder and then put in
// place, so a file that cannot be written is noticed and an existing file is
// never left half-overwritten. Returns why it failed, or nothing.
std::optional<QString> writePdf(const QString &title, const QString &fileName,
                                const std::function<void(QPrinter &)> &paint);

} // namespace Paper
