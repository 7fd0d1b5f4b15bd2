// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/ui/generatedialog.h"

#include "content/generator.h"
#include "content/topics.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

GenerateDialog::GenerateDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Generate Questions"));

    m_topic = new QComboBox;
    m_topic->addItems(Topics::shownNames(Topics::names()));
    m_topic->setAccessibleName(tr("Topic"));
    m_level = new QComboBox;
    for (int level = 1; level <= Generator::LevelCount; ++level)
        m_level->addItem(tr("%1 (%2)").arg(level).arg(Generator::levelAges(level)));
    m_level->setAccessibleName(tr("Level"));
    m_set = new QLineEdit;
    m_set->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,10}")), m_set));
    m_set->setAccessibleName(tr("Set number"));
    m_set->setToolTip(tr("The same topic, level and set number give the same questions again, here and with "
                         "brightsum-generate --seed."));

    auto *form = new QFormLayout;
    form->addRow(tr("&Topic:"), m_topic);
    form->addRow(tr("&Level:"), m_level);
    form->addRow(tr("&Set number:"), m_set);

    auto *note = new QLabel(tr("Twenty new questions, from easier to harder, take the place of the template's "
                               "questions. Nothing is saved until you choose Save. Note the set number to make the "
                               "same set again."));
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_generate = buttons->addButton(tr("&Generate"), QDialogButtonBox::AcceptRole);
    m_generate->setIcon(QIcon(QStringLiteral("Art/Icons/generate.png")));
    // A set number past the largest one there is generates nothing.
    connect(m_set, &QLineEdit::textChanged, this, [this] {
        bool isNumber = false;
        m_set->text().toUInt(&isNumber);
        m_generate->setEnabled(isNumber);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    // Only a button already in the dialog can be its default, which Enter presses.
    m_generate->setDefault(true);
    m_topic->setFocus();
}

int GenerateDialog::topic() const
{
    return m_topic->currentIndex();
}

int GenerateDialog::level() const
{
    return m_level->currentIndex() + 1;
}

quint32 GenerateDialog::set() const
{
    return m_set->text().toUInt();
}

void GenerateDialog::choose(int topic, int level, quint32 set)
{
    m_topic->setCurrentIndex(topic);
    m_level->setCurrentIndex(level - 1);
    m_set->setText(QString::number(set));
}
