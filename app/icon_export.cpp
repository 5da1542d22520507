// kelvo-icon-export DIR: writes the application icon into DIR as a hicolor icon theme, PNG at
// 16 to 256 pixels and SVG, from the same drawing the program shows.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "app/art/glyphs.h"

namespace {

constexpr const char* kIconName = "example.kelvo.Calculator";

bool WritePng(const QDir& theme, int size) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    theme.mkpath(folder);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    kelvo::PaintGlyph(painter, kelvo::Glyph::Application, QRectF(0, 0, size, size));
    painter.end();
    return image.save(theme.filePath(folder + QLatin1Char('/') + QLatin1String(kIconName) +
                                     QStringLiteral(".png")));
}

bool WriteSvg(const QDir& theme) {
    theme.mkpath(QStringLiteral("scalable/apps"));
    QSvgGenerator svg;
    svg.setFileName(theme.filePath(QStringLiteral("scalable/apps/") + QLatin1String(kIconName) +
                                   QStringLiteral(".svg")));
    svg.setSize({256, 256});
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Kelvo Calculator"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    kelvo::PaintGlyph(painter, kelvo::Glyph::Application, QRectF(0, 0, 256, 256));
    return painter.end();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvo-icon-export DIR\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    bool written = WriteSvg(theme);
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        written = WritePng(theme, size) && written;
    return written ? 0 : 1;
}
