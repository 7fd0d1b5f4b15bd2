// SPDX-License-Identifier: GPL-3.0-or-later
#include "users/ui/timestablemap.h"

#include <QPainter>

namespace {

// Blue and orange stay apart for every common kind of colour blindness; the
// stripes and the blank cells tell the three states apart without colour.
const QColor KnownColour(0x00, 0x72, 0xB2);
const QColor PractisedColour(0xE6, 0x9F, 0x00);
const QColor Lines(0xBB, 0xBB, 0xBB);
// The key below the grid takes this many cells' height.
constexpr qreal KeyCells = 1.6;

void paintCell(QPainter &painter, const QRectF &cell, PracticeProgress::Cell state, const QString &text, bool heading)
{
    painter.setPen(Lines);
    switch (state) {
    case PracticeProgress::Cell::Known:
        painter.setBrush(KnownColour);
        break;
    case PracticeProgress::Cell::Practised:
        painter.setBrush(PractisedColour);
        break;
    case PracticeProgress::Cell::NotMet:
        painter.setBrush(heading ? QColor(0xE8, 0xE8, 0xE8) : QColor(Qt::white));
        break;
    }
    painter.drawRect(cell);
    if (state == PracticeProgress::Cell::Practised)
        painter.fillRect(cell, QBrush(QColor(255, 255, 255, 120), Qt::BDiagPattern));
    if (text.isEmpty())
        return;
    QFont font = painter.font();
    font.setBold(heading || state != PracticeProgress::Cell::NotMet);
    painter.setFont(font);
    painter.setPen(state == PracticeProgress::Cell::Known       ? QColor(Qt::white)
                   : state == PracticeProgress::Cell::Practised ? QColor(Qt::black)
                   : heading                                    ? QColor(Qt::black)
                                                                : QColor(0x77, 0x77, 0x77));
    painter.drawText(cell, Qt::AlignCenter, text);
}

} // namespace

TimesTableMap::TimesTableMap(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Times-tables map"));
    setFocusPolicy(Qt::StrongFocus); // reached by Tab, so its description is read
    setMap({});
}

void TimesTableMap::setMap(const PracticeProgress::Map &map)
{
    m_map = map;
    setAccessibleDescription(PracticeProgress::mapDescription(map));
    update();
}

QSize TimesTableMap::sizeHint() const
{
    const int cell = fontMetrics().horizontalAdvance(QStringLiteral("144")) + 6;
    return {cell * (m_map.size + 1) + 2, int(cell * (m_map.size + 1 + KeyCells)) + 2};
}

QSize TimesTableMap::minimumSizeHint() const
{
    // Small enough to leave the window's other parts their room; the numbers stay readable.
    const int cell = fontMetrics().horizontalAdvance(QStringLiteral("144")) * 3 / 4 + 2;
    return {cell * (m_map.size + 1) + 2, int(cell * (m_map.size + 1 + KeyCells)) + 2};
}

void TimesTableMap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, QRectF(rect()).adjusted(1, 1, -1, -1), m_map);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void TimesTableMap::paint(QPainter &painter, const QRectF &area, const PracticeProgress::Map &map)
{
    const int n = map.size;
    const qreal cell = std::min(area.width() / (n + 1), area.height() / (n + 1 + KeyCells));
    const QPointF origin(area.left() + (area.width() - cell * (n + 1)) / 2, area.top());
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(std::max(6, int(cell * 0.42)));
    painter.setFont(font);
    const auto at = [&](int column, int row) {
        return QRectF(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
    };
    paintCell(painter, at(0, 0), PracticeProgress::Cell::NotMet, QStringLiteral("×"), true);
    for (int i = 1; i <= n; ++i) {
        paintCell(painter, at(i, 0), PracticeProgress::Cell::NotMet, QString::number(i), true);
        paintCell(painter, at(0, i), PracticeProgress::Cell::NotMet, QString::number(i), true);
    }
    for (int a = 1; a <= n; ++a) {
        for (int b = 1; b <= n; ++b)
            paintCell(painter, at(b, a), map.cell(a, b), QString::number(a * b), false);
    }

    // The key: a small cell of each kind and its name, in a smaller font when
    // the names are too long for the width of the grid.
    const PracticeProgress::Cell states[] = {PracticeProgress::Cell::Known, PracticeProgress::Cell::Practised,
                                             PracticeProgress::Cell::NotMet};
    const qreal swatch = cell * 0.8;
    font.setBold(false);
    painter.setFont(font);
    qreal wanted = 0;
    for (const PracticeProgress::Cell state : states)
        wanted += swatch + cell * 0.8 + painter.fontMetrics().horizontalAdvance(PracticeProgress::cellName(state));
    if (wanted > cell * (n + 1)) {
        font.setPixelSize(std::max(5, int(font.pixelSize() * cell * (n + 1) / wanted)));
        painter.setFont(font);
    }
    const qreal top = origin.y() + (n + 1) * cell + cell * 0.4;
    qreal left = origin.x();
    for (const PracticeProgress::Cell state : states) {
        paintCell(painter, QRectF(left, top, swatch, swatch), state, QString(), false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QString name = PracticeProgress::cellName(state);
        const qreal width = painter.fontMetrics().horizontalAdvance(name);
        painter.drawText(QRectF(left + swatch + cell * 0.2, top, width + 2, swatch), Qt::AlignVCenter, name);
        left += swatch + cell * 0.8 + width;
    }
    painter.restore();
}
