// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/documents.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

// Asks what goes on a worksheet and whether it is printed or saved as PDF. A new
// dialog starts with only the questions ticked and no way of publishing chosen.
class WorksheetDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Publish { Nothing, Print, Pdf };

    explicit WorksheetDialog(QWidget *parent);

    Documents::WorksheetContents contents() const;
    Publish publish() const;

    QCheckBox *questionsBox() const { return m_questions; }
    QCheckBox *choicesBox() const { return m_choices; }
    QCheckBox *cluesBox() const { return m_clues; }
    QCheckBox *answersBox() const { return m_answers; }
    QRadioButton *printButton() const { return m_print; }
    QRadioButton *pdfButton() const { return m_pdf; }
    QPushButton *createButton() const { return m_create; }
    QPushButton *closeButton() const { return m_close; }

private:
    QWidget *buildContents();
    QWidget *buildPublishMethod();
    QLayout *buildButtons();

    QCheckBox *m_questions = nullptr;
    QCheckBox *m_choices = nullptr;
    QCheckBox *m_clues = nullptr;
    QCheckBox *m_answers = nullptr;
    QRadioButton *m_print = nullptr;
    QRadioButton *m_pdf = nullptr;
    QPushButton *m_create = nullptr;
    QPushButton *m_close = nullptr;
};
