#include "app/tool_launcher.h"

#include <QToolButton>

#include "app/art/glyphs.h"
#include "app/auxiliary_window.h"
#include "app/project_links.h"
#include "ui/link_label.h"
#include "ui/platform_services.h"

namespace kelvo {
namespace {

QToolButton* AddImageButton(QWidget* parent, const char* name, QPoint position, const QString& hint,
                            Glyph glyph) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(position.x(), position.y(), 33, 41);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize({32, 32});
    // Flat at rest, raised under the mouse, sunken while pressed.
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

ToolLauncher::ToolLauncher(QWidget* mainWindow, PlatformServices& services,
                           const AuxiliaryWindows& windows)
    : QObject(mainWindow), services_(services), windows_(windows) {
    PNGButtonCalc = AddImageButton(mainWindow, "PNGButtonCalc", {828, 353},
                                   QStringLiteral("Calculator"), Glyph::Calculator);
    PNGButton3 = AddImageButton(mainWindow, "PNGButton3", {882, 353},
                                QStringLiteral("Additionally"), Glyph::LifeBuoy);
    PNGButton5 = AddImageButton(mainWindow, "PNGButton5", {828, 441},
                                QStringLiteral("Device manager"), Glyph::DeviceManager);
    PNGButton1 = AddImageButton(mainWindow, "PNGButton1", {882, 441}, QStringLiteral("Notepad"),
                                Glyph::Notepad);
    PNGButton2 = AddImageButton(mainWindow, "PNGButton2", {828, 521}, QStringLiteral("Explorer"),
                                Glyph::Folder);
    PNGButton6 =
        AddImageButton(mainWindow, "PNGButton6", {882, 521}, QStringLiteral("About"), Glyph::About);
    new LinkLabel(mainWindow, "sWebLabel1", QString::fromLatin1(kWebText), kWebAddress,
                  {826, 578, 91, 13}, services);

    connect(PNGButtonCalc, &QToolButton::clicked, this, [this] { PNGButtonCalcClick(); });
    connect(PNGButton1, &QToolButton::clicked, this, [this] { PNGButton1Click(); });
    connect(PNGButton2, &QToolButton::clicked, this, [this] { PNGButton2Click(); });
    connect(PNGButton5, &QToolButton::clicked, this, [this] { PNGButton5Click(); });
    connect(PNGButton3, &QToolButton::clicked, this, [this] { PNGButton3Click(); });
    connect(PNGButton6, &QToolButton::clicked, this, [this] { PNGButton6Click(); });
}

void ToolLauncher::PNGButtonCalcClick() {
    services_.Open("calc");
}

void ToolLauncher::PNGButton1Click() {
    services_.Open("notepad");
}

void ToolLauncher::PNGButton2Click() {
    services_.Open("explorer");
}

void ToolLauncher::PNGButton5Click() {
    services_.Open("devmgmt.msc");
}

void ToolLauncher::PNGButton3Click() {
    // One after the other, so that the DTMF table ends up in front.
    for (AuxiliaryWindow* chart : {windows_.Form_Resistor, windows_.Form_Ohm, windows_.Form_DTMF})
        chart->ShowInFront();
}

void ToolLauncher::PNGButton6Click() {
    windows_.FormHelp->ShowInFront();
}

} // namespace kelvo
