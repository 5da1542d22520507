#include "ui/shape.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvo {

Shape::Shape(QWidget* parent, const char* name, const QRect& geometry, const QColor& fill)
    : QWidget(parent), fill_(fill) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
}

void Shape::SetFill(const QColor& fill) {
    if (fill == fill_)
        return;
    fill_ = fill;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(fill_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Shape::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

} // namespace kelvo
