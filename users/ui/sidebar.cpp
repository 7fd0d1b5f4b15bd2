// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/sidebar.h"

#include "base/language.h"
#include "base/store/store.h"
#include "base/ui/firstpaint.h"
#include "base/ui/prompts.h"
#include "content/topics.h"
#include "users/accounts.h"
#include "users/clearing.h"
#include "users/recordsharing.h"
#include "users/scorebook.h"
#include "users/ui/adminpassword.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QGroupBox *listGroup(const QString &title, QListWidget *list, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(list);
    list->setAccessibleName(title);
    return group;
}

} // namespace

Sidebar::Sidebar(QWidget *parent)
    : QDockWidget(tr("Sidebar"), parent)
{
    setObjectName(QStringLiteral("Sidebar"));
    m_password = new AdminPassword(this);
    // It can be floated, but neither closed from its title bar nor moved to another side.
    setFeatures(QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::RightDockWidgetArea);

    m_userPage = buildUserPage();
    setMinimumWidth(MinimumWidth);

    m_htmlPage = new QTextBrowser(this);
    m_htmlPage->setSearchPaths(Language::searchPaths(QStringLiteral("HTM")));
    m_htmlPage->setAccessibleName(tr("Page"));

    // The pages of tasks are built when first shown: their descriptions' line
    // breaks are worked out as they are built, which would slow the start.
    m_pages = {m_userPage, m_htmlPage};
    for (QWidget *page : std::as_const(m_pages))
        page->hide();
    connect(&StoreEvents::instance(), &StoreEvents::recordsChanged, this, &Sidebar::recordsChanged);
}

QString Sidebar::removalText()
{
    return tr("Remove all scores saved on this computer. This will also delete Brightsum's record of completed "
              "exercises for each user.");
}

std::function<void()> Sidebar::asAdult(void (Sidebar::*wanted)())
{
    // Adults' tasks ask for the administrator password first, as clearing does.
    return [this, wanted] {
        if (m_password->checkPassword())
            Q_EMIT (this->*wanted)();
    };
}

QWidget *Sidebar::everybodysTasks()
{
    if (!m_everybodysTasks) {
        m_everybodysTasks = buildTasksPage(
            {{tr("View My Scores"),
              tr("View scores that have been saved by Brightsum for exercises you have completed.")},
             {tr("Clear Saved Scores"), removalText()},
             {tr("View a Child's Progress..."),
              tr("See how one child's scores have changed over time, topic by topic, and print them as a report.")},
             {tr("Export Scores..."),
              tr("Save every score record to a CSV file, to open in a spreadsheet or to take to another computer.")},
             {tr("Import Scores..."),
              tr("Add the score records of a CSV file exported on another computer. Records already here are not "
                 "added twice.")}},
            {[this] { Q_EMIT myScoresWanted(); }, [this] { clearScores(); }, asAdult(&Sidebar::childProgressWanted),
             asAdult(&Sidebar::exportWanted), asAdult(&Sidebar::importWanted)});
        addTask(m_everybodysTasks, tr("Share Records with Other Computers..."),
                tr("Keep one record book for a room of computers, through a shared folder they all reach. "
                   "Passwords and options stay on each computer."),
                asAdult(&Sidebar::sharingWanted));
        m_shareNow = addTask(m_everybodysTasks, tr("Share Now"),
                             tr("Read the records of the other computers now, and share this computer's."),
                             [this] { Q_EMIT shareNowWanted(); });
        adopt(m_everybodysTasks);
    }
    return m_everybodysTasks;
}

QWidget *Sidebar::myTasks()
{
    if (!m_myTasks) {
        m_myTasks = buildTasksPage(
            {{tr("View Everybody's Scores"),
              tr("View scores that have been saved by Brightsum for exercises completed by all Brightsum users.")},
             {tr("Clear Saved Scores"), removalText()},
             {tr("View My Progress"), tr("See how your scores have changed over time, topic by topic.")},
             {tr("Practise My Mistakes"),
              tr("Answer again the questions you got wrong. Each one comes back after a day, then after longer and "
                 "longer, until you know it.")}},
            {[this] { Q_EMIT scoresWanted(); }, [this] { clearScores(); }, [this] { Q_EMIT myProgressWanted(); },
             [this] { Q_EMIT practiceWanted(); }});
        adopt(m_myTasks);
    }
    return m_myTasks;
}

QWidget *Sidebar::templateTasks()
{
    if (!m_templateTasks) {
        m_templateTasks = buildTasksPage(
            {{tr("Open Sample Template"),
              tr("Learn how to use the Template Editor by opening a sample template for editing.")}},
            {[this] { Q_EMIT sampleTemplateWanted(); }});
        adopt(m_templateTasks);
    }
    return m_templateTasks;
}

QWidget *Sidebar::adopt(QWidget *page)
{
    page->hide();
    m_pages.append(page);
    return page;
}

QGroupBox *Sidebar::buildUserPage()
{
    auto *page = new QGroupBox(this);
    page->setAccessibleName(tr("Your page"));
    auto *layout = new QVBoxLayout(page);
    m_name = new QLabel(page);
    // A name is shown as it was typed: as rich text, a name such as
    // <img src="..."> would read a file and show it in the name's place.
    m_name->setTextFormat(Qt::PlainText);
    m_name->setAlignment(Qt::AlignRight);
    m_name->setFont(QFont(QStringLiteral("Arial"), 20));
    // Named by the name it shows.
    m_name->setAccessibleDescription(tr("Player name"));
    layout->addWidget(m_name);
    m_toDo = new QListWidget(page);
    m_recent = new QListWidget(page);
    m_statistics = new QListWidget(page);
    layout->addWidget(listGroup(tr("Exercises to be completed"), m_toDo, page));
    layout->addWidget(listGroup(tr("Recently completed exercises"), m_recent, page));
    layout->addWidget(listGroup(tr("Performance statistics"), m_statistics, page));
    return page;
}

QWidget *Sidebar::buildTasksPage(const QList<QPair<QString, QString>> &tasks,
                                 const QList<std::function<void()>> &actions)
{
    // A short window, or a language of longer words, scrolls the tasks rather than cutting them off.
    auto *scroller = new QScrollArea(this);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFocusPolicy(Qt::NoFocus);
    auto *page = new QGroupBox(tr("Additional tasks"), scroller);
    auto *layout = new QVBoxLayout(page);
    for (qsizetype i = 0; i < tasks.size(); ++i) {
        auto *button = new QPushButton(tasks.at(i).first, page);
        auto *label = new QLabel(tasks.at(i).second, page);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignJustify);
        button->setAccessibleDescription(tasks.at(i).second);
        connect(button, &QPushButton::clicked, this, actions.at(i));
        layout->addWidget(button);
        layout->addWidget(label);
    }
    layout->addStretch();
    scroller->setWidget(page);
    return scroller;
}

QWidget *Sidebar::addTask(QWidget *tasks, const QString &text, const QString &description,
                          const std::function<void()> &action)
{
    QWidget *page = static_cast<QScrollArea *>(tasks)->widget();
    auto *task = new QWidget(page);
    auto *layout = new QVBoxLayout(task);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *button = new QPushButton(text, task);
    auto *label = new QLabel(description, task);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignJustify);
    button->setAccessibleDescription(description);
    connect(button, &QPushButton::clicked, this, action);
    layout->addWidget(button);
    layout->addWidget(label);
    // Before the stretch that keeps the tasks at the top.
    auto *tasksLayout = static_cast<QVBoxLayout *>(page->layout());
    tasksLayout->insertWidget(tasksLayout->count() - 1, task);
    return task;
}

void Sidebar::switchTo(QWidget *page, const QString &title)
{
    for (QWidget *other : std::as_const(m_pages)) {
        if (other != page)
            other->hide();
    }
    if (!title.isNull())
        setWindowTitle(title);
    page->show();
    setWidget(page);
}

void Sidebar::showHtmlPage(const QString &title, const QString &fileName)
{
    m_htmlAddress = QUrl(fileName);
    m_htmlPage->setSource(m_htmlAddress);
    m_htmlPage->setWindowTitle(title);
    switchTo(m_htmlPage, title);
}

void Sidebar::showHtmlPageAfterFirstPaint(const QString &title, const QString &fileName)
{
    showHtmlPage(title, QString());
    FirstPaint::then(window(), this, [this, title, fileName] {
        if (currentPage() == m_htmlPage && m_htmlAddress.isEmpty())
            showHtmlPage(title, fileName);
    });
}

void Sidebar::setScoreContent()
{
    everybodysTasks();
    m_shareNow->setVisible(!RecordSharing::folder().isEmpty());
    switchTo(m_everybodysTasks, tr("Everybody's Scores"));
}

void Sidebar::showMyScoresTasks()
{
    switchTo(myTasks(), tr("My Scores"));
}

void Sidebar::showTemplateTasks()
{
    switchTo(templateTasks(), tr("Template Editor"));
}

void Sidebar::setUserContent(const QString &playerName)
{
    m_userPage->hide();
    m_player = playerName;
    // The records may still be being read, beside the window: the page shows
    // once they are.
    m_waitingForRecords = !ScoreBook::isRead();
    if (m_waitingForRecords)
        return;
    fillUserPage();
    switchTo(m_userPage, tr("Sidebar"));
}

void Sidebar::recordsChanged()
{
    if (m_waitingForRecords) {
        m_waitingForRecords = false;
        fillUserPage();
        switchTo(m_userPage, tr("Sidebar"));
    } else if (currentPage() == m_userPage) {
        fillUserPage(); // records written by another program
    }
}

void Sidebar::fillUserPage()
{
    const QString &playerName = m_player;
    const QList<ScoreRecord> &records = ScoreBook::records();
    m_name->setText(playerName);

    m_toDo->clear();
    m_toDo->addItems(Topics::shownNames(Accounts::toDo(playerName)));
    m_recent->clear();
    m_recent->addItems(Topics::shownNames(ScoreBook::recentTopicsOf(records, playerName)));

    const ScoreBook::Totals totals = ScoreBook::totalsOf(records, playerName);
    m_statistics->clear();
    m_statistics->addItem(tr("Number of clues used: %1").arg(totals.clues));
    m_statistics->addItem(tr("Number of choices used: %1").arg(totals.choices));
    m_statistics->addItem(tr("Total score: %1").arg(totals.score));
}

void Sidebar::clearScores()
{
    if (!m_password->checkPassword())
        return;
    if (Clearing::clear(Clearing::What::Scores))
        Ask::information(this, tr("Saved Scores"), tr("All saved scores have been cleared."));
    else
        Ask::warning(this, tr("Scores Not Cleared"),
                     tr("The saved scores could not be cleared: Brightsum cannot write its settings on this "
                        "computer. Every score is still stored."));
}
