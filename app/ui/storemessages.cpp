// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window tells of the settings store: changes that could not be
// written, a file that cannot be read, a damaged file repaired, another program
// holding the store, and the changes an earlier program kept now written.

#include "app/ui/applicationwindow.h"

#include "base/store/store.h"
#include "base/ui/prompts.h"

#include <QDir>
#include <QStatusBar>

void ApplicationWindow::warnStoreNotWritable(const QString &problem)
{
    // Told once: every later write would most likely fail the same way.
    if (m_storeWarningShown)
        return;
    m_storeWarningShown = true;
    Ask::warning(this, tr("Settings Not Saved"),
                 tr("Brightsum cannot save scores and settings on this computer: what was not saved is not kept, "
                    "and what was saved before is left as it was.\n\n%1\n\nPlease check that this file can be "
                    "written:\n%2")
                     .arg(problem, QDir::toNativeSeparators(Store::fileName())));
}

void ApplicationWindow::warnStoreNotReadable(const QString &problem)
{
    // Every write would fail the same way: this says all there is to say.
    m_storeWarningShown = true;
    Ask::warning(this, tr("Settings Not Read"),
                 tr("Brightsum cannot read its settings file. It shows no names, scores or options, asks for the "
                    "administrator password that file holds, and changes nothing in the file until it can read it "
                    "again.\n\n%1\n\n%2\n\nWhen the file lies on a network folder or a disk that is not there now, "
                    "close Brightsum and start it again once it is. When the file is damaged, close Brightsum and move "
                    "the file to another folder, to keep it for repair: Brightsum then starts afresh and asks for a new "
                    "administrator password.")
                     .arg(problem, QDir::toNativeSeparators(Store::fileName())));
}

void ApplicationWindow::tellStoreRepaired(const QList<int> &lines)
{
    QStringList numbers;
    for (int line : lines.mid(0, 10))
        numbers.append(QString::number(line));
    if (lines.size() > 10)
        numbers.append(QStringLiteral("..."));
    Ask::information(this, tr("Settings Repaired"),
                     tr("Brightsum's settings file held %n line(s) that could not be read (line %1). They have "
                        "been left out, and everything else in the file was kept.\n\n%2",
                        nullptr, static_cast<int>(lines.size()))
                         .arg(numbers.join(QStringLiteral(", ")), QDir::toNativeSeparators(Store::fileName())));
}

void ApplicationWindow::showWaitForOtherProgram(bool waiting, const QString &holder)
{
    // Saving waits as long as another Brightsum of this user holds the store;
    // the window goes on and says so.
    m_waitShown = waiting;
    m_waitHolder = holder;
    if (!waiting) {
        statusBar()->clearMessage();
        return;
    }
    QString message = holder.isEmpty()
                          ? tr("Waiting for another Brightsum on this computer to finish saving...")
                          : tr("Waiting for Brightsum on the computer \"%1\" to finish saving...").arg(holder);
    if (m_closing)
        message += QLatin1Char(' ') + tr("Close again to leave now: nothing is lost.");
    statusBar()->showMessage(message);
}

bool ApplicationWindow::waitForOtherProgram(const QString &holder, const std::function<bool()> &finished)
{
    const QString who = holder.isEmpty() ? tr("Another Brightsum on this computer")
                                         : tr("Brightsum on the computer \"%1\"").arg(holder);
    return Prompts::current().wait(this, tr("Waiting to Save"),
                                   tr("%1 is saving. This is saved as soon as it has finished.\n\nStop waiting, "
                                      "and this change is not saved.")
                                       .arg(who),
                                   finished);
}

void ApplicationWindow::tellJournalWritten(int changes)
{
    showStatus(tr("%n change(s) kept when Brightsum last closed have now been saved.", nullptr, changes));
}
