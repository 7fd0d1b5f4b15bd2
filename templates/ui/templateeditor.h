// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/questionfile.h"

#include <QMainWindow>
#include <QMessageBox>

#include <functional>

class QAction;
class QLCDNumber;
class QLineEdit;

// Where an adult writes a template: twenty questions in the question-file
// format, shown one at a time in four fields and stepped through with Previous
// and Next. The window title carries the name of the file last opened or saved.
class TemplateEditor : public QMainWindow
{
    Q_OBJECT

public:
    enum class SaveResult { Saved, Cancelled, Failed };

    explicit TemplateEditor(QWidget *parent);

    // The twenty questions as last stored from the fields.
    const QuestionRecords &records() const { return m_records; }
    int currentIndex() const { return m_current; }

    QLineEdit *questionField() const { return m_questionField; }
    QLineEdit *answerField() const { return m_answerField; }
    QLineEdit *clueField() const { return m_clueField; }
    QLineEdit *choiceField() const { return m_choiceField; }
    QLCDNumber *questionNumber() const { return m_questionNumber; }
    // The toolbar command with this text.
    QAction *command(const QString &text) const;

    // The editor opens at 400 by 200, in the workspace too.
    QSize sizeHint() const override { return QSize(400, 200); }
    // Asked before another template is opened or this one saved: false keeps
    // the files as they are. Once it has said yes it is not asked again.
    void guardFiles(const std::function<bool()> &mayUseFiles) { m_mayUseFiles = mayUseFiles; }
    // Whether the template differs from what was last opened or saved (a new
    // one: from an empty template), counting what the fields hold now.
    bool hasUnsavedChanges();

public Q_SLOTS:
    void openSample();
    void refresh();
    void next();
    void previous();
    void openTemplate();
    SaveResult saveTemplate();
    void newTemplate();
    // Fills the twenty questions with a generated set, after asking for its topic and level.
    void generate();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createFields();
    void createToolBar();
    template<typename Slot>
    QAction *addCommand(const QString &text, const QString &icon, const QString &statusTip,
                        const QString &whatsThis, const QKeySequence &shortcut, Slot slot);

    // Copies the fields into the current question, so that nothing typed is lost.
    void storeFields();
    // Whether files may be used now (guardFiles).
    bool mayUseFiles();
    // Stores the fields and, when the template holds unsaved changes, asks whether to save it.
    QMessageBox::StandardButton askToSave();
    // Before the template is replaced: false when the user keeps it, or when
    // the save asked for did not happen.
    bool mayReplace();
    void load(const QString &path);

    QuestionRecords m_records{};
    QuestionRecords m_saved{}; // as last opened or saved
    std::function<bool()> m_mayUseFiles;
    int m_current = 0;
    // The last topic and level generated, offered again next time.
    int m_generatedTopic = 0;
    int m_generatedLevel = 1;

    QLineEdit *m_questionField = nullptr;
    QLineEdit *m_answerField = nullptr;
    QLineEdit *m_clueField = nullptr;
    QLineEdit *m_choiceField = nullptr;
    QLCDNumber *m_questionNumber = nullptr;
};
