#include "ui/link_label.h"

#include "ui/look.h"
#include "ui/platform_services.h"

namespace kelvo {

LinkLabel::LinkLabel(QWidget* parent, const char* name, const QString& text, std::string address,
                     const QRect& geometry, PlatformServices& services)
    : ClickLabel(text, parent), address_(std::move(address)), services_(services) {
    setObjectName(QString::fromLatin1(name));
    setFont(PixelFont(11));
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    SetTextColour(Qt::blue);
    connect(this, &ClickLabel::clicked, this, [this] { services_.Open(address_); });
}

void LinkLabel::SetTextColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    SetTextColour(parentWidget()->palette().color(QPalette::WindowText));
    ClickLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    SetTextColour(Qt::blue);
    ClickLabel::leaveEvent(event);
}

} // namespace kelvo
