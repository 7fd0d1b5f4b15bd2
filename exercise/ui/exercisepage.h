// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QWidget>

class MDIWindow;

// The exercise page of fixed layout, drawn at the scale its window gives it:
// the layout's 600 by 400 pixels are the drawing's coordinates, the page is as
// large as the window shows it whole, and the room left over lies evenly
// around it. It has the window paint its state behind the child widgets, which
// are placed and sized (their fonts too) at the same scale.
class ExercisePage : public QWidget
{
public:
    explicit ExercisePage(MDIWindow *window);

    QSize sizeHint() const override;
    // Puts a child at its place in the layout, in the font it has now.
    void place(QWidget *child, const QRect &at);
    // The font a placed child has at the layout's own scale.
    void setLayoutFont(QWidget *child, const QFont &font);
    double scale() const;
    QPointF origin() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Placed
    {
        QWidget *child;
        QRect at;
        QFont font;
    };
    void fit(const Placed &placed) const;

    MDIWindow *m_window;
    QList<Placed> m_children;
};
