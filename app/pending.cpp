// Commands whose windows are still to come.

#include "app/applicationwindow.h"

void ApplicationWindow::showMyScores() {}
void ApplicationWindow::showScores() {}
void ApplicationWindow::openSampleTemplate() {}
void ApplicationWindow::useraccounts() {}
void ApplicationWindow::about() {}
void ApplicationWindow::acknowledgements() {}
void ApplicationWindow::version() {}
void ApplicationWindow::rules() {}
void ApplicationWindow::newFromTemplate() {}
void ApplicationWindow::chooseFile() {}
void ApplicationWindow::printFile() {}
void ApplicationWindow::worksheet() {}
void ApplicationWindow::saveExe() {}
void ApplicationWindow::toolsOptions() {}
void ApplicationWindow::toolsTemplateEditor() {}
void ApplicationWindow::toggleSidebar() {}
void ApplicationWindow::showClock() {}
void ApplicationWindow::showDigitalClock() {}
void ApplicationWindow::showHelp() {}
void ApplicationWindow::showWhatsNew() {}
void ApplicationWindow::doLogin() {}
