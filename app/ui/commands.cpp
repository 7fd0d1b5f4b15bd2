// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window, its menus and its toolbar.

#include "app/ui/applicationwindow.h"

#include "app/themes.h"
#include "app/ui/lazyicon.h"
#include "base/ui/status.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>

namespace {

struct CommandEntry
{
    const char *text;
    const char *shortcut;
    const char *icon;
    const char *statusTip;
    const char *whatsThis;
};

QIcon icon(const char *file)
{
    return LazyIcon::fromFile(QStringLiteral("Art/Icons/") + QLatin1String(file));
}

} // namespace

// Builds one command: its text, shortcut, icon, tips and the slot it triggers.
template<typename Slot>
static QAction *makeCommand(ApplicationWindow *window, const CommandEntry &entry, Slot slot)
{
    auto *action = new QAction(ApplicationWindow::tr(entry.text), window);
    action->setObjectName(QString::fromLatin1(entry.text).remove(QLatin1Char('&')));
    if (*entry.shortcut)
        action->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
    if (*entry.icon)
        action->setIcon(icon(entry.icon));
    if (*entry.statusTip)
        action->setStatusTip(ApplicationWindow::tr(entry.statusTip));
    if (*entry.whatsThis)
        action->setWhatsThis(ApplicationWindow::tr(entry.whatsThis));
    QObject::connect(action, &QAction::triggered, window, slot);
    return action;
}

QAction *ApplicationWindow::command(const QString &text) const
{
    return findChild<QAction *>(QString(text).remove(QLatin1Char('&')));
}

void ApplicationWindow::createActions()
{
    // One command per topic, in the topics' order, each opening an exercise of it
    // as newNumb() to newMone() do.
    for (int i = 0; i < Topics::count; ++i) {
        const Topic &topic = Topics::at(i);
        const QByteArray text = topic.command.toLatin1();
        const QByteArray tip = topic.commandTip.toLatin1();
        const QByteArray shortcut = "Ctrl+" + QByteArray::number(i + 1);
        const QByteArray iconFile = topic.name.toLower().toLatin1() + "Icon.png";
        m_topicActions.append(makeCommand(this, {text.constData(), shortcut.constData(), iconFile.constData(),
                                                 tip.constData(), ""},
                                          [this, i] { newTopicExercise(i); }));
    }

    makeCommand(this,
                {QT_TR_NOOP("New from Template..."), "Ctrl+N", "new.png", QT_TR_NOOP("Creates a new exercise from an exercise template"),
                 QT_TR_NOOP("Click this button to start a new exercise from an exercise template")},
                &ApplicationWindow::newFromTemplate);
    makeCommand(this,
                {QT_TR_NOOP("Open..."), "Ctrl+O", "open.png", QT_TR_NOOP("Opens a previously saved exercise"),
                 QT_TR_NOOP("Click this button to open a previously saved Brightsum exercise (*.dat) file from your hard disk "
                 "drive.")},
                &ApplicationWindow::chooseFile);
    m_saveAction = makeCommand(this,
                               {QT_TR_NOOP("Save"), "Ctrl+S", "save.png", QT_TR_NOOP("Saves the currently active exercise"),
                                QT_TR_NOOP("Click this button to save a currently active Brightsum exercise (*.dat) to your "
                                "hard disk drive so that it can be opened in a later session.")},
                               &ApplicationWindow::saveExe);
    m_printAction = makeCommand(this,
                                {QT_TR_NOOP("Print..."), "Ctrl+P", "print.png",
                                 QT_TR_NOOP("Prints the question set of the currently active exercise"),
                                 QT_TR_NOOP("Click this button to print the questions of a currently active Brightsum exercise "
                                 "using your printer.")},
                                &ApplicationWindow::printFile);
    makeCommand(this,
                {QT_TR_NOOP("Change User"), "", "",
                 QT_TR_NOOP("Sign out of your user account to allow somebody else to use Brightsum from their account"), ""},
                &ApplicationWindow::useraccounts);
    makeCommand(this, {QT_TR_NOOP("Exit"), "", "", "", ""}, &ApplicationWindow::close);
    makeCommand(this,
                {QT_TR_NOOP("Rules..."), "Ctrl+R", "rules.png", QT_TR_NOOP("Displays Brightsum rules and scoring system"),
                 QT_TR_NOOP("Click this button to display rules concerned with scoring points and clue and choice limitations "
                 "in Brightsum.")},
                &ApplicationWindow::rules);
    makeCommand(this,
                {QT_TR_NOOP("Everybody's Scores"), "", "", QT_TR_NOOP("Displays scores of all users"),
                 QT_TR_NOOP("Click this button to display all scores that have been saved on this computer by users who have "
                 "finished Brightsum exercises previously.")},
                &ApplicationWindow::showScores);
    makeCommand(this,
                {QT_TR_NOOP("My Scores"), "", "", QT_TR_NOOP("Displays scores of the current user"),
                 QT_TR_NOOP("Click this button to display scores that have been saved on this computer by the current user "
                 "only.")},
                &ApplicationWindow::showMyScores);
    makeCommand(this,
                {QT_TR_NOOP("Analog Clock"), "Ctrl+C", "clock.png", QT_TR_NOOP("Displays an analog clock"),
                 QT_TR_NOOP("Click this button to display an analog clock showing the current time as part of the workspace.")},
                &ApplicationWindow::showClock);
    makeCommand(this,
                {QT_TR_NOOP("Digital Clock"), "", "digitalclock.png", QT_TR_NOOP("Displays a digital clock"),
                 QT_TR_NOOP("Click this button to display a digital clock showing the current time as part of the workspace.")},
                &ApplicationWindow::showDigitalClock);
    m_sidebarAction = makeCommand(this,
                                  {QT_TR_NOOP("Sidebar"), "", "sidebar.png", QT_TR_NOOP("Toggles sidebar visibility"),
                                   QT_TR_NOOP("Click this button to set whether the sidebar is visible or hiddle.")},
                                  &ApplicationWindow::toggleSidebar);
    m_sidebarAction->setCheckable(true);
    m_fullScreenAction = makeCommand(this,
                                     {QT_TR_NOOP("Full Screen"), "Ctrl+F", "screen.png", QT_TR_NOOP("Toggles full screen mode"),
                                      QT_TR_NOOP("Click this button to set whether full screen mode is enabled or disabled.")},
                                     &ApplicationWindow::screen);
    m_fullScreenAction->setCheckable(true);

    m_windowCommands = {
        makeCommand(this, {QT_TR_NOOP("Cl&ose"), "Ctrl+F4", "", QT_TR_NOOP("Close the active window"), ""}, [this] {
            m_workspace->closeActiveSubWindow();
        }),
        makeCommand(this, {QT_TR_NOOP("Close &All"), "", "", QT_TR_NOOP("Close all the windows"), ""}, [this] {
            m_workspace->closeAllSubWindows();
        }),
        makeCommand(this, {QT_TR_NOOP("&Tile"), "", "", QT_TR_NOOP("Tile the windows"), ""}, [this] { m_workspace->tileSubWindows(); }),
        makeCommand(this, {QT_TR_NOOP("&Cascade"), "", "", QT_TR_NOOP("Cascade the windows"), ""}, [this] {
            m_workspace->cascadeSubWindows();
        }),
        makeCommand(this, {QT_TR_NOOP("Ne&xt"), "Ctrl+F6", "", QT_TR_NOOP("Move the focus to the next window"), ""}, [this] {
            m_workspace->activateNextSubWindow();
        }),
        makeCommand(this, {QT_TR_NOOP("Pre&vious"), "Ctrl+Shift+F6", "", QT_TR_NOOP("Move the focus to the previous window"), ""}, [this] {
            m_workspace->activatePreviousSubWindow();
        }),
    };
    m_windowSeparator = new QAction(this);
    m_windowSeparator->setSeparator(true);

    m_themeGroup = new QActionGroup(this);
    for (const Theme &theme : Themes::all()) {
        auto *action = new QAction(LazyIcon::fromFile(theme.tile()), tr(qPrintable(theme.name)), m_themeGroup);
        action->setObjectName(theme.name);
    }
    connect(m_themeGroup, &QActionGroup::triggered, this, &ApplicationWindow::changeTheme);
    m_soundGroup = new QActionGroup(this);
    for (const SoundSet &set : Themes::soundSets()) {
        auto *action = new QAction(tr(qPrintable(set.menuText)), m_soundGroup);
        action->setObjectName(set.menuText);
    }
    connect(m_soundGroup, &QActionGroup::triggered, this, &ApplicationWindow::changeSound);

    makeCommand(this,
                {QT_TR_NOOP("Template Editor..."), "", "templateeditor.png",
                 QT_TR_NOOP("Launches the Template Editor to create and edit exercise templates"),
                 QT_TR_NOOP("Click this button to create and edit exercise templates using the Template Editor")},
                &ApplicationWindow::toolsTemplateEditor);
    m_worksheetAction = makeCommand(this,
                                    {QT_TR_NOOP("Worksheet Creator..."), "", "worksheet.png",
                                     QT_TR_NOOP("Convert the active exercise to a math worksheet that can be printed or saved "
                                     "as PDF"),
                                     QT_TR_NOOP("Use the Worksheet Creator to create a math worksheet from the active exercise "
                                     "for printing or saving to PDF")},
                                    &ApplicationWindow::worksheet);
    makeCommand(this,
                {QT_TR_NOOP("Options..."), "Ctrl+K", "options.png", QT_TR_NOOP("Displays the options dialog"),
                 QT_TR_NOOP("Click this button to display the Brightsum options and customize Brightsum")},
                &ApplicationWindow::toolsOptions);
    makeCommand(this,
                {QT_TR_NOOP("Help..."), "F1", "contents.png", QT_TR_NOOP("Displays help contents"),
                 QT_TR_NOOP("Click this button to learn more about the software you love.")},
                &ApplicationWindow::showHelp);
    QAction *whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName(QStringLiteral("What's This?"));
    makeCommand(this,
                {QT_TR_NOOP("What's New?..."), "F2", "", QT_TR_NOOP("Displays a list of new features in Brightsum"),
                 QT_TR_NOOP("Click this button to learn more about the new features introduced in this version of Brightsum.")},
                &ApplicationWindow::showWhatsNew);
    makeCommand(this,
                {QT_TR_NOOP("Version..."), "Ctrl+V", "version.png", QT_TR_NOOP("Displays version information and checks for updates"),
                 QT_TR_NOOP("Click this button to display information about the exact version and build of this edition of "
                 "Brightsum.")},
                &ApplicationWindow::version);
    makeCommand(this,
                {QT_TR_NOOP("Thanks..."), "Ctrl+T", "acknowledgements.png", QT_TR_NOOP("Displays acknowledgements"),
                 QT_TR_NOOP("Click this button to display acknowledgements information about this edition of Brightsum.")},
                &ApplicationWindow::acknowledgements);
    makeCommand(this,
                {QT_TR_NOOP("About..."), "Ctrl+A", "about.png", QT_TR_NOOP("Displays about information"),
                 QT_TR_NOOP("Click this button to display contact information and information about this edition of "
                 "Brightsum.")},
                &ApplicationWindow::about);
}

void ApplicationWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    m_newMenu = file->addMenu(tr("&New"));
    m_newMenu->addActions(m_topicActions);
    file->addAction(command(QStringLiteral("New from Template...")));
    file->addAction(command(QStringLiteral("Open...")));
    file->addSeparator();
    file->addAction(m_saveAction);
    file->addSeparator();
    file->addAction(m_printAction);
    file->addSeparator();
    file->addAction(command(QStringLiteral("Change User")));
    file->addSeparator();
    file->addAction(command(QStringLiteral("Exit")));

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->addAction(command(QStringLiteral("Rules...")));
    m_scoresMenu = view->addMenu(tr("&Scores"));
    m_scoresMenu->addAction(command(QStringLiteral("Everybody's Scores")));
    m_scoresMenu->addAction(command(QStringLiteral("My Scores")));
    view->addAction(command(QStringLiteral("Analog Clock")));
    view->addAction(command(QStringLiteral("Digital Clock")));
    view->addSeparator();
    view->addAction(m_sidebarAction);
    view->addAction(m_fullScreenAction);

    m_windowMenu = menuBar()->addMenu(tr("&Window"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &ApplicationWindow::updateWindowMenu);
    updateWindowMenu();

    menuBar()->addMenu(tr("&Themes"))->addActions(m_themeGroup->actions());
    menuBar()->addMenu(tr("&Sounds"))->addActions(m_soundGroup->actions());

    QMenu *tools = menuBar()->addMenu(tr("&Tools"));
    tools->addAction(command(QStringLiteral("Template Editor...")));
    tools->addAction(m_worksheetAction);
    tools->addSeparator();
    tools->addAction(command(QStringLiteral("Options...")));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(command(QStringLiteral("Help...")));
    help->addAction(command(QStringLiteral("What's New?...")));
    help->addSeparator();
    help->addAction(command(QStringLiteral("Version...")));
    help->addAction(command(QStringLiteral("Thanks...")));
    help->addAction(command(QStringLiteral("About...")));
}

void ApplicationWindow::createToolBar()
{
    auto popupButton = [this](const char *title, const char *iconFile, const char *tip, QMenu *menu) {
        auto *button = new QToolButton(this);
        button->setIconSize(QSize(20, 20));
        button->setPopupMode(QToolButton::InstantPopup);
        button->setIcon(icon(iconFile));
        button->setWindowTitle(tr(title));
        button->setText(tr(title));
        button->setAccessibleName(tr(title));
        button->setStatusTip(tr(tip));
        button->setToolTip(tr(title));
        button->setMenu(menu);
        connect(this, &QMainWindow::toolButtonStyleChanged, button, &QToolButton::setToolButtonStyle);
        return button;
    };
    m_newButton = popupButton(QT_TR_NOOP("New"), "new.png", QT_TR_NOOP("Begins a new exercise"), m_newMenu);
    m_scoresButton = popupButton(QT_TR_NOOP("Scores"), "scores.png", QT_TR_NOOP("Displays high scores"), m_scoresMenu);

    QToolBar *toolbar = new QToolBar(tr("Standard Toolbar"), this);
    toolbar->setObjectName(QStringLiteral("Standard Toolbar"));
    addToolBar(toolbar);
    toolbar->addWidget(m_newButton);
    toolbar->addAction(command(QStringLiteral("Open...")));
    toolbar->addAction(m_saveAction);
    toolbar->addAction(m_printAction);
    toolbar->addSeparator();
    toolbar->addAction(command(QStringLiteral("Rules...")));
    toolbar->addWidget(m_scoresButton);
    toolbar->addAction(command(QStringLiteral("Analog Clock")));
    toolbar->addAction(m_sidebarAction);
    toolbar->addAction(m_fullScreenAction);
    toolbar->addSeparator();
    toolbar->addAction(command(QStringLiteral("Template Editor...")));
    toolbar->addAction(m_worksheetAction);
    toolbar->addAction(command(QStringLiteral("Options...")));
    toolbar->addSeparator();
    toolbar->addAction(command(QStringLiteral("Help...")));
    toolbar->addAction(command(QStringLiteral("What's This?")));
    toolbar->addSeparator();
    toolbar->addAction(command(QStringLiteral("Version...")));
    toolbar->addAction(command(QStringLiteral("Thanks...")));
    toolbar->addAction(command(QStringLiteral("About...")));
}

void ApplicationWindow::changeTheme(QAction *action)
{
    for (const Theme &theme : Themes::all()) {
        if (theme.name != action->objectName())
            continue;
        Themes::store(theme);
        m_workspace->setBackground(QBrush(QPixmap(theme.tile())));
        statusBar()->showMessage(tr("Theme set to %1").arg(tr(qPrintable(theme.name))), StatusTimeout);
        loadExerciseBank();
        return;
    }
}

void ApplicationWindow::changeSound(QAction *action)
{
    for (const SoundSet &set : Themes::soundSets()) {
        if (set.menuText != action->objectName())
            continue;
        Themes::storeSoundSet(set);
        statusBar()->showMessage(tr("Sounds set to %1").arg(tr(qPrintable(set.value))), StatusTimeout);
        return;
    }
}
