// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QMainWindow;
class QPushButton;
class QWidget;

// An exercise window's reading aloud: the "Read Aloud" toggle, remembered for
// each child, and a key that says the question again. While it is on, what
// the window tells it is said in the program's language; it starts off, so
// that a screen reader's user does not hear everything twice.
class ReadAloud : public QObject
{
    Q_OBJECT

public:
    // The toggle is made on `page`; the keys work wherever the focus is in
    // `window`, whose status bar says when speech is not available.
    ReadAloud(QMainWindow *window, QWidget *page, const QString &player);
    ~ReadAloud() override;

    QPushButton *toggle() const { return m_toggle; }

    // The question now asked, said after `before` (what just happened).
    void ask(const QString &question, const QString &before = QString());
    // Any other text: a clue, a choice line, a message.
    void tell(const QString &text);
    // Says the question again, also while reading aloud is off.
    void repeat();

private:
    void switched(bool on);
    void speak(const QString &text);

    QMainWindow *m_window;
    QString m_player;
    QString m_question;
    QPushButton *m_toggle;
};
