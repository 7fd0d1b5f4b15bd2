// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/ui/generatedialog.h"

#include "content/generator.h"
#include "content/topics.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
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

    auto *form = new QFormLayout;
    form->addRow(tr("&Topic:"), m_topic);
    form->addRow(tr("&Level:"), m_level);

    auto *note = new QLabel(tr("Twenty new questions, from easier to harder, take the place of the template's "
                               "questions. Nothing is saved until you choose Save."));
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton *generate = buttons->addButton(tr("&Generate"), QDialogButtonBox::AcceptRole);
    generate->setIcon(QIcon(QStringLiteral("Art/Icons/generate.png")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    // Only a button already in the dialog can be its default, which Enter presses.
    generate->setDefault(true);
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

void GenerateDialog::choose(int topic, int level)
{
    m_topic->setCurrentIndex(topic);
    m_level->setCurrentIndex(level - 1);
}
