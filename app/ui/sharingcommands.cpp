// SPDX-License-Identifier: GPL-3.0-or-later
// Sharing the score records with the other computers of a room, through a folder they all reach.

#include "app/ui/applicationwindow.h"

#include "base/recentfolders.h"
#include "base/ui/prompts.h"
#include "users/recordsharing.h"
#include "users/sharedfolder.h"
#include "users/ui/sidebar.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

void ApplicationWindow::createSharing()
{
    m_sharing = new RecordSharing(this);
    // A problem stays in view until something else is told.
    connect(m_sharing, &RecordSharing::told, this, [this](const QString &message) { statusBar()->showMessage(message); });
    connect(m_sidebar, &Sidebar::sharingWanted, this, &ApplicationWindow::chooseSharing);
    connect(m_sidebar, &Sidebar::shareNowWanted, this, &ApplicationWindow::shareNow);
    m_sharing->restart();
}

void ApplicationWindow::chooseSharing()
{
    const QString current = RecordSharing::folder();
    if (!current.isEmpty()) {
        QMessageBox box(QMessageBox::Question, tr("Share Records with Other Computers"),
                        tr("This computer shares its score records through the folder %1.")
                            .arg(QDir::toNativeSeparators(current)),
                        QMessageBox::Cancel, this);
        box.setTextFormat(Qt::PlainText);
        QPushButton *another = box.addButton(tr("Choose Another Folder..."), QMessageBox::AcceptRole);
        QPushButton *stop = box.addButton(tr("Stop Sharing"), QMessageBox::DestructiveRole);
        box.setDefaultButton(another);
        Prompts::current().exec(box);
        if (box.clickedButton() == stop) {
            if (RecordSharing::setFolder({})) {
                m_sharing->restart();
                m_sidebar->setScoreContent();
                Ask::information(this, tr("Sharing Stopped"),
                                 tr("This computer no longer shares its score records. Every record it holds stays "
                                    "here, those that came from other computers too."));
            }
            return;
        }
        if (box.clickedButton() != another)
            return;
    }
    const QString folder = Prompts::current().folderName(this, tr("Share Records with Other Computers"),
                                                         current.isEmpty() ? RecentFolders::documentsFolder() : current);
    if (folder.isEmpty())
        return;
    if (const QString problem = SharedFolder::problemWith(folder); !problem.isEmpty()) {
        Ask::warning(this, tr("Records Not Shared"),
                     tr("The score records cannot be shared through the folder %1.\n\n%2")
                         .arg(QDir::toNativeSeparators(folder), problem));
        return;
    }
    if (!RecordSharing::setFolder(folder))
        return; // the store's own warning has said why
    m_sharing->restart();
    m_sidebar->setScoreContent();
    Ask::information(this, tr("Sharing Records"),
                     tr("This computer now shares its score records through the folder %1: it writes the records "
                        "made on it to a file of its own there, and reads the records of every other computer that "
                        "shares through the same folder, now, every two minutes and when you click Share Now.\n\n"
                        "Choose this folder on each computer of the room. Passwords and options are not shared: "
                        "they stay as they are on each computer.")
                         .arg(QDir::toNativeSeparators(folder)));
}

void ApplicationWindow::shareNow()
{
    if (RecordSharing::folder().isEmpty())
        return;
    showStatus(tr("Sharing the score records with the other computers..."));
    connect(m_sharing, &RecordSharing::roundDone, this, [this](bool written) {
        showStatus(written ? tr("The score records are shared with the other computers.")
                           : tr("The score records could not be shared now: they are kept on this computer."));
    }, Qt::SingleShotConnection);
    m_sharing->shareNow();
}
