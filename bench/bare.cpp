// SPDX-License-Identifier: GPL-3.0-or-later
// The bare window that bench_startup measures beside Brightsum: a main window
// with a workspace, nothing more.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    window.resize(760, 560);
    window.show();
    return application.exec();
}
