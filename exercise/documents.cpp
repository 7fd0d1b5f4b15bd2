// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/documents.h"

QString Documents::exercisePrintout(const QString &topicName, const QuestionRecords &questions)
{
    QString text = QStringLiteral("Brightsum ") + topicName + QStringLiteral(" Exercise\n\n");
    int number = 1;
    for (const QuestionRecord &question : questions)
        text += QString::number(number++) + QStringLiteral(". ") + question.text + QStringLiteral("\n\n");
    return text;
}

QString Documents::worksheet(const QString &topicName, const QuestionRecords &questions,
                             const WorksheetContents &contents)
{
    QString text = QStringLiteral("Brightsum ") + topicName + QStringLiteral(" Worksheet\n")
        + QStringLiteral("Created with Brightsum. Visit ") + WebAddress + QStringLiteral("\n\n");
    int number = 1;
    for (const QuestionRecord &question : questions) {
        text += QString::number(number++) + QStringLiteral(". ") + question.text;
        if (contents.choices)
            text += QStringLiteral("\nOptions: ") + question.choice;
        if (contents.clues)
            text += QStringLiteral("\nClue: ") + question.clue;
        if (contents.answers)
            text += QStringLiteral("\nAnswer: ") + QString::number(question.answerValue());
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
