// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/firstrundialog.h"

#include "base/ui/forms.h"
#include "base/ui/prompts.h"
#include "exercise/exercise.h"
#include "users/firstrun.h"
#include "users/password.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FirstRun", text);
}

} // namespace

bool FirstRun::run(QWidget *parent, const StoreChange &alongside)
{
    QDialog dialog(parent);
    dialog.setModal(true);
    dialog.setWindowTitle(tr("First Run"));
    auto *layout = new QVBoxLayout(&dialog);

    layout->addWidget(new QLabel(tr("Welcome to Brightsum. To customize your student/child's\nBrightsum experience, "
                                    "select from the options below. These\nsettings can be changed later from the "
                                    "Options dialog.\n\nIt is essential that you set an administrator password. "
                                    "This\nwill be used to access several administrator-only features."),
                                 &dialog));

    auto *currency = new QComboBox(&dialog);
    currency->setObjectName(QStringLiteral("currency"));
    for (const QString &stored : Localization::currencies())
        currency->addItem(UnitWords::shown(stored), stored);
    // The desktop's own currency when it is one of them; else the first.
    currency->setCurrentIndex(std::max(0, currency->findData(Localization::currencyOf(QLocale()))));
    currency->setAccessibleName(tr("Currency"));
    layout->addWidget(Forms::groupOf(tr("Currency"), {currency}, &dialog));

    auto *metric = new QRadioButton(tr("&Metric (metre, kilogram, second)"), &dialog);
    metric->setObjectName(QStringLiteral("metric"));
    metric->setChecked(true);
    auto *imperial = new QRadioButton(tr("&Imperial (foot, pound, second)"), &dialog);
    imperial->setObjectName(QStringLiteral("imperial"));
    layout->addWidget(Forms::groupOf(tr("System of Measurement"), {metric, imperial}, &dialog));

    // A password already set (kept when all data are cleared) is never asked
    // for again here: only someone who knows it may change it, in the options.
    const bool passwordSet = Password::isStored();
    auto *password = new QLineEdit(&dialog);
    password->setObjectName(QStringLiteral("password"));
    password->setAccessibleName(tr("Administrator Password"));
    if (passwordSet) {
        auto *kept = new QLabel(tr("An administrator password is already set and stays as it is.\n"
                                   "It can be changed from the Options dialog."),
                                &dialog);
        kept->setObjectName(QStringLiteral("passwordKept"));
        password->hide();
        layout->addWidget(Forms::groupOf(tr("Administrator Password"), {kept}, &dialog));
    } else {
        auto *shown = new QLabel(tr("The password is shown as you type it, so type it where no child can see."),
                                 &dialog);
        shown->setWordWrap(true);
        password->setAccessibleDescription(shown->text());
        layout->addWidget(Forms::groupOf(tr("Administrator Password"), {shown, password}, &dialog));
    }

    auto *done = new QPushButton(tr("&Done"), &dialog);
    done->setObjectName(QStringLiteral("done"));
    done->setDefault(true);
    auto *close = new QPushButton(tr("Close"), &dialog);
    close->setObjectName(QStringLiteral("close"));
    close->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(done);
    buttons->addWidget(close);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(done, &QPushButton::clicked, &dialog, &QDialog::accept);
    // An empty password is stored as typed, once the adult has said so: it lets
    // anyone in at every password prompt.
    for (;;) {
        if (!Prompts::current().exec(dialog))
            return false;
        if (passwordSet || !password->text().isEmpty())
            break;
        dialog.show(); // the question is asked over it
        const QMessageBox::StandardButton answer = Prompts::current().message(
            &dialog, Prompts::Kind::Caution, tr("No Administrator Password"),
            tr("You have not set an administrator password. Without one, anyone who presses Enter at the password "
               "prompt can change the options, clear the scores and see every child's records.\n\nDo you want to "
               "go on without a password?"),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::No)
            break;
        dialog.hide(); // shown modal again, its field ready for the password
        password->setFocus();
    }
    return store(currency->currentData().toString(), metric->isChecked(),
                 passwordSet ? std::nullopt : std::optional<QString>(password->text()), alongside);
}
