// The options dialog and the first-run setup.

#include "app/applicationwindow.h"

void ApplicationWindow::toolsOptions() {}
void ApplicationWindow::runFirstRunSetup() {}
