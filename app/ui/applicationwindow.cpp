// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/applicationwindow.h"

#include "app/geometry.h"
#include "app/ui/lazyicon.h"
#include "app/ui/panefocus.h"
#include "app/windowplacement.h"
#include "base/plaintext.h"
#include "base/store/store.h"
#include "base/ui/firstpaint.h"
#include "base/ui/prompts.h"
#include "base/ui/status.h"
#include "exercise/ui/mdiwindow.h"
#include "users/ui/accountwindow.h"
#include "users/ui/adminpassword.h"
#include "users/ui/sidebar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace {
constexpr int StateVersion = 0;
// A new exercise page grows with the workspace up to twice its layout's size.
constexpr double LargestExerciseScale = 2;

QColor colourAt(const Theme &theme, int first)
{
    auto channel = [&](int i) { return std::clamp(theme.colours[static_cast<size_t>(first + i)], 0, 255); };
    return QColor(channel(0), channel(1), channel(2));
}

// Puts the sidebar's controls after those of a workspace child in the tab
// order, so that Tab reads the workspace before the sidebar beside it.
void tabToSidebarAfter(const QWidget *child, const QWidget *sidebar)
{
    QWidget *last = nullptr;
    QList<QWidget *> controls;
    const QWidget *window = sidebar->window();
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (w == child || child->isAncestorOf(w))
            last = w;
        else if (sidebar->isAncestorOf(w))
            controls.append(w);
    }
    if (!last)
        return;
    for (QWidget *control : std::as_const(controls)) {
        QWidget::setTabOrder(last, control);
        last = control;
    }
}
} // namespace

ApplicationWindow::ApplicationWindow()
{
    if (!loadExerciseBank())
        return;
    // The pictures of the first window are read beside the rest of its making.
    FirstPaint::readPicturesAhead(LazyIcon::smallFiles(QStringLiteral("Art/Icons"))
                                  << tileFile() << AccountWindow::logoFile());
    Store::setWriteFailureHandler([this](const QString &problem) { warnStoreNotWritable(problem); });
    Store::setRepairHandler([this](const QList<int> &lines) { tellStoreRepaired(lines); });
    Store::setWaitHandler([this](bool waiting, const QString &holder) { showWaitForOtherProgram(waiting, holder); });
    Store::setBlockingWaitHandler(
        [this](const QString &holder, const std::function<bool()> &finished) { return waitForOtherProgram(holder, finished); });
    Store::setJournalHandler([this](int changes) { tellJournalWritten(changes); });
    setIconSize(QSize(20, 20));
    FirstPaint::setWindowIcon(this, QStringLiteral("Art/Icons/main.png"));
    // Beside the window, but not before its first picture: a school's years of
    // records would otherwise share the processor with it.
    FirstPaint::then(this, this, [] { Store::readNow(); });

    m_workspace = new QMdiArea;
    setCentralWidget(m_workspace);
    connect(m_workspace, &QMdiArea::subWindowActivated, this, &ApplicationWindow::updateMenus);
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setAccessibleName(tr("Workspace"));

    createActions();
    createMenus();
    createToolBar();
    statusBar();
    // Behind the first start's questions too.
    setWorkspaceBackground();

    // A store that is there but cannot be read is not a first start: nothing
    // is asked, and nothing written, until it can be read again.
    const QString unreadable = Store::readProblem();
    const bool firstStart = unreadable.isEmpty() && !Store::contains(Keys::width);
    restoreState(Store::value(Keys::mainWindowState).toByteArray(), StateVersion);
    restoreGeometryFromStore();
    applyToolbarStyle();
    if (isFullScreen())
        m_fullScreenAction->setChecked(true);
    if (firstStart)
        runFirstRunSetup();
    if (!unreadable.isEmpty())
        warnStoreNotReadable(unreadable);

    m_sidebar = new Sidebar(this);
    m_password = new AdminPassword(this, m_sidebar);
    connect(m_sidebar, &Sidebar::myScoresWanted, this, &ApplicationWindow::showMyScores);
    connect(m_sidebar, &Sidebar::scoresWanted, this, &ApplicationWindow::showScores);
    connect(m_sidebar, &Sidebar::myProgressWanted, this, &ApplicationWindow::showMyProgress);
    connect(m_sidebar, &Sidebar::childProgressWanted, this, &ApplicationWindow::showChildProgress);
    connect(m_sidebar, &Sidebar::exportWanted, this, &ApplicationWindow::exportScores);
    connect(m_sidebar, &Sidebar::importWanted, this, &ApplicationWindow::importScores);
    connect(m_sidebar, &Sidebar::sampleTemplateWanted, this, &ApplicationWindow::openSampleTemplate);
    connect(m_sidebar, &Sidebar::practiceWanted, this, &ApplicationWindow::practiseMistakes);
    addDockWidget(Qt::RightDockWidgetArea, m_sidebar);
    restoreDockWidget(m_sidebar); // its place from the state restored above
    if (firstStart) // at its narrowest, leaving the workspace room for an exercise page
        resizeDocks({m_sidebar}, {Sidebar::MinimumWidth}, Qt::Horizontal);
    m_sidebar->showHtmlPageAfterFirstPaint(tr("Welcome"), QStringLiteral("welcome.htm"));
    m_sidebar->setVisible(Store::value(Keys::sidebar, Fallback::sidebarVisible).toBool());
    m_sidebarAction->setChecked(m_sidebar->isVisible());
    new PaneFocus(this, m_workspace, m_sidebar);
    createSharing();

    m_statusLabel = new QLabel;
    m_statusLabel->setTextFormat(Qt::PlainText); // it names the child signed in
    useraccounts();
    // Greeted by name once signed in (doLogin).
    showStatus(m_userName.isEmpty() ? tr("Welcome to Brightsum!") : tr("Welcome to Brightsum, %1!").arg(m_userName));
    statusBar()->addPermanentWidget(m_statusLabel, 0);

    m_started = true;
    m_ready = true;
}

ApplicationWindow::~ApplicationWindow()
{
    Store::setWriteFailureHandler(nullptr);
    Store::setRepairHandler(nullptr);
    Store::setWaitHandler(nullptr);
    Store::setBlockingWaitHandler(nullptr);
    Store::setJournalHandler(nullptr);
    // Child windows closing with the workspace must not reach a half-destroyed main window.
    if (m_workspace)
        disconnect(m_workspace, nullptr, this, nullptr);
}

bool ApplicationWindow::loadExerciseBank()
{
    const QList<int> failed = m_bank.load();
    m_theme = Themes::stored();
    tellQuestionsInEnglish(m_bank.filesInEnglish());
    if (failed.isEmpty())
        return true;

    // Told once, naming every file: a missing folder is seven of them.
    QStringList paths;
    for (int topic : failed)
        paths.append(QDir::toNativeSeparators(QFileInfo(Topics::at(topic).questionFile()).absoluteFilePath()));
    Ask::critical(nullptr, tr("File Reading Error"),
                  tr("A critical data file has been corrupted or deleted.\nTry reinstalling Brightsum. "
                     "Brightsum will now exit.")
                      + QStringLiteral("\n\n")
                      + tr("These files could not be read:\n%1").arg(paths.join(QLatin1Char('\n'))));
    // At start-up the program ends here; later the main window closes as usual,
    // and goes on only when an exercise window refuses to close.
    return m_started && !close();
}

void ApplicationWindow::tellQuestionsInEnglish(const QStringList &files)
{
    // Told once for all the files, and again only when they change: the bank
    // is read again before every exercise.
    if (files == m_toldInEnglish)
        return;
    m_toldInEnglish = files;
    if (files.isEmpty())
        return;
    QStringList paths;
    for (const QString &file : files)
        paths.append(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
    Ask::warning(this, tr("Questions in English"),
                 tr("These question files cannot be used, so their exercises are in English:\n\n%1\n\n"
                    "Reinstalling Brightsum may mend them.")
                     .arg(paths.join(QLatin1Char('\n'))));
}

QString ApplicationWindow::tileFile() const
{
    return QStringLiteral("Art/Tiles/") + m_theme.name + QStringLiteral(".png");
}

void ApplicationWindow::setWorkspaceBackground()
{
    m_workspace->setBackground(QBrush(FirstPaint::picture(tileFile())));
}

void ApplicationWindow::restoreGeometryFromStore()
{
    if (Store::value(Keys::fullscreen, false).toBool()) {
        showFullScreen();
    } else if (Store::value(Keys::maximized, false).toBool()) {
        showMaximized();
    } else {
        setGeometry(Geometry::withinScreens(Store::intValue(Keys::x, Fallback::x), Store::intValue(Keys::y, Fallback::y),
                                            Store::intValue(Keys::width, Fallback::width),
                                            Store::intValue(Keys::height, Fallback::height), screenAreas(),
                                            QPoint(Fallback::x, Fallback::y)));
        show();
    }
    if (!Store::value(Keys::width).isValid() && !isFullScreen() && !isMaximized())
        setGeometry(firstStartGeometry());
}

// Room for one exercise page in its frame beside the sidebar at its narrowest.
QRect ApplicationWindow::firstStartGeometry() const
{
    QMdiArea probe; // never shown: it measures the frame
    auto *window = new QWidget;
    window->setMinimumSize(MDIWindow::PageSize + QSize(0, statusBar()->sizeHint().height()));
    const QMdiSubWindow *frame = probe.addSubWindow(window);
    const int around = 2 * m_workspace->frameWidth();
    const int toolbar = findChild<QToolBar *>(QString(), Qt::FindDirectChildrenOnly)->sizeHint().height();
    const QSize wanted = frame->minimumSizeHint()
                         + QSize(around + Sidebar::MinimumWidth
                                     + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this),
                                 around + menuBar()->sizeHint().height() + toolbar + statusBar()->sizeHint().height());
    return WindowPlacement::firstStart(QRect(Fallback::x, Fallback::y, Fallback::width, Fallback::height), wanted,
                                       QWidget::screen()->availableGeometry());
}

void ApplicationWindow::applyToolbarStyle()
{
    const int style = Store::intValue(Keys::toolbar, Fallback::toolbar);
    if (style >= Qt::ToolButtonIconOnly && style <= Qt::ToolButtonTextUnderIcon)
        setToolButtonStyle(static_cast<Qt::ToolButtonStyle>(style));
}

void ApplicationWindow::saveGeometryToStore()
{
    StoreChange change = StoreChange::setting(Keys::mainWindowState, saveState(StateVersion));
    // After all data were cleared the next start is a first start again.
    if (!m_allDataCleared)
        change.then(geometryChange());
    Store::post(change);
}

StoreChange ApplicationWindow::geometryChange() const
{
    StoreChange change;
    if (isFullScreen()) {
        change.then(StoreChange::setting(Keys::fullscreen, true));
    } else {
        const QRect area = geometry();
        change.then(StoreChange::setting(Keys::width, area.width()))
            .then(StoreChange::setting(Keys::height, area.height()))
            .then(StoreChange::setting(Keys::x, area.x()))
            .then(StoreChange::setting(Keys::y, area.y()))
            .then(StoreChange::setting(Keys::fullscreen, false))
            .then(StoreChange::setting(Keys::maximized, isMaximized()));
    }
    return change.then(StoreChange::setting(Keys::sidebar, !m_sidebar || m_sidebar->isVisible()));
}

QList<QRect> ApplicationWindow::screenAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

void ApplicationWindow::closeEvent(QCloseEvent *event)
{
    saveGeometryToStore();
    const QList<QMdiSubWindow *> children = m_workspace->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *child : children) {
        if (!child->close()) {
            event->ignore();
            return;
        }
    }
    // What another program keeps waiting is waited for, for a while at most,
    // or until the window is closed again; what is still not saved then is
    // kept for the next start.
    m_closing = true;
    if (QWindow *shown = windowHandle())
        shown->installEventFilter(this);
    if (m_waitShown) // now with the way out
        showWaitForOtherProgram(true, m_waitHolder);
    const QList<QWidget *> parts{menuBar(), centralWidget(), m_sidebar,
                                 findChild<QToolBar *>(QString(), Qt::FindDirectChildrenOnly)};
    for (QWidget *part : parts) {
        if (part)
            part->setEnabled(false);
    }
    const Store::Finished finished = Store::finish(Store::LastWaitMs, [this] { return m_leaveNow; });
    m_closing = false;
    if (!finished.problem.isEmpty())
        Ask::warning(this, tr("Settings Not Saved"),
                     tr("Brightsum could not finish saving before it closed, and could not keep what was left "
                        "for the next start either: the last scores or settings are lost.\n\n%1")
                         .arg(finished.problem));
    event->accept();
}

bool ApplicationWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Closed again while it waits to save: it leaves now. The toolkit's own
    // handling of a second close would take the window away meanwhile.
    if (m_closing && watched == windowHandle() && event->type() == QEvent::Close) {
        m_leaveNow = true;
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void ApplicationWindow::endSession()
{
    if (m_closing) {
        m_leaveNow = true;
        return;
    }
    Prompts::install(&Prompts::unattended());
    close();
}

void ApplicationWindow::showStatus(const QString &message)
{
    statusBar()->showMessage(message, StatusTimeout);
}

QMdiSubWindow *ApplicationWindow::addChildWindow(QWidget *window)
{
    // Closed child windows are freed, not kept hidden.
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *frame = m_workspace->addSubWindow(window);
    // The frame shows the window's own icon rather than the main window's.
    frame->setWindowIcon(window->windowIcon());
    window->show();
    // Bounded by what the workspace shows, and placed so that its start is in view.
    const QSize visible = m_workspace->viewport()->size();
    frame->resize(frame->size().boundedTo(visible).expandedTo(frame->minimumSizeHint()));
    frame->move(WindowPlacement::childWindow(frame->geometry(), visible));
    if (m_sidebar)
        tabToSidebarAfter(frame, m_sidebar);
    return frame;
}

QMainWindow *ApplicationWindow::activeMdiChild() const
{
    if (QMdiSubWindow *frame = m_workspace->activeSubWindow())
        return qobject_cast<QMainWindow *>(frame->widget());
    return nullptr;
}

MDIWindow *ApplicationWindow::activeExercise() const
{
    return qobject_cast<MDIWindow *>(activeMdiChild());
}

MDIWindow *ApplicationWindow::openExercise(const QString &topicName, const QString &playerName, int score,
                                           int cluesUsed, int choicesUsed, int currentQuestion,
                                           const QuestionRecords &questions)
{
    const ExerciseLook look{colourAt(m_theme, 0), colourAt(m_theme, 3), colourAt(m_theme, 6), m_theme.name};
    auto *window = new MDIWindow(m_workspace, topicName, playerName, score, cluesUsed, choicesUsed, currentQuestion,
                                 questions, look);
    connect(window, &MDIWindow::exerciseCompleted, m_sidebar, &Sidebar::setUserContent);
    QMdiSubWindow *frame = addChildWindow(window);
    // As large as the workspace shows it whole, small screens and projectors alike.
    const QSize visible = m_workspace->viewport()->size();
    frame->resize(WindowPlacement::scaledFrame(MDIWindow::PageSize, frame->size() - window->page()->size(), visible,
                                               MDIWindow::SmallestScale, LargestExerciseScale));
    frame->move(WindowPlacement::childWindow(frame->geometry(), visible));
    return window;
}

void ApplicationWindow::newTopicExercise(int topic)
{
    if (!loadExerciseBank())
        return;
    openExercise(Topics::at(topic).name, m_userName, 0, 0, 0, 0, m_bank.topic(topic));
    showStatus(Topics::at(topic).shownStatusMessage());
}

void ApplicationWindow::newNumb() { newTopicExercise(Topics::indexOf(QStringLiteral("Number Skills"))); }
void ApplicationWindow::newAddi() { newTopicExercise(Topics::indexOf(QStringLiteral("Addition"))); }
void ApplicationWindow::newSubt() { newTopicExercise(Topics::indexOf(QStringLiteral("Subtraction"))); }
void ApplicationWindow::newMult() { newTopicExercise(Topics::indexOf(QStringLiteral("Multiplication"))); }
void ApplicationWindow::newDivi() { newTopicExercise(Topics::indexOf(QStringLiteral("Division"))); }
void ApplicationWindow::newFrac() { newTopicExercise(Topics::indexOf(QStringLiteral("Fractions"))); }
void ApplicationWindow::newMone() { newTopicExercise(Topics::indexOf(QStringLiteral("Money"))); }

void ApplicationWindow::updateMenus()
{
    const bool hasChild = activeMdiChild() != nullptr;
    for (QAction *action : std::as_const(m_windowCommands))
        action->setEnabled(hasChild);
    m_windowSeparator->setVisible(hasChild);
    m_saveAction->setEnabled(hasChild);
    m_printAction->setEnabled(hasChild);
    m_worksheetAction->setEnabled(hasChild);
}

void ApplicationWindow::updateWindowMenu()
{
    m_windowMenu->clear();
    m_windowMenu->addAction(m_windowCommands.at(0));
    m_windowMenu->addAction(m_windowCommands.at(1));
    m_windowMenu->addSeparator();
    m_windowMenu->addAction(m_windowCommands.at(2));
    m_windowMenu->addAction(m_windowCommands.at(3));
    m_windowMenu->addSeparator();
    m_windowMenu->addAction(m_windowCommands.at(4));
    m_windowMenu->addAction(m_windowCommands.at(5));
    m_windowMenu->addAction(m_windowSeparator);

    const QList<QMdiSubWindow *> windows = m_workspace->subWindowList(QMdiArea::CreationOrder);
    m_windowSeparator->setVisible(!windows.isEmpty());
    const QMainWindow *active = activeMdiChild();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *frame = windows.at(i);
        const QString text = (i < 9 ? tr("&%1. %2") : tr("%1. %2"))
                                 .arg(QString::number(i + 1), PlainText::menuEntry(frame->windowTitle()));
        QAction *entry = m_windowMenu->addAction(text);
        entry->setCheckable(true);
        entry->setChecked(frame->widget() == active);
        connect(entry, &QAction::triggered, this, [this, frame = QPointer<QMdiSubWindow>(frame)] {
            if (frame)
                m_workspace->setActiveSubWindow(frame);
        });
    }
}

void ApplicationWindow::screen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}
