#include "app/auxiliary_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/look.h"

namespace kelvo {

AuxiliaryWindow::AuxiliaryWindow(const char* name, const QString& caption, QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(PixelFont(11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void AuxiliaryWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}

ChartImage::ChartImage(QWidget* parent, const QRect& geometry, Painter paint)
    : QWidget(parent), paint_(paint) {
    setObjectName(QStringLiteral("Image1"));
    setGeometry(geometry);
}

void ChartImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_(painter);
}

} // namespace kelvo
