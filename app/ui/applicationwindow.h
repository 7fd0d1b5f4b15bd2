// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/themes.h"
#include "content/exercisebank.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class StoreChange;
class QToolButton;
class AccountWindow;
class AdminPassword;
class MDIWindow;
class RecordSharing;
class Sidebar;

// The one main window: a workspace of child windows (exercises, scores, pages,
// clocks, template editors), the commands, the status bar and the sidebar.
class ApplicationWindow : public QMainWindow
{
    Q_OBJECT

public:
    ApplicationWindow();
    ~ApplicationWindow() override;

    // False when a question file could not be read at start-up; the window was
    // never shown and the program ends.
    bool isReady() const { return m_ready; }

    QMdiArea *workspace() const { return m_workspace; }
    const QString &userName() const { return m_userName; }
    const Theme &theme() const { return m_theme; }
    // The command with this text (without "&"), for tests and the sidebar.
    QAction *command(const QString &text) const;
    QMenu *windowMenu() const { return m_windowMenu; }
    QToolButton *newButton() const { return m_newButton; }
    QToolButton *scoresButton() const { return m_scoresButton; }
    Sidebar *sidebar() const { return m_sidebar; }
    AdminPassword *passwordPrompt() const { return m_password; }
    AccountWindow *accountWindow() const;
    // The session is ending (a logout): closes without asking anything, keeping
    // what cannot be saved in time for the next start.
    void endSession();
    // Adds a child window to the workspace and shows it; it is freed when closed.
    QMdiSubWindow *addChildWindow(QWidget *window);

public Q_SLOTS:
    void showMyScores();
    void showScores();
    // One child's progress: the signed-in child's own, or (after the
    // administrator password) the one chosen from the stored names.
    void showMyProgress();
    void showChildProgress();
    // Every score record out to a CSV file, and records from one into the store.
    void exportScores();
    void importScores();
    // Sharing the score records with other computers through a folder: which
    // folder, or none; and a round of sharing now.
    void chooseSharing();
    void shareNow();
    // The questions the signed-in child got wrong, brought back in a practice exercise.
    void practiseMistakes();
    void openSampleTemplate();
    void useraccounts();
    void about();
    void acknowledgements();
    void version();
    void rules();
    void newFromTemplate();
    void chooseFile();
    void printFile();
    void worksheet();
    void saveExe();
    void toolsOptions();
    void toolsTemplateEditor();
    void screen();
    void toggleSidebar();
    void showClock();
    void showDigitalClock();
    void showHelp();
    void showWhatsNew();
    void changeTheme(QAction *action);
    void changeSound(QAction *action);
    // Shows the name signed in (userName()) and the child's own page.
    void doLogin();
    void newMult();
    void newDivi();
    void newFrac();
    void newAddi();
    void newSubt();
    void newMone();
    void newNumb();
    void updateMenus();
    void updateWindowMenu();
    QMainWindow *activeMdiChild() const;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Rereads the question files, the theme and the score count. A file that
    // cannot be read is reported; after start-up the main window then closes.
    bool loadExerciseBank();
    void tellQuestionsInEnglish(const QStringList &files);
    void createActions();
    void createMenus();
    void createToolBar();
    void restoreGeometryFromStore();
    QRect firstStartGeometry() const;
    void applyToolbarStyle();
    QString tileFile() const; // the workspace's picture, of the theme
    void setWorkspaceBackground();
    void warnStoreNotWritable(const QString &problem);
    void warnStoreNotReadable(const QString &problem);
    void tellStoreRepaired(const QList<int> &lines);
    void showWaitForOtherProgram(bool waiting, const QString &holder);
    bool waitForOtherProgram(const QString &holder, const std::function<bool()> &finished);
    void tellJournalWritten(int changes);
    void saveGeometryToStore();
    // Writes the window's geometry as it is now.
    StoreChange geometryChange() const;
    static QList<QRect> screenAreas();

    void newTopicExercise(int topic);
    // Opens a practice of the player's practice box, new or reopened where it
    // was saved; false when the box is empty (which is told kindly) or the
    // question files cannot be read.
    bool openPractice(const QString &player, int score, int cluesUsed, int choicesUsed, int currentQuestion);
    // Tells the child signed in how many questions are due today, if any.
    void tellPracticeDue();
    // Opens an exercise window in the workspace and connects its completion.
    MDIWindow *openExercise(const QString &topicName, const QString &playerName, int score, int cluesUsed,
                            int choicesUsed, int currentQuestion, const QuestionRecords &questions);
    // Asks the adult setting the program up for currency, measures and password.
    void runFirstRunSetup();
    MDIWindow *activeExercise() const;
    // The active exercise; when there is none, the status bar says what to do first.
    MDIWindow *exerciseOrTell();
    // Says in the status bar why a command did nothing, until the next command's tip.
    void tell(const QString &message);
    // Everybody's scores, or the signed-in user's, in a new score window.
    void showScoreWindow(bool onePlayer);
    void showProgress(const QString &player);
    void writeScores(const QString &fileName);
    void createSharing();
    void showStatus(const QString &message);

    bool m_ready = false;
    bool m_started = false;
    bool m_allDataCleared = false;
    bool m_storeWarningShown = false;
    bool m_closing = false;  // saving what is left before the window closes
    bool m_waitShown = false; // for another program that holds the store
    QString m_waitHolder;
    bool m_leaveNow = false; // closed again meanwhile
    ExerciseBank m_bank;
    QStringList m_toldInEnglish; // the files in English the person was told of
    Theme m_theme;
    QString m_userName;
    QString m_told; // the last message tell() showed

    QMdiArea *m_workspace = nullptr;
    QMenu *m_newMenu = nullptr;
    QMenu *m_scoresMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QToolButton *m_newButton = nullptr;
    QToolButton *m_scoresButton = nullptr;
    QActionGroup *m_themeGroup = nullptr;
    QActionGroup *m_soundGroup = nullptr;
    QList<QAction *> m_topicActions;
    QList<QAction *> m_windowCommands;
    QAction *m_windowSeparator = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_worksheetAction = nullptr;
    QAction *m_sidebarAction = nullptr;
    QAction *m_fullScreenAction = nullptr;
    QLabel *m_statusLabel = nullptr;
    Sidebar *m_sidebar = nullptr;
    QPointer<AccountWindow> m_accountWindow;
    std::optional<bool> m_scoresWanted; // a score window asked for while the records are read
    AdminPassword *m_password = nullptr;
    RecordSharing *m_sharing = nullptr;
};
