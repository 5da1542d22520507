#include <QApplication>
#include <QStyleFactory>

#include "app/art/glyphs.h"
#include "app/desktop_services.h"
#include "app/heap_tuning.h"
#include "app/windows.h"
#include "ui/look.h"

int main(int argc, char* argv[]) {
    kelvo::KeepLargeBlocksInHeap();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvo Calculator"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kelvo.Calculator"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(kelvo::PixelFont(11));
    QApplication::setWindowIcon(kelvo::GlyphIcon(kelvo::Glyph::Application));

    kelvo::DesktopServices services;
    const kelvo::Windows windows = kelvo::CreateWindows(services);
    windows.MainForm->show();
    return QApplication::exec();
}
