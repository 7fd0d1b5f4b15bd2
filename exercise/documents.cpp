// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/documents.h"

#include "content/topics.h"

#include <QCoreApplication>

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
