#include "ui/rectangle_shape.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvo {

RectangleShape::RectangleShape(QWidget* parent, const QString& name, const QRect& geometry,
                               const QColor& fill, const QColor& outline)
    : QWidget(parent), fill_(fill), outline_(outline) {
    setObjectName(name);
    setGeometry(geometry);
}

void RectangleShape::SetFill(const QColor& fill) {
    if (fill == fill_)
        return;
    fill_ = fill;
    update();
}

void RectangleShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(outline_);
    painter.setBrush(fill_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void RectangleShape::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

} // namespace kelvo
