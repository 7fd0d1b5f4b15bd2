// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/questionfile.h"

#include <QLocale>
#include <QSizeF>
#include <QString>

// The texts that an exercise puts on paper.
namespace Documents {

// The product's web page, named on every worksheet.
inline const QString WebAddress = QStringLiteral("brightsum.example.org");

// The title line, an empty line, then the twenty questions numbered 1 to 20.
QString exercisePrintout(const QString &topicName, const QuestionRecords &questions);

struct WorksheetContents
{
    bool choices = false;
    bool clues = false;
    bool answers = false;
};

// The worksheet: title, the web-page line, then for each question its number
// and text followed by its options, clue and answer lines as chosen.
QString worksheet(const QString &topicName, const QuestionRecords &questions, const WorksheetContents &contents);

// The paper the desktop's locale names (LC_PAPER where the C library tells
// it, else the locale's country), in millimetres: Letter (216 x 279) where it
// is the custom, A4 (210 x 297) elsewhere.
QSizeF localPaper();
QSizeF paperOf(QLocale::Territory territory);

// PDF files end in ".pdf" or ".PDF"; any other name gets ".pdf" appended.
QString withPdfSuffix(const QString &fileName);

} // namespace Documents
