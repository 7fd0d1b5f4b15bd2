// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/ui/exercisepage.h"

#include "exercise/ui/mdiwindow.h"

#include <QPainter>

#include <cmath>

namespace {
constexpr QSize PageSize = MDIWindow::PageSize;
} // namespace

ExercisePage::ExercisePage(MDIWindow *window)
    : QWidget(window)
    , m_window(window)
{
    setMinimumSize((QSizeF(PageSize) * MDIWindow::SmallestScale).toSize());
}

QSize ExercisePage::sizeHint() const
{
    return PageSize;
}

void ExercisePage::place(QWidget *child, const QRect &at)
{
    m_children.append({child, at, child->font()});
    fit(m_children.constLast());
}

void ExercisePage::setLayoutFont(QWidget *child, const QFont &font)
{
    for (Placed &placed : m_children) {
        if (placed.child == child) {
            placed.font = font;
            fit(placed);
        }
    }
}

double ExercisePage::scale() const
{
    return std::min(double(width()) / PageSize.width(), double(height()) / PageSize.height());
}

QPointF ExercisePage::origin() const
{
    return QPointF(width() - PageSize.width() * scale(), height() - PageSize.height() * scale()) / 2;
}

void ExercisePage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale() != 1);
    painter.translate(origin());
    painter.scale(scale(), scale());
    m_window->paintPage(painter);
}

void ExercisePage::resizeEvent(QResizeEvent *)
{
    for (const Placed &placed : std::as_const(m_children))
        fit(placed);
}

void ExercisePage::fit(const Placed &placed) const
{
    const double s = scale();
    placed.child->setGeometry(QRectF(origin() + QPointF(placed.at.topLeft()) * s, QSizeF(placed.at.size()) * s).toRect());
    QFont font = placed.font;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * s);
    else
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * s))));
    placed.child->setFont(font);
}
