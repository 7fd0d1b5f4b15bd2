// Printing the active exercise and turning it into a worksheet.

#include "app/applicationwindow.h"

void ApplicationWindow::printFile() {}
void ApplicationWindow::worksheet() {}
