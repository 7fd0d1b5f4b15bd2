// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDockWidget>
#include <QUrl>

#include <functional>

class AdminPassword;
class QGroupBox;
class QLabel;
class QListWidget;
class QTextBrowser;

// The dock at the right of the main window. It shows one page at a time: the
// signed-in child's page, a page of further tasks after a score or template
// command, or an HTML page from the "HTM" folder. A task that another window
// carries out is asked for by a signal; adults' tasks are signalled only once
// the administrator password has been given.
class Sidebar : public QDockWidget
{
    Q_OBJECT

public:
    static constexpr int MinimumWidth = 250;

    explicit Sidebar(QWidget *parent);

    // Shows an HTML page from the "HTM" folder under a title.
    void showHtmlPage(const QString &title, const QString &fileName);
    // The same, with the page's text laid out once the window has first been
    // painted, unless another page has taken its place by then.
    void showHtmlPageAfterFirstPaint(const QString &title, const QString &fileName);
    void showMyScoresTasks();
    void showTemplateTasks();

    AdminPassword *passwordPrompt() const { return m_password; }
    QWidget *currentPage() const { return widget(); }
    QTextBrowser *htmlPage() const { return m_htmlPage; }
    QListWidget *toDoList() const { return m_toDo; }
    QListWidget *recentList() const { return m_recent; }
    QListWidget *statisticsList() const { return m_statistics; }
    QLabel *nameLabel() const { return m_name; }

Q_SIGNALS:
    void myScoresWanted();
    void scoresWanted();
    void myProgressWanted();
    void childProgressWanted();
    void exportWanted();
    void importWanted();
    void sharingWanted();
    void shareNowWanted();
    void sampleTemplateWanted();
    void practiceWanted();

public Q_SLOTS:
    void setScoreContent();
    void setUserContent(const QString &playerName);
    void clearScores();

private:
    QGroupBox *buildUserPage();
    QWidget *buildTasksPage(const QList<QPair<QString, QString>> &tasks, const QList<std::function<void()>> &actions);
    // A task added at the end of a page of tasks, with its description, in a widget of their own.
    QWidget *addTask(QWidget *tasks, const QString &text, const QString &description, const std::function<void()> &action);
    // The pages of tasks, built when first wanted.
    QWidget *everybodysTasks();
    QWidget *myTasks();
    QWidget *templateTasks();
    QWidget *adopt(QWidget *page); // one of the pages shown in turn, hidden until then
    static QString removalText();
    std::function<void()> asAdult(void (Sidebar::*wanted)());
    void switchTo(QWidget *page, const QString &title);
    void fillUserPage();
    void recordsChanged();

    AdminPassword *m_password = nullptr;
    QGroupBox *m_userPage = nullptr;
    QLabel *m_name = nullptr;
    QListWidget *m_toDo = nullptr;
    QListWidget *m_recent = nullptr;
    QListWidget *m_statistics = nullptr;
    QTextBrowser *m_htmlPage = nullptr;
    QUrl m_htmlAddress;
    QWidget *m_everybodysTasks = nullptr;
    QWidget *m_myTasks = nullptr;
    QWidget *m_templateTasks = nullptr;
    QWidget *m_shareNow = nullptr; // shown while records are shared
    QList<QWidget *> m_pages; // the pages above built so far, one shown at a time
    QString m_player;         // whose page the user page is
    bool m_waitingForRecords = false;
};
