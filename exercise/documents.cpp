// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/documents.h"

#include "content/topics.h"

#include <QCoreApplication>

#if defined(__GLIBC__)
#include <clocale>
#include <cstdint>
#include <langinfo.h>
#endif

QString Documents::exercisePrintout(const QString &topicName, const QuestionRecords &questions)
{
    QString text = QCoreApplication::translate("Documents", "Brightsum %1 Exercise").arg(Topics::shownName(topicName))
        + QStringLiteral("\n\n");
    int number = 1;
    for (const QuestionRecord &question : questions)
        text += QString::number(number++) + QStringLiteral(". ") + question.text + QStringLiteral("\n\n");
    return text;
}

QString Documents::worksheet(const QString &topicName, const QuestionRecords &questions,
                             const WorksheetContents &contents)
{
    QString text = QCoreApplication::translate("Documents", "Brightsum %1 Worksheet").arg(Topics::shownName(topicName))
        + QLatin1Char('\n')
        + QCoreApplication::translate("Documents", "Created with Brightsum. Visit %1").arg(WebAddress)
        + QStringLiteral("\n\n");
    const QString options = QCoreApplication::translate("Documents", "Options: ");
    const QString clue = QCoreApplication::translate("Documents", "Clue: ");
    const QString answer = QCoreApplication::translate("Documents", "Answer: ");
    int number = 1;
    for (const QuestionRecord &question : questions) {
        text += QString::number(number++) + QStringLiteral(". ") + question.text;
        if (contents.choices)
            text += QLatin1Char('\n') + options + question.choice;
        if (contents.clues)
            text += QLatin1Char('\n') + clue + question.clue;
        if (contents.answers)
            text += QLatin1Char('\n') + answer + QString::number(question.answerValue());
        text += QStringLiteral("\n\n");
    }
    return text;
}

QString Documents::withPdfSuffix(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".pdf")) || fileName.endsWith(QLatin1String(".PDF")))
        return fileName;
    return fileName + QLatin1String(".pdf");
}

namespace {
const QSizeF A4(210, 297);
const QSizeF Letter(215.9, 279.4);
} // namespace

QSizeF Documents::paperOf(QLocale::Territory territory)
{
    // The countries whose locales print on Letter.
    switch (territory) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Philippines:
    case QLocale::PuertoRico: return Letter;
    default: return A4;
    }
}

QSizeF Documents::localPaper()
{
#if defined(__GLIBC__)
    // The sizes of the locale the program runs under, as the C library has them.
    // The C library hands these numbers back in the place of a text's address.
    const auto size = [](nl_item item) {
        return static_cast<unsigned int>(reinterpret_cast<std::uintptr_t>(nl_langinfo(item)));
    };
    // A locale the system lacks leaves the C library in "C", which says A4
    // whatever the desktop asked for: the desktop's country tells then.
    const QByteArray name = setlocale(LC_PAPER, nullptr);
    const unsigned int height = size(_NL_PAPER_HEIGHT);
    const unsigned int width = size(_NL_PAPER_WIDTH);
    if (name != "C" && name != "POSIX" && width > 0 && height > 0)
        return width == 216 && height == 279 ? Letter : A4;
#endif
    return paperOf(QLocale::system().territory());
}
