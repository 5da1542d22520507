#include "app/form_help.h"

namespace kelvo {

TFormHelp::TFormHelp()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormHelp"));
    setWindowTitle(QStringLiteral("About Calculator (v.2.1)"));
    setFixedSize(218, 212);
}

} // namespace kelvo
