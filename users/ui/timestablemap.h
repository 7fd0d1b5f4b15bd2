// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "users/practiceprogress.h"

#include <QWidget>

// The times-tables map: the grid of the tables, each product in a cell that
// shows what the child's answers to that fact show. It reads without colour
// too: known facts are filled solid (blue), facts being practised are
// striped (orange) and facts not met yet are left white; a key explains it.
class TimesTableMap : public QWidget
{
    Q_OBJECT

public:
    explicit TimesTableMap(QWidget *parent);
    void setMap(const PracticeProgress::Map &map);
    const PracticeProgress::Map &map() const { return m_map; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Paints a map with its key into an area, on the screen or on paper, in
    // the painter's font.
    static void paint(QPainter &painter, const QRectF &area, const PracticeProgress::Map &map);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PracticeProgress::Map m_map;
};
