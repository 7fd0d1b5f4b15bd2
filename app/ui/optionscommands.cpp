// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog and the first-run setup.

#include "app/ui/applicationwindow.h"

#include "exercise/ui/mdiwindow.h"
#include "options/ui/optionsdialog.h"
#include "users/ui/adminpassword.h"
#include "users/ui/firstrundialog.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void ApplicationWindow::toolsOptions()
{
    if (!m_password->checkPassword())
        return;
    // The dialog runs, and writes on OK, within its constructor. Once all data
    // are cleared, closing must not write the geometry back, so the next start
    // is a first start again: told at once, for a session that ends meanwhile.
    { OptionsDialog options(this, [this] { m_allDataCleared = true; }); }
    // Accepted or not, the toolbar takes the stored style again, and the open
    // exercises the question font.
    applyToolbarStyle();
    for (QMdiSubWindow *frame : m_workspace->subWindowList()) {
        if (auto *exercise = qobject_cast<MDIWindow *>(frame->widget()))
            exercise->readOptions();
    }
}

void ApplicationWindow::runFirstRunSetup()
{
    // The first start is done once the setup is accepted, not only at the
    // first normal exit: a computer switched off before then must not offer
    // the setup, and its password field, to whoever comes next.
    FirstRun::run(this, geometryChange());
}
