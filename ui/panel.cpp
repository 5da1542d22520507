#include "ui/panel.h"

#include <QPainter>

namespace kelvo {

Panel::Panel(QWidget* parent, const char* name, const QRect& geometry, const QString& caption)
    : QFrame(parent), caption_(caption) {
    setObjectName(QString::fromLatin1(name));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGeometry(geometry);
}

void Panel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

} // namespace kelvo
