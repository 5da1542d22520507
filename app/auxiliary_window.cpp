#include "app/auxiliary_window.h"

#include <QGuiApplication>
#include <QScreen>

namespace kelvo {

AuxiliaryWindow::AuxiliaryWindow(const char* name, const QString& caption, QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setFixedSize(clientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace kelvo
