// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/ui/optionsdialog.h"

#include "base/store/store.h"
#include "base/ui/forms.h"
#include "base/ui/prompts.h"
#include "exercise/exercise.h"
#include "users/clearing.h"
#include "users/password.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A tab page stacking its group boxes, the room left over below them.
QWidget *pageOf(const QList<QGroupBox *> &groups)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    for (QGroupBox *group : groups) {
        group->setParent(page);
        layout->addWidget(group);
    }
    layout->addStretch(1);
    return page;
}

// The family that "Arial" stands for here: the name itself where it is
// installed, otherwise the family the platform puts in its place.
QString standInForArial()
{
    return QFontInfo(QFont(Fallback::fontFace)).family();
}

} // namespace

OptionsDialog::OptionsDialog(QWidget *parent, std::function<void()> whenAllCleared)
    : QDialog(parent)
    , m_whenAllCleared(std::move(whenAllCleared))
{
    setWindowTitle(tr("Options"));
    setModal(true);

    auto *tabs = new QTabWidget(this);
    tabs->addTab(createExercisesPage(), tr("Exercises"));
    tabs->addTab(createLocalizationPage(), tr("Localization"));
    tabs->addTab(createViewPage(), tr("View"));
    tabs->addTab(createPrivacyPage(), tr("Privacy"));

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_clearScores, &QPushButton::clicked, this, &OptionsDialog::clearScores);
    connect(m_clearData, &QPushButton::clicked, this, &OptionsDialog::clearData);

    preset();
    if (Prompts::current().exec(*this))
        writeSettings();
}

QWidget *OptionsDialog::createExercisesPage()
{
    m_fontFace = new QComboBox;
    m_fontFace->setAccessibleName(tr("Exercise question font face"));
    m_fontSize = new QComboBox;
    m_fontSize->setObjectName(QStringLiteral("comboSize"));
    m_fontSize->setAccessibleName(tr("Exercise question font size"));
    m_enable = new QRadioButton(tr("&Enable"));
    m_disable = new QRadioButton(tr("&Disable"));
    m_enable->setAccessibleDescription(tr("Show a dialog after a wrong answer"));
    m_disable->setAccessibleDescription(tr("Show no dialog after a wrong answer"));
    return pageOf({Forms::groupOf(tr("Exercise Question Font"),
                           {new QLabel(tr("Font Face:")), m_fontFace, new QLabel(tr("Font Size:")), m_fontSize}, this),
                   Forms::groupOf(tr("Exercise Wrong Answer Dialogs"), {m_enable, m_disable}, this)});
}

QWidget *OptionsDialog::createLocalizationPage()
{
    m_currency = new QComboBox;
    for (const QString &stored : Localization::currencies())
        m_currency->addItem(UnitWords::shown(stored), stored);
    m_currency->setAccessibleName(tr("Currency"));
    m_metric = new QRadioButton(tr("&Metric (metre, kilogram, second)"));
    m_imperial = new QRadioButton(tr("&Imperial (foot, pound, second)"));
    return pageOf({Forms::groupOf(tr("Currency"), {m_currency}, this),
                   Forms::groupOf(tr("System of Measurement"), {m_metric, m_imperial}, this)});
}

QWidget *OptionsDialog::createViewPage()
{
    m_toolbar = new QButtonGroup(this);
    const QStringList texts = {tr("&Small icons only"), tr("&Text only"), tr("&Text beside icons"),
                               tr("&Text underneath icons")};
    QList<QWidget *> buttons;
    for (int style = Qt::ToolButtonIconOnly; style <= Qt::ToolButtonTextUnderIcon; ++style) {
        auto *button = new QRadioButton(texts.at(style));
        m_toolbar->addButton(button, style);
        buttons.append(button);
    }
    return pageOf({Forms::groupOf(tr("Standard Toolbar View"), buttons, this)});
}

QWidget *OptionsDialog::createPrivacyPage()
{
    m_clearScores = new QPushButton(tr("Clear"));
    m_clearScores->setAccessibleName(tr("Clear saved scores and user accounts"));
    m_clearData = new QPushButton(tr("Clear"));
    m_clearData->setAccessibleName(tr("Clear all saved data and reset to original settings"));
    m_clearResult = new QLabel;
    m_clearResult->setObjectName(QStringLiteral("clearResult"));
    m_clearResult->setWordWrap(true);
    m_oldPassword = new QLineEdit;
    m_oldPassword->setAccessibleName(tr("Old administrator password"));
    m_newPassword = new QLineEdit;
    m_newPassword->setAccessibleName(tr("New administrator password"));
    return pageOf({Forms::groupOf(tr("Clear Private Data"),
                           {new QLabel(tr("Clear saved scores and user account data:")), m_clearScores,
                            new QLabel(tr("Clear all saved data and reset to original settings:")), m_clearData,
                            m_clearResult},
                           this),
                   Forms::groupOf(tr("Administrator Password"),
                           {new QLabel(tr("Enter the old administrator password:")), m_oldPassword,
                            new QLabel(tr("Enter the new administrator password:")), m_newPassword},
                           this)});
}

void OptionsDialog::preset()
{
    const int currency = m_currency->findData(Store::value(Keys::currency, Fallback::optionsCurrency).toString());
    m_currency->setCurrentIndex(std::max(currency, 0));

    const bool metric = Store::value(Keys::measures, Fallback::measures).toString() == Localization::measures(true);
    (metric ? m_metric : m_imperial)->setChecked(true);

    presetFontFace();
    presetFontSize();

    const bool wrongAnswerDialog = Store::value(Keys::wrongAnswerDialog, Fallback::wrongAnswerDialog).toBool();
    (wrongAnswerDialog ? m_enable : m_disable)->setChecked(true);

    // A style the dialog does not offer leaves every button unchecked.
    if (QAbstractButton *style = m_toolbar->button(Store::value(Keys::toolbar, Fallback::toolbar).toInt()))
        style->setChecked(true);
}

void OptionsDialog::presetFontFace()
{
    m_fontFace->addItems(QFontDatabase::families());
    const int standard = m_fontFace->findText(QApplication::font().family());
    if (standard >= 0)
        m_fontFace->setCurrentIndex(standard);
    // The stored face, else "Arial", else whatever stands in for "Arial" here,
    // so that OK never stores an empty face.
    const QString stored = Store::value(Keys::fontFace, Fallback::fontFace).toString();
    for (const QString &face : {stored, Fallback::fontFace, standInForArial()}) {
        const int index = m_fontFace->findText(face);
        if (index >= 0) {
            m_fontFace->setCurrentIndex(index);
            return;
        }
    }
}

void OptionsDialog::presetFontSize()
{
    const QList<int> sizes = QFontDatabase::standardSizes();
    for (int size : sizes)
        m_fontSize->addItem(QString::number(size));
    const int stored = m_fontSize->findText(Store::value(Keys::fontSize, Fallback::fontSize).toString());
    m_fontSize->setCurrentIndex(stored >= 0 ? stored : m_fontSize->findText(Fallback::fontSize));
}

void OptionsDialog::writeSettings()
{
    const QString face = m_fontFace->currentText();
    StoreChange change = StoreChange::setting(Keys::currency, m_currency->currentData().toString());
    change.then(StoreChange::setting(Keys::measures, Localization::measures(m_metric->isChecked())))
        .then(StoreChange::setting(Keys::fontFace, face.isEmpty() ? standInForArial() : face))
        .then(StoreChange::setting(Keys::fontSize, m_fontSize->currentText()))
        .then(StoreChange::setting(Keys::wrongAnswerDialog, m_enable->isChecked()));
    if (m_toolbar->checkedId() >= 0)
        change.then(StoreChange::setting(Keys::toolbar, m_toolbar->checkedId()));
    Store::update(change);
    changePassword();
}

void OptionsDialog::changePassword()
{
    const QString oldPassword = m_oldPassword->text();
    const QString newPassword = m_newPassword->text();
    // An old password that matches without a new one changes nothing, silently.
    if (Password::check(oldPassword)) {
        if (!newPassword.isEmpty())
            Password::store(newPassword);
    } else if (!oldPassword.isEmpty()) {
        Ask::critical(parentWidget(), tr("Incorrect Password!"),
                      tr("The old administrator password you entered is incorrect.\nThe password has not been "
                         "changed."));
    }
}

void OptionsDialog::clearScores()
{
    // The button stays usable when nothing could be cleared.
    const bool cleared = Clearing::clear(Clearing::What::ScoresAndAccounts);
    m_clearScores->setEnabled(!cleared);
    tellCleared(m_clearScores, cleared, tr("The saved scores and user accounts have been cleared."));
}

void OptionsDialog::clearData()
{
    const bool cleared = Clearing::clear(Clearing::What::AllData);
    m_clearData->setEnabled(!cleared);
    if (cleared && m_whenAllCleared)
        m_whenAllCleared();
    tellCleared(m_clearData, cleared,
                tr("All saved data have been cleared. The First Run questions come back at the next start."));
}

void OptionsDialog::tellCleared(QPushButton *button, bool cleared, const QString &done)
{
    // Said beside the buttons, whether or not the store has warned before.
    const QString text = cleared ? done
                                 : tr("Nothing was cleared: Brightsum cannot write its settings on this computer.");
    m_clearResult->setText(text);
    button->setAccessibleDescription(text);
    // The dialog grows to show the whole message at the label's width.
    m_clearResult->setMinimumHeight(m_clearResult->heightForWidth(m_clearResult->width()));
    resize(size().expandedTo(sizeHint()));
}
