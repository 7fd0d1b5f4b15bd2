// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// Asks which topic and level the template editor's new questions are on, and
// shows the set number, which a teacher may change to make a set again.
class GenerateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GenerateDialog(QWidget *parent);

    // The topic's index in the topic table, and the level, 1 to 3.
    int topic() const;
    int level() const;
    quint32 set() const;
    void choose(int topic, int level, quint32 set);

    QComboBox *topicBox() const { return m_topic; }
    QComboBox *levelBox() const { return m_level; }
    QLineEdit *setBox() const { return m_set; }

private:
    QComboBox *m_topic = nullptr;
    QComboBox *m_level = nullptr;
    QLineEdit *m_set = nullptr;
    QPushButton *m_generate = nullptr;
};
