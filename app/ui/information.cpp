// SPDX-License-Identifier: GPL-3.0-or-later
// Information pages, help windows and clocks.

#include "app/ui/applicationwindow.h"

#include "app/ui/analogclock.h"
#include "app/ui/digitalclock.h"
#include "app/ui/htmwindow.h"
#include "base/ui/prompts.h"
#include "exercise/documents.h"
#include "users/ui/sidebar.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The texts of the boxes shown while the sidebar is hidden. They say what the
// pages "rules.htm", "version.htm", "thanks.htm" and "about.htm" say.
const char *const RulesText = QT_TRANSLATE_NOOP("ApplicationWindow",
                                                "Correct answer: Two points awarded\n"
                                                "Wrong answer: One point deducted\n"
                                                "\n"
                                                "Number of clues: Three\n"
                                                "Number of choices: Three\n"
                                                "Number of questions: Twenty\n"
                                                "Time limit: Unlimited");

const QString Logo = QStringLiteral("<img src=\"Art/Logo.png\"><br>");

QString bold(const QString &text)
{
    return QStringLiteral("<b>") + text + QStringLiteral("</b>");
}

QString lines(const QStringList &list)
{
    return list.join(QStringLiteral("<br>"));
}

QString versionText()
{
    const QString version = QStringLiteral(BRIGHTSUM_VERSION);
    return Logo + bold(ApplicationWindow::tr("Brightsum %1, released December 2026").arg(version))
        + QStringLiteral("<br><br>") + bold(ApplicationWindow::tr("Release History")) + QStringLiteral("<br>")
        + lines({ApplicationWindow::tr("Brightsum 3.0, May 2025"), ApplicationWindow::tr("Brightsum 2.0, June 2024"),
                 ApplicationWindow::tr("Brightsum 1.0, September 2023")});
}

QString acknowledgementsText()
{
    const QString gap = QStringLiteral("<br><br>");
    return Logo + lines({bold(ApplicationWindow::tr("Beta Testers")), QStringLiteral("Maya Lindqvist"),
                         QStringLiteral("Tomas Okafor")})
        + gap
        + lines({bold(ApplicationWindow::tr("Question Testers")), QStringLiteral("Priya Marwood"),
                 QStringLiteral("Daniel Feyer")})
        + gap + lines({bold(ApplicationWindow::tr("Concept")), QStringLiteral("Riverside Primary School")});
}

QString aboutText()
{
    const QString version = QStringLiteral(BRIGHTSUM_VERSION);
    return Logo + bold(ApplicationWindow::tr("Brightsum %1 is made by the Halvane team.").arg(version))
        + QStringLiteral("<br><br>") + lines({ApplicationWindow::tr("Arithmetic practice for children."),
                 ApplicationWindow::tr("Web: %1").arg(Documents::WebAddress)});
}

// A visible sidebar shows the page in place of its content; otherwise the
// command shows its own box or window.
bool showInSidebar(Sidebar *sidebar, const QString &title, const char *page)
{
    if (!sidebar->isVisible())
        return false;
    sidebar->showHtmlPage(title, QString::fromLatin1(page));
    return true;
}

// Each call opens a new window; earlier ones stay open.
void openPageWindow(ApplicationWindow &window, const QString &title, const char *page)
{
    window.addChildWindow(new HTMWindow(window.workspace(), title, QString::fromLatin1(page)));
}

} // namespace

void ApplicationWindow::rules()
{
    if (!showInSidebar(m_sidebar, tr("Rules"), "rules.htm"))
        Ask::information(this, tr("Rules"), tr(RulesText));
}

void ApplicationWindow::showHelp()
{
    if (!showInSidebar(m_sidebar, tr("Help"), "help.htm"))
        openPageWindow(*this, tr("Help Contents"), "help.htm");
}

void ApplicationWindow::showWhatsNew()
{
    if (!showInSidebar(m_sidebar, tr("What's New?"), "whatsnew.htm"))
        openPageWindow(*this, tr("What's New?"), "whatsnew.htm");
}

void ApplicationWindow::version()
{
    if (!showInSidebar(m_sidebar, tr("Version"), "version.htm"))
        Ask::about(this, tr("Version"), versionText());
}

void ApplicationWindow::acknowledgements()
{
    if (!showInSidebar(m_sidebar, tr("Acknowledgements"), "thanks.htm"))
        Ask::about(this, tr("Acknowledgements"), acknowledgementsText());
}

void ApplicationWindow::about()
{
    if (!showInSidebar(m_sidebar, tr("About"), "about.htm"))
        Ask::about(this, tr("About Brightsum"), aboutText());
}

void ApplicationWindow::showClock()
{
    addChildWindow(new AnalogClock(m_workspace));
}

void ApplicationWindow::showDigitalClock()
{
    addChildWindow(new DigitalClock(m_workspace));
}
