// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The adult's preferences: question font, wrong-answer dialogs, currency and
// measures, toolbar style and the administrator password, and the clearing of
// saved data. The constructor presets the controls from the store, runs the
// dialog and, on OK, writes them back; when it returns the dialog has closed.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    // `whenAllCleared` runs as soon as all saved data are cleared, while the
    // dialog still runs: the next start is then a first start again, so nothing
    // may write the window's place back, even if the program ends meanwhile.
    explicit OptionsDialog(QWidget *parent, std::function<void()> whenAllCleared = {});

    // The controls, for whoever drives the dialog while it runs.
    QComboBox *fontFaceList() const { return m_fontFace; }
    QComboBox *fontSizeList() const { return m_fontSize; }
    QRadioButton *enableButton() const { return m_enable; }
    QRadioButton *disableButton() const { return m_disable; }
    QComboBox *currencyList() const { return m_currency; }
    QRadioButton *metricButton() const { return m_metric; }
    QRadioButton *imperialButton() const { return m_imperial; }
    // Ids 0 to 3: the toolbar styles, as in Qt::ToolButtonStyle.
    QButtonGroup *toolbarButtons() const { return m_toolbar; }
    QPushButton *clearScoresButton() const { return m_clearScores; }
    QPushButton *clearDataButton() const { return m_clearData; }
    // Says whether the last clear cleared.
    QLabel *clearResult() const { return m_clearResult; }
    QLineEdit *oldPasswordField() const { return m_oldPassword; }
    QLineEdit *newPasswordField() const { return m_newPassword; }

public Q_SLOTS:
    // Clearing::What::ScoresAndAccounts, and Clearing::What::AllData, at once.
    void clearScores();
    void clearData();

private:
    QWidget *createExercisesPage();
    QWidget *createLocalizationPage();
    QWidget *createViewPage();
    QWidget *createPrivacyPage();

    void preset();
    void presetFontFace();
    void presetFontSize();
    void writeSettings();
    void changePassword();
    void tellCleared(QPushButton *button, bool cleared, const QString &done);

    std::function<void()> m_whenAllCleared;
    QComboBox *m_fontFace = nullptr;
    QComboBox *m_fontSize = nullptr;
    QRadioButton *m_enable = nullptr;
    QRadioButton *m_disable = nullptr;
    QComboBox *m_currency = nullptr;
    QRadioButton *m_metric = nullptr;
    QRadioButton *m_imperial = nullptr;
    QButtonGroup *m_toolbar = nullptr;
    QPushButton *m_clearScores = nullptr;
    QPushButton *m_clearData = nullptr;
    QLabel *m_clearResult = nullptr;
    QLineEdit *m_oldPassword = nullptr;
    QLineEdit *m_newPassword = nullptr;
};
