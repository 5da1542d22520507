#include "ui/link_label.h"

#include <QMouseEvent>

#include "ui/look.h"
#include "ui/platform_services.h"

namespace kelvo {

LinkLabel::LinkLabel(QWidget* parent, const char* name, const QString& text, std::string address,
                     const QRect& geometry, PlatformServices& services)
    : QLabel(text, parent), address_(std::move(address)), services_(services) {
    setObjectName(QString::fromLatin1(name));
    setFont(PixelFont(11));
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    SetTextColour(Qt::blue);
}

void LinkLabel::SetTextColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    SetTextColour(parentWidget()->palette().color(QPalette::WindowText));
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    SetTextColour(Qt::blue);
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        services_.Open(address_);
}

} // namespace kelvo
