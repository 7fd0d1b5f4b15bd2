// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafolder.h"
#include "app/ui/applicationwindow.h"
#include "base/language.h"
#include "base/sessionend.h"
#include "base/store/store.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    // The settings are read while the toolkit connects to the display.
    Store::readAhead();
    QApplication application(argc, argv);
    // Desktops, session managers and screen readers name the program by these.
    QApplication::setApplicationName(QStringLiteral("Brightsum"));
    QApplication::setOrganizationName(QStringLiteral("Halvane"));
    QApplication::setApplicationVersion(QStringLiteral(BRIGHTSUM_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.halvane.Brightsum"));
    DataFolder::enter(QApplication::applicationDirPath());
    Language::setCurrent(Language::pick(QLocale::system().uiLanguages()));
    Language::installTranslators();
    // The score records are read once the window is first painted (see the window).
    Store::readLater();
    ApplicationWindow window;
    if (!window.isReady())
        return 1;
    window.setWindowTitle(QStringLiteral("Brightsum " BRIGHTSUM_VERSION));
    window.show();
    SessionEnd::install([&window] { window.endSession(); });
    QObject::connect(&application, &QApplication::lastWindowClosed, &application, &QApplication::quit);
    return application.exec();
}
