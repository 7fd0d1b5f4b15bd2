// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ui/worksheetdialog.h"

#include "base/ui/forms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>


WorksheetDialog::WorksheetDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Worksheet Creator"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildContents());
    layout->addWidget(buildPublishMethod());
    layout->addLayout(buildButtons());
    layout->addStretch();
    setMinimumWidth(std::max(layout->minimumSize().width(), Forms::widthForTitle(this)));
}

QWidget *WorksheetDialog::buildContents()
{
    auto *group = new QGroupBox(tr("Worksheet Contents"), this);
    m_questions = new QCheckBox(tr("Questions"), group);
    m_choices = new QCheckBox(tr("Answer Choices"), group);
    m_clues = new QCheckBox(tr("Clues"), group);
    m_answers = new QCheckBox(tr("Answers"), group);
    // The questions are always on the sheet.
    m_questions->setChecked(true);
    m_questions->setEnabled(false);

    auto *column = new QVBoxLayout(group);
    for (QCheckBox *box : {m_questions, m_choices, m_clues, m_answers})
        column->addWidget(box);
    return group;
}

QWidget *WorksheetDialog::buildPublishMethod()
{
    auto *group = new QGroupBox(tr("Publish Method"), this);
    // Siblings in one group exclude each other; neither is chosen at first.
    m_print = new QRadioButton(tr("&Print"), group);
    m_pdf = new QRadioButton(tr("&Save as PDF"), group);
    m_print->setAccessibleDescription(tr("Sends the worksheet to a printer"));
    m_pdf->setAccessibleDescription(tr("Writes the worksheet to a PDF file"));

    auto *column = new QVBoxLayout(group);
    column->addWidget(m_print);
    column->addWidget(m_pdf);
    return group;
}

QLayout *WorksheetDialog::buildButtons()
{
    m_create = new QPushButton(tr("&Create"), this);
    m_close = new QPushButton(tr("Close"), this);
    m_create->setDefault(true);
    m_create->setAccessibleDescription(tr("Creates the worksheet in the chosen way"));
    connect(m_create, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_create);
    row->addWidget(m_close);
    return row;
}

Documents::WorksheetContents WorksheetDialog::contents() const
{
    return {m_choices->isChecked(), m_clues->isChecked(), m_answers->isChecked()};
}

WorksheetDialog::Publish WorksheetDialog::publish() const
{
    if (m_pdf->isChecked())
        return Publish::Pdf;
    if (m_print->isChecked())
        return Publish::Print;
    return Publish::Nothing;
}
