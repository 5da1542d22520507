#include "app/form_help.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/project_links.h"
#include "app/virtual_key.h"
#include "ui/controls.h"
#include "ui/key_preview.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/panel.h"

namespace kelvo {

TFormHelp::TFormHelp(PlatformServices& services)
    : AuxiliaryWindow("FormHelp", QStringLiteral("About Calculator (v.2.1)"), {218, 212}) {
    auto* thanks =
        new Panel(this, "sPanel1", {9, 8, 200, 73}, QStringLiteral("Thanks for using Calculator!"));
    thanks->setFont(PixelFont(12, true));
    auto* site = new QLabel(QStringLiteral("Site:"), this);
    site->setObjectName(QStringLiteral("Label2"));
    site->move(92, 90);
    new LinkLabel(this, "sWebLabel1", QString::fromLatin1(kWebText), kWebAddress, {58, 106, 91, 13},
                  services);
    auto* credit =
        new QLabel(QStringLiteral("Programmer: ") + QString::fromLatin1(kProgrammer), this);
    credit->setObjectName(QStringLiteral("Label1"));
    credit->setGeometry(42, 127, 139, 13);
    new LinkLabel(this, "sWebLabel2", QString::fromLatin1(kMailText), kMailAddress,
                  {56, 143, 99, 13}, services);
    // The caption is Cyrillic "ОК", which looks like the Latin "OK".
    Button1 = AddButton(this, "Button1", QStringLiteral("\u041E\u041A"), {68, 168, 81, 33});
    Button1->setCursor(Qt::ArrowCursor);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    new KeyPreview(this,
                   [this](const QKeyEvent& key) { FormKeyDown(VirtualKeyFromQt(key.key())); });
}

void TFormHelp::FormKeyDown(int virtualKey) {
    if (virtualKey == 112)
        close();
}

} // namespace kelvo
