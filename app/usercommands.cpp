// Signing in, scores and the sidebar.

#include "app/applicationwindow.h"

void ApplicationWindow::showMyScores() {}
void ApplicationWindow::showScores() {}
void ApplicationWindow::useraccounts() {}
void ApplicationWindow::toggleSidebar() {}
void ApplicationWindow::doLogin() {}
