// SPDX-License-Identifier: GPL-3.0-or-later
// The bare windows that bench_startup measures beside Brightsum: a main window
// with a workspace, nothing more; and with --dressed, the floor any program
// that shows text pays: menus, a toolbar of icons and a status message too.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    if (QApplication::arguments().contains(QStringLiteral("--dressed"))) {
        for (const char *title : {"&File", "&View", "&Window", "&Themes", "&Sounds", "&Tools", "&Help"})
            window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
        QToolBar *tools = window.addToolBar(QStringLiteral("Tools"));
        tools->setIconSize(QSize(20, 20));
        for (int i = 0; i < 17; ++i)
            tools->addAction(window.style()->standardIcon(QStyle::StandardPixmap(QStyle::SP_FileIcon + i % 12)),
                             QStringLiteral("Command"));
        window.statusBar()->showMessage(QStringLiteral("Welcome"));
    }
    window.resize(760, 560);
    window.show();
    return application.exec();
}
