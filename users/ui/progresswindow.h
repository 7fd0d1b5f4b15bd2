// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/progress.h"

#include <QMainWindow>

class QChartView;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;

// One child's progress in the workspace: a table per topic, and the scores
// over time as a chart and, for those who do not see it, as a list. It follows
// the records as they are read and written, and prints a one-page report.
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
    QSize sizeHint() const override;

public Q_SLOTS:
    void printReport();
    void saveReport();

private:
    void refresh();
    QWidget *buildButtons();

    QString m_player;
    Progress::Figures m_figures;
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
    QStandardItemModel *m_topics = nullptr;
    QTabWidget *m_tabs = nullptr;
    QChartView *m_chartView = nullptr;
    QTableView *m_exercises = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_save = nullptr;
};
