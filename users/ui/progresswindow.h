// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/practice.h"
#include "users/progress.h"

#include <QMainWindow>

class QChartView;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class TimesTableMap;

// One child's progress in the workspace: a table per topic, and the scores
// over time as a chart and, for those who do not see it, as a list; and the
// child's practice: what is being practised and known per topic, and the map
// of the times tables. It follows the records as they are read and written,
// and prints a report: one page, and a second for the practice when there is one.
class ProgressWindow : public QMainWindow
{
    Q_OBJECT

public:
    ProgressWindow(QWidget *parent, const QString &player);

    const Progress::Figures &figures() const { return m_figures; }
    QTableView *table() const { return m_table; }
    QTableView *exerciseList() const { return m_exercises; }
    QChartView *chartView() const { return m_chartView; }
    QLabel *summaryLabel() const { return m_summary; }
    QTabWidget *pages() const { return m_tabs; }
    QWidget *practicePage() const;
    QTableView *practiceTable() const { return m_practiceTable; }
    TimesTableMap *timesTableMap() const { return m_map; }
    QSize sizeHint() const override;

public Q_SLOTS:
    void printReport();
    void saveReport();

private:
    void refresh();
    void refreshPractice();
    QWidget *buildButtons();
    QWidget *buildPracticePage();

    QString m_player;
    Progress::Figures m_figures;
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
    QStandardItemModel *m_topics = nullptr;
    QTabWidget *m_tabs = nullptr;
    QChartView *m_chartView = nullptr;
    QTableView *m_exercises = nullptr;
    Practice::Box m_practice;
    QLabel *m_practiceSummary = nullptr;
    QStandardItemModel *m_practiceRows = nullptr;
    QTableView *m_practiceTable = nullptr;
    TimesTableMap *m_map = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_save = nullptr;
};
