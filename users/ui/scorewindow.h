// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/scorebook.h"

#include <QMainWindow>

class QTableView;

// A table of score records in the workspace: everybody's, or one player's. It
// shows the records as they were when it opened, and those that arrive from
// other computers through a shared folder.
class ScoreWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum Mode { Everybody = 0, OnePlayer = 1 };

    ScoreWindow(QWidget *parent, const QList<ScoreRecord> &records, Mode mode, const QString &playerName = {});

    QTableView *table() const { return m_table; }
    // Wide enough for all five columns; the workspace narrows it to what it shows.
    QSize sizeHint() const override;

private:
    QTableView *m_table = nullptr;
};
