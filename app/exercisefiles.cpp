// Exercises from files: saved exercises, templates and the template editor.

#include "app/applicationwindow.h"

void ApplicationWindow::newFromTemplate() {}
void ApplicationWindow::chooseFile() {}
void ApplicationWindow::saveExe() {}
void ApplicationWindow::openSampleTemplate() {}
void ApplicationWindow::toolsTemplateEditor() {}
