// Information pages, help windows and clocks.

#include "app/applicationwindow.h"

void ApplicationWindow::about() {}
void ApplicationWindow::acknowledgements() {}
void ApplicationWindow::version() {}
void ApplicationWindow::rules() {}
void ApplicationWindow::showClock() {}
void ApplicationWindow::showDigitalClock() {}
void ApplicationWindow::showHelp() {}
void ApplicationWindow::showWhatsNew() {}
