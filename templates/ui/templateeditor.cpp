// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/ui/templateeditor.h"

#include "base/language.h"
#include "base/plaintext.h"
#include "base/safefile.h"
#include "base/ui/prompts.h"
#include "base/ui/status.h"
#include "content/generator.h"
#include "content/savedexercise.h"
#include "content/topics.h"
#include "templates/ui/generatedialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString SampleTemplate = QStringLiteral("Sample/Sample Template.dat");

QString displayed(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Refuses text that would not fit on one line of the file, counted in the
// file's bytes (a letter can take several), so the editor never writes a
// template it cannot open again.
class LineValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return QuestionFile::fitsOnLine(input) ? Acceptable : Invalid;
    }
};

} // namespace

TemplateEditor::TemplateEditor(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(tr("Template Editor"));
    setWindowIcon(QIcon(QStringLiteral("Art/Icons/templateeditor.png")));
    createFields();
    createToolBar();
    statusBar();
    resize(400, 200);
    newTemplate();
}

void TemplateEditor::createFields()
{
    auto *box = new QGroupBox;
    auto *grid = new QGridLayout(box);
    const auto addRow = [&](int row, const QString &label) {
        auto *field = new QLineEdit;
        // A record line longer than this is not read back as a question file.
        field->setMaxLength(QuestionFile::MaxLineLength);
        field->setValidator(new LineValidator(field));
        field->setAccessibleName(label);
        auto *caption = new QLabel(label);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        return field;
    };
    m_questionField = addRow(0, tr("Question"));
    m_answerField = addRow(1, tr("Answer"));
    m_clueField = addRow(2, tr("Clue"));
    m_choiceField = addRow(3, tr("Choice"));
    // Only a whole number, perhaps negative, can be typed; a file's own text is shown as it is.
    m_answerField->setValidator(new QIntValidator(m_answerField));
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    setTabOrder(m_questionField, m_answerField);
    setTabOrder(m_answerField, m_clueField);
    setTabOrder(m_clueField, m_choiceField);
    setCentralWidget(box);
}

void TemplateEditor::createToolBar()
{
    QToolBar *toolbar = addToolBar(tr("Standard Toolbar"));
    toolbar->setObjectName(QStringLiteral("Standard Toolbar"));
    toolbar->setIconSize(QSize(20, 20));
    // The main window's own commands hold Ctrl+N, Ctrl+O and Ctrl+S.
    toolbar->addAction(addCommand(tr("New..."), QStringLiteral("new.png"), tr("Creates a new template"),
                                  tr("Click this button to create a new template."),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+N")), &TemplateEditor::newTemplate));
    toolbar->addAction(addCommand(tr("Open..."), QStringLiteral("open.png"),
                                  tr("Opens a saved template from a .dat file for editing"),
                                  tr("Click this button to open a saved template (*.dat) file for editing."),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+O")), &TemplateEditor::openTemplate));
    toolbar->addAction(addCommand(tr("Save"), QStringLiteral("save.png"),
                                  tr("Saves the editing done to the current template "),
                                  tr("Click this button to save all editing done to the current template."),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+S")), &TemplateEditor::saveTemplate));
    toolbar->addAction(addCommand(tr("Previous"), QStringLiteral("previous.png"),
                                  tr("Navigates to the previous question of the template "),
                                  tr("Click this button to navigate to the previous question of the open template."),
                                  QKeySequence(Qt::Key_PageUp), &TemplateEditor::previous));
    toolbar->addAction(addCommand(tr("Next"), QStringLiteral("next.png"),
                                  tr("Navigates to the next question of the open template "),
                                  tr("Click this button to navigate to the next question of the open template."),
                                  QKeySequence(Qt::Key_PageDown), &TemplateEditor::next));
    toolbar->addAction(addCommand(tr("Generate..."), QStringLiteral("generate.png"),
                                  tr("Fills the template with twenty new questions on a topic"),
                                  tr("Click this button to fill the template with twenty new questions, from easier "
                                     "to harder, on a topic and at a level of your choice."),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+G")), &TemplateEditor::generate));

    m_questionNumber = new QLCDNumber(2);
    m_questionNumber->setSegmentStyle(QLCDNumber::Flat);
    m_questionNumber->setFrameShape(QFrame::NoFrame);
    m_questionNumber->setFixedSize(52, 30);
    m_questionNumber->setAccessibleName(tr("Question number"));
    m_questionNumber->setToolTip(tr("Question number"));
    toolbar->addSeparator();
    toolbar->addWidget(m_questionNumber);
}

template<typename Slot>
QAction *TemplateEditor::addCommand(const QString &text, const QString &icon, const QString &statusTip,
                                    const QString &whatsThis, const QKeySequence &shortcut, Slot slot)
{
    auto *action = new QAction(QIcon(QStringLiteral("Art/Icons/") + icon), text, this);
    action->setStatusTip(statusTip);
    action->setWhatsThis(whatsThis);
    action->setShortcut(shortcut);
    action->setToolTip(tr("%1 (%2)").arg(text, shortcut.toString(QKeySequence::NativeText)));
    // Only while this editor has the focus, so that several editors can be open.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction *TemplateEditor::command(const QString &text) const
{
    const QList<QAction *> all = actions();
    for (QAction *action : all) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void TemplateEditor::openSample()
{
    if (mayReplace())
        load(Language::localized(SampleTemplate));
}

void TemplateEditor::refresh()
{
    const QuestionRecord &record = m_records[static_cast<size_t>(m_current)];
    const auto show = [](QLineEdit *field, const QString &text) {
        field->setText(text);
        field->setCursorPosition(0); // a long question is read from its start
    };
    show(m_questionField, record.text);
    show(m_answerField, record.answer);
    show(m_clueField, record.clue);
    show(m_choiceField, record.choice);
    m_questionNumber->display(m_current + 1);
    m_questionNumber->setAccessibleDescription(tr("Question %1 of %2").arg(m_current + 1).arg(QuestionsPerExercise));
}

void TemplateEditor::next()
{
    storeFields();
    if (m_current < QuestionsPerExercise - 1) {
        ++m_current;
        refresh();
    }
    // Each question is written from its start.
    m_questionField->setFocus();
}

void TemplateEditor::previous()
{
    storeFields();
    if (m_current > 0) {
        --m_current;
        refresh();
    }
    m_questionField->setFocus();
}

void TemplateEditor::openTemplate()
{
    if (!mayUseFiles() || !mayReplace())
        return;
    const QString fileName =
        Ask::openFile(this, RecentFolders::Kind::Templates, tr("Open Template Dialog"),
                      tr("Brightsum Templates (*.dat)"));
    if (!fileName.isEmpty())
        load(fileName);
}

// The current question stays: the fields show the opened template's question of the same number.
void TemplateEditor::load(const QString &path)
{
    QuestionRecords records;
    if (QuestionFile::read(path, records) == QuestionFile::ReadStatus::TooLarge) {
        Ask::warning(this, tr("Template Not Opened"),
                     tr("\"%1\" is too large to be a template. The template being edited is kept.")
                         .arg(displayed(path)));
        return;
    }
    // A file that cannot be read opens as an empty template, like one that holds nothing.
    m_records = records;
    m_saved = records;
    setWindowTitle(tr("Template Editor: %1").arg(PlainText::windowTitle(QuestionFile::baseName(path))));
    statusBar()->showMessage(tr("Opened template for editing"), StatusTimeout);
    refresh();
}

TemplateEditor::SaveResult TemplateEditor::saveTemplate()
{
    if (!mayUseFiles())
        return SaveResult::Cancelled;
    const QString chosen =
        Ask::saveFile(this, RecentFolders::Kind::Templates, tr("Save Template Dialog"),
                      tr("Brightsum Templates (*.dat)"));
    if (chosen.isEmpty())
        return SaveResult::Cancelled;
    const QString fileName = SavedExercises::withDatSuffix(chosen);
    storeFields();

    // The earlier file is replaced only once the new one is complete.
    const QString problem = SafeFile::replace(fileName, QuestionFile::toBytes(m_records));
    if (!problem.isEmpty()) {
        Ask::warning(this, tr("Template Not Saved"),
                     tr("The template could not be saved to \"%1\": %2").arg(displayed(fileName), problem));
        return SaveResult::Failed;
    }
    m_saved = m_records;
    statusBar()->showMessage(tr("Saved template to hard disk"), StatusTimeout);
    setWindowTitle(tr("Template Editor: %1").arg(PlainText::windowTitle(QuestionFile::baseName(fileName))));
    return SaveResult::Saved;
}

void TemplateEditor::newTemplate()
{
    if (!mayReplace())
        return;
    m_records = QuestionRecords{};
    m_saved = m_records;
    m_current = 0;
    setWindowTitle(tr("Template Editor: New Template"));
    refresh();
}

void TemplateEditor::generate()
{
    if (!mayReplace())
        return;
    GenerateDialog dialog(this);
    dialog.choose(m_generatedTopic, m_generatedLevel, Generator::newSeed());
    if (!Prompts::current().exec(dialog))
        return;
    m_generatedTopic = dialog.topic();
    m_generatedLevel = dialog.level();
    const quint32 set = dialog.set();
    // In the language the program speaks, as brightsum-generate --language makes them.
    m_records = Generator::generate(m_generatedTopic, m_generatedLevel, set, Language::current());
    m_saved = QuestionRecords{}; // a new template, not yet saved
    m_current = 0;
    setWindowTitle(tr("Template Editor: New Template"));
    refresh();
    statusBar()->showMessage(tr("Generated %1 questions, level %2, set %3")
                                 .arg(Topics::shownName(Topics::at(m_generatedTopic).name))
                                 .arg(m_generatedLevel)
                                 .arg(set),
                             StatusTimeout);
}

void TemplateEditor::storeFields()
{
    QuestionRecord &record = m_records[static_cast<size_t>(m_current)];
    record.text = QuestionFile::asLine(m_questionField->text());
    record.answer = QuestionFile::asLine(m_answerField->text());
    record.clue = QuestionFile::asLine(m_clueField->text());
    record.choice = QuestionFile::asLine(m_choiceField->text());
}

bool TemplateEditor::hasUnsavedChanges()
{
    storeFields();
    return m_records != m_saved;
}

bool TemplateEditor::mayUseFiles()
{
    if (m_mayUseFiles && !m_mayUseFiles())
        return false;
    m_mayUseFiles = nullptr;
    return true;
}

QMessageBox::StandardButton TemplateEditor::askToSave()
{
    if (!hasUnsavedChanges())
        return QMessageBox::No;
    return Ask::yesNoCancel(this, tr("Save Template"), tr("Do you want to save this template?"));
}

bool TemplateEditor::mayReplace()
{
    switch (askToSave()) {
    case QMessageBox::Yes: return saveTemplate() == SaveResult::Saved;
    case QMessageBox::No: return true;
    default: return false;
    }
}

void TemplateEditor::closeEvent(QCloseEvent *event)
{
    event->setAccepted(Ask::mayCloseAfter(askToSave(), [this] { return saveTemplate() == SaveResult::Failed; }));
}
