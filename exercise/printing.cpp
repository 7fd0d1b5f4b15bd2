// The exercise on paper: the plain printout and the worksheet creator.

#include "exercise/mdiwindow.h"

void MDIWindow::printExercise() {}
void MDIWindow::worksheetExport() {}
