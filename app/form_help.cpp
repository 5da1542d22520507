#include "app/form_help.h"

#include <QGuiApplication>
#include <QScreen>

namespace kelvo {

TFormHelp::TFormHelp()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(QStringLiteral("About Calculator (v.2.1)"));
    setFixedSize(218, 212);
    // Centred the first time it is shown; afterwards it reappears where it was left.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace kelvo
