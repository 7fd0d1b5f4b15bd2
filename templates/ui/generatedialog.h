// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;

// Asks which topic and level the template editor's new questions are on.
class GenerateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GenerateDialog(QWidget *parent);

    // The topic's index in the topic table, and the level, 1 to 3.
    int topic() const;
    int level() const;
    void choose(int topic, int level);

    QComboBox *topicBox() const { return m_topic; }
    QComboBox *levelBox() const { return m_level; }

private:
    QComboBox *m_topic = nullptr;
    QComboBox *m_level = nullptr;
};
