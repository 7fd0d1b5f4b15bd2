// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/progresswindow.h"

#include "base/clock.h"
#include "base/plaintext.h"
#include "base/store/store.h"
#include "base/ui/status.h"
#include "content/topics.h"
#include "users/ui/progresschart.h"
#include "users/practiceprogress.h"
#include "users/ui/progressreport.h"
#include "users/ui/timestablemap.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace {


// Every exercise of the timeline, the chart's points as rows.
class ExerciseModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTimeline(const QList<Progress::Exercise> &timeline)
    {
        beginResetModel();
        m_timeline = timeline;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_timeline.size());
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 6; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        const Progress::Exercise &exercise = m_timeline.at(index.row());
        switch (index.column()) {
        case 0: return exercise.position;
        case 1: return Progress::dateTimeText(exercise.completed);
        case 2: return Topics::shownName(exercise.topic);
        case 3: return exercise.clues;
        case 4: return exercise.choices;
        default: return exercise.score;
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        static const char *const headers[] = {
            QT_TRANSLATE_NOOP("ProgressWindow", "No."),          QT_TRANSLATE_NOOP("ProgressWindow", "Completed"),
            QT_TRANSLATE_NOOP("ProgressWindow", "Topic"),        QT_TRANSLATE_NOOP("ProgressWindow", "No. of Clues"),
            QT_TRANSLATE_NOOP("ProgressWindow", "No. of Choices"), QT_TRANSLATE_NOOP("ProgressWindow", "Score")};
        return ProgressWindow::tr(headers[section]);
    }

private:
    QList<Progress::Exercise> m_timeline;
};

QTableView *readOnlyTable(QAbstractItemModel *model, const QString &name, QWidget *parent)
{
    auto *table = new QTableView(parent);
    table->setModel(model);
    table->setAccessibleName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false); // Tab leaves the table for the next control
    table->verticalHeader()->hide();
    // Rows as close as a list's, so a small window shows more of them.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    return table;
}

// A table's rows of text: the first column to the left, the figures centred.
void fillRows(QStandardItemModel &model, const QList<QStringList> &rows)
{
    model.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            auto *item = new QStandardItem(rows.at(r).at(c));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            model.setItem(r, c, item);
        }
    }
}

} // namespace

ProgressWindow::ProgressWindow(QWidget *parent, const QString &player)
    : QMainWindow(parent)
    , m_player(player)
{
    setWindowTitle(tr("Progress: %1").arg(PlainText::windowTitle(player)));
    setWindowIcon(QIcon(QStringLiteral("Art/Icons/scores.png")));
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);

    m_summary = new QLabel(page);
    m_summary->setTextFormat(Qt::PlainText); // it names the child
    m_summary->setWordWrap(true);
    QFont heading = m_summary->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    m_summary->setFont(heading);
    layout->addWidget(m_summary);

    m_topics = new QStandardItemModel(0, static_cast<int>(Progress::tableHeader().size()), this);
    m_topics->setHorizontalHeaderLabels(Progress::tableHeader());
    m_table = readOnlyTable(m_topics, tr("Progress by topic"), page);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);

    // Made before the pages it holds, so Tab reaches its tabs before them.
    m_tabs = new QTabWidget(page);
    m_chartView = new QChartView(page);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setAccessibleName(tr("Scores over time"));
    m_chartView->setFocusPolicy(Qt::StrongFocus); // reached by Tab, so its description is read
    // Low enough that the window shows its buttons in the first start's workspace.
    m_chartView->setMinimumHeight(150);
    m_exercises = readOnlyTable(new ExerciseModel(this), tr("Every exercise"), page);
    // Sized once from a sample rather than from thousands of rows.
    m_exercises->setWordWrap(false);
    m_exercises->horizontalHeader()->setStretchLastSection(true);
    m_exercises->setColumnWidth(1, m_exercises->fontMetrics().horizontalAdvance(
                                       Progress::dateTimeText(QDateTime(QDate(2025, 12, 28), QTime(23, 59, 59))))
                                       + 2 * m_exercises->fontMetrics().averageCharWidth());
    m_tabs->addTab(m_chartView, tr("&Chart"));
    m_tabs->addTab(m_exercises, tr("&Every exercise"));
    m_tabs->addTab(buildPracticePage(), tr("P&ractice"));
    // What is due changes with the day and with every answer: read when shown.
    connect(m_tabs, &QTabWidget::currentChanged, this, &ProgressWindow::refreshPractice);
    m_tabs->setAccessibleName(tr("Scores over time"));
    layout->addWidget(m_tabs, 3);
    layout->addWidget(buildButtons());
    setCentralWidget(page);

    // The records may still be being read beside the window; they show once
    // they are, and again whenever they change.
    connect(&StoreEvents::instance(), &StoreEvents::recordsChanged, this, &ProgressWindow::refresh);
    refresh();
}

QWidget *ProgressWindow::buildPracticePage()
{
    auto *page = new QWidget(m_tabs);
    auto *layout = new QGridLayout(page);
    m_practiceSummary = new QLabel(page);
    m_practiceSummary->setWordWrap(true);
    layout->addWidget(m_practiceSummary, 0, 0, 1, 2);
    m_practiceRows = new QStandardItemModel(0, static_cast<int>(PracticeProgress::tableHeader().size()), this);
    m_practiceRows->setHorizontalHeaderLabels(PracticeProgress::tableHeader());
    m_practiceTable = readOnlyTable(m_practiceRows, tr("Practice by topic"), page);
    m_practiceTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_practiceTable, 1, 0);
    m_map = new TimesTableMap(page);
    layout->addWidget(m_map, 1, 1);
    // The map keeps the room its numbers need; the table takes the rest.
    layout->setColumnStretch(0, 1);
    return page;
}

QWidget *ProgressWindow::practicePage() const
{
    return m_map->parentWidget();
}

void ProgressWindow::refreshPractice()
{
    const QDate today = Clock::today();
    m_practice = Practice::of(m_player);
    m_practiceSummary->setText(PracticeProgress::summary(m_practice, today));
    const QList<QStringList> rows = PracticeProgress::tableRows(PracticeProgress::topics(m_practice, today));
    fillRows(*m_practiceRows, rows);
    m_map->setMap(PracticeProgress::map(m_practice));
}

QWidget *ProgressWindow::buildButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    m_print = new QPushButton(tr("&Print Report..."), row);
    m_save = new QPushButton(tr("Save Report as P&DF..."), row);
    m_print->setAccessibleDescription(tr("Prints this child's progress: the table and the chart on one page, and "
                                         "the practice on a second when there is one."));
    m_save->setAccessibleDescription(tr("Saves this child's progress as a PDF file: the table and the chart on one "
                                        "page, and the practice on a second when there is one."));
    connect(m_print, &QPushButton::clicked, this, &ProgressWindow::printReport);
    connect(m_save, &QPushButton::clicked, this, &ProgressWindow::saveReport);
    layout->addWidget(m_print);
    layout->addWidget(m_save);
    return row;
}

void ProgressWindow::refresh()
{
    refreshPractice(); // a practice completed, or the scores cleared
    const bool read = ScoreBook::isRead();
    m_print->setEnabled(read);
    m_save->setEnabled(read);
    if (!read) {
        m_summary->setText(tr("Reading the saved scores..."));
        return;
    }
    m_figures = Progress::of(ScoreBook::records(), m_player);
    m_summary->setText(Progress::summary(m_figures));

    const QList<QStringList> rows = Progress::tableRows(m_figures);
    fillRows(*m_topics, rows);
    static_cast<ExerciseModel *>(m_exercises->model())->setTimeline(m_figures.timeline);
    m_exercises->scrollToBottom(); // the latest exercises first in view

    // The view lets go of the chart it showed without freeing it.
    const std::unique_ptr<QChart> shown(m_chartView->chart());
    m_chartView->setChart(ProgressChart::build(m_figures));
    m_chartView->setAccessibleDescription(Progress::chartDescription(m_figures));
}

void ProgressWindow::printReport()
{
    refreshPractice();
    if (ProgressReport::print(this, m_figures, m_practice))
        statusBar()->showMessage(tr("Progress report sent to the printer"), StatusTimeout);
}

void ProgressWindow::saveReport()
{
    refreshPractice();
    if (!ProgressReport::savePdf(this, m_figures, m_practice).isEmpty())
        statusBar()->showMessage(tr("Progress report saved as PDF"), StatusTimeout);
}

QSize ProgressWindow::sizeHint() const
{
    return QSize(760, 620);
}
