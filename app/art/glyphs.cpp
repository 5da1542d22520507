#include "app/art/glyphs.h"

#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QRadialGradient>

#include <array>

namespace kelvo {
namespace {

// From menu and title-bar sizes up to the large desktop tiles.
constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

// The pictures are drawn on a 32 x 32 grid; one grid unit is one pixel at the launcher's size,
// so single-unit outlines sit on half units to land on whole pixels there.
constexpr qreal kGrid = 32.0;

QPen Outline(const QColor& color, qreal width = 1.0) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

QLinearGradient Horizontal(qreal left, qreal right, const QColor& from, const QColor& to) {
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

void PaintCalculator(QPainter& p) {
    p.setPen(Outline(QColor(0x40, 0x40, 0x40)));
    p.setBrush(Vertical(1.5, 30.5, QColor(0xe8, 0xe8, 0xe8), QColor(0x98, 0x98, 0x98)));
    p.drawRoundedRect(QRectF(5.5, 1.5, 20, 29), 2.5, 2.5);

    p.setPen(Outline(QColor(0x30, 0x38, 0x30)));
    p.setBrush(Vertical(3.5, 10.5, QColor(0xa8, 0xc8, 0x90), QColor(0xd4, 0xea, 0xc0)));
    p.drawRect(QRectF(7.5, 3.5, 16, 7));
    // Dark blocks for the digits, right-aligned like a real readout.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x28, 0x34, 0x28));
    for (int digit = 0; digit < 3; ++digit) {
        p.drawRect(QRectF(14 + digit * 3, 5, 2, 4));
    }

    // Function keys on top, operators down the right, digits in the middle; each key sits on a
    // one-unit shadow so the rows stay apart at small sizes.
    const QColor functionKey(0x48, 0x50, 0x60);
    const QColor operatorKey(0xf0, 0x88, 0x20);
    const QColor digitKey(0xfc, 0xfc, 0xfc);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QRectF key(8 + column * 4, 13 + row * 4, 3, 2);
            p.setBrush(QColor(0x30, 0x30, 0x30, 170));
            p.drawRect(key.translated(0, 1));
            p.setBrush(column == 3 ? operatorKey : row == 0 ? functionKey : digitKey);
            p.drawRect(key);
        }
    }
}

void PaintLifeBuoy(QPainter& p) {
    const QPointF centre(12.5, 12.5);
    constexpr qreal kLens = 10.5;

    // The handle goes first so that the rim covers its end.
    p.setPen(Outline(QColor(0x2a, 0x22, 0x1c), 5.0));
    p.drawLine(QPointF(21, 21), QPointF(28.5, 28.5));
    p.setPen(Outline(QColor(0x7a, 0x60, 0x4c), 1.5));
    p.drawLine(QPointF(21.5, 20.5), QPointF(27.5, 26.5));
    p.setPen(Outline(QColor(0x8c, 0x8c, 0x8c), 4.0));
    p.drawLine(QPointF(19.5, 19.5), QPointF(21.5, 21.5));

    QRadialGradient glass(QPointF(9.5, 9.5), 14);
    glass.setColorAt(0, QColor(0xf4, 0xfb, 0xff));
    glass.setColorAt(1, QColor(0xa8, 0xd0, 0xf0));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(centre, kLens, kLens);

    QPainterPath ring;
    ring.addEllipse(centre, 8, 8);
    ring.addEllipse(centre, 3.5, 3.5);
    p.setBrush(QColor(0xe0, 0x1c, 0x24));
    p.drawPath(ring);
    // White bands across the diagonals, clipped to the ring.
    p.save();
    p.setClipPath(ring, Qt::IntersectClip);
    p.setBrush(Qt::white);
    const QRectF around(centre.x() - 9, centre.y() - 9, 18, 18);
    for (int band = 0; band < 4; ++band) {
        p.drawPie(around, (45 + band * 90 - 20) * 16, 40 * 16);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(Outline(QColor(0x70, 0x0c, 0x10), 0.8));
    p.drawPath(ring);

    // Glare on the glass.
    p.setPen(Outline(QColor(255, 255, 255, 200), 1.5));
    p.drawArc(QRectF(centre.x() - 8.5, centre.y() - 8.5, 17, 17), 100 * 16, 60 * 16);

    p.setPen(Outline(QColor(0x34, 0x34, 0x38), 2.2));
    p.drawEllipse(centre, kLens, kLens);
    p.setPen(Outline(QColor(0xb0, 0xb0, 0xb8), 0.6));
    p.drawEllipse(centre, kLens - 0.4, kLens - 0.4);
}

void PaintDeviceManager(QPainter& p) {
    p.setPen(Outline(QColor(0x40, 0x40, 0x40)));
    p.setBrush(Vertical(17, 24, QColor(0xc8, 0xc8, 0xc8), QColor(0x88, 0x88, 0x88)));
    QPainterPath stand;
    stand.moveTo(9.5, 17.5);
    stand.lineTo(13.5, 17.5);
    stand.lineTo(14.5, 21.5);
    stand.lineTo(8.5, 21.5);
    stand.closeSubpath();
    p.drawPath(stand);
    p.drawRoundedRect(QRectF(4.5, 21.5, 14, 2), 1, 1);

    p.setBrush(Vertical(1.5, 18.5, QColor(0xe4, 0xe4, 0xe4), QColor(0xa4, 0xa4, 0xa4)));
    p.drawRoundedRect(QRectF(0.5, 1.5, 22, 17), 1.5, 1.5);
    p.setPen(Outline(QColor(0x28, 0x28, 0x30)));
    p.setBrush(Vertical(3.5, 15.5, QColor(0x4c, 0x90, 0xe8), QColor(0x14, 0x3c, 0x8c)));
    p.drawRect(QRectF(2.5, 3.5, 18, 12));
    // A pale diagonal sheen on the screen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 50));
    QPainterPath sheen;
    sheen.moveTo(3, 4);
    sheen.lineTo(13, 4);
    sheen.lineTo(3, 12);
    sheen.closeSubpath();
    p.drawPath(sheen);

    // The expansion card: board with its edge connector below, bracket at its left end.
    QPainterPath board;
    board.moveTo(15.5, 14.5);
    board.lineTo(30.5, 14.5);
    board.lineTo(30.5, 25.5);
    board.lineTo(28.5, 25.5);
    board.lineTo(28.5, 28.5);
    board.lineTo(18.5, 28.5);
    board.lineTo(18.5, 25.5);
    board.lineTo(15.5, 25.5);
    board.closeSubpath();
    p.setPen(Outline(QColor(0x0c, 0x44, 0x16)));
    p.setBrush(Vertical(14.5, 28.5, QColor(0x48, 0xc0, 0x58), QColor(0x1c, 0x78, 0x2c)));
    p.drawPath(board);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xc8, 0x40));
    for (int finger = 0; finger < 5; ++finger) {
        p.drawRect(QRectF(19 + finger * 2, 26, 1, 2));
    }
    p.setPen(Outline(QColor(0x10, 0x10, 0x10)));
    p.setBrush(QColor(0x2a, 0x2a, 0x30));
    p.drawRect(QRectF(18.5, 17.5, 5, 5));
    p.drawRect(QRectF(25.5, 17.5, 3, 3));

    p.setPen(Outline(QColor(0x48, 0x48, 0x48)));
    p.setBrush(Horizontal(13, 16, QColor(0xf4, 0xf4, 0xf4), QColor(0x98, 0x98, 0x98)));
    QPainterPath bracket;
    bracket.moveTo(12.5, 12.5);
    bracket.lineTo(16.5, 12.5);
    bracket.lineTo(16.5, 30.5);
    bracket.lineTo(14.5, 30.5);
    bracket.lineTo(14.5, 14.5);
    bracket.lineTo(12.5, 14.5);
    bracket.closeSubpath();
    p.drawPath(bracket);
}

void PaintNotepad(QPainter& p) {
    // The sheet with its top right corner folded over.
    QPainterPath sheet;
    sheet.moveTo(4.5, 1.5);
    sheet.lineTo(18.5, 1.5);
    sheet.lineTo(23.5, 6.5);
    sheet.lineTo(23.5, 29.5);
    sheet.lineTo(4.5, 29.5);
    sheet.closeSubpath();
    p.setPen(Outline(QColor(0x60, 0x60, 0x68)));
    p.setBrush(Vertical(1.5, 29.5, QColor(0xff, 0xff, 0xff), QColor(0xe4, 0xe8, 0xf0)));
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(18.5, 1.5);
    fold.lineTo(18.5, 6.5);
    fold.lineTo(23.5, 6.5);
    fold.closeSubpath();
    p.setBrush(QColor(0xc8, 0xcc, 0xd4));
    p.drawPath(fold);

    p.setPen(Outline(QColor(0x70, 0x98, 0xe0), 0.8));
    for (int line = 0; line < 7; ++line) {
        const qreal y = 9.5 + line * 3;
        p.drawLine(QPointF(6.5, y), QPointF(21.5, y));
    }
    p.setPen(Outline(QColor(0xe0, 0x50, 0x50), 0.8));
    p.drawLine(QPointF(8.5, 3), QPointF(8.5, 28));

    // The pencil is drawn lying along x from its point, then turned up to the right.
    p.save();
    p.translate(13.5, 28);
    p.rotate(-45);
    p.setPen(Outline(QColor(0x40, 0x30, 0x20), 0.7));
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(5, -2.3);
    wood.lineTo(5, 2.3);
    wood.closeSubpath();
    p.setBrush(QColor(0xf0, 0xcc, 0x98));
    p.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(1.8, -0.85);
    lead.lineTo(1.8, 0.85);
    lead.closeSubpath();
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawPath(lead);
    QLinearGradient body(0, -2.3, 0, 2.3);
    body.setColorAt(0, QColor(0xff, 0xe0, 0x50));
    body.setColorAt(0.5, QColor(0xf8, 0xc0, 0x10));
    body.setColorAt(1, QColor(0xc8, 0x88, 0x00));
    p.setBrush(body);
    p.drawRect(QRectF(5, -2.3, 12, 4.6));
    QLinearGradient ferrule(0, -2.3, 0, 2.3);
    ferrule.setColorAt(0, QColor(0xf0, 0xf0, 0xf0));
    ferrule.setColorAt(1, QColor(0x90, 0x90, 0x98));
    p.setBrush(ferrule);
    p.drawRect(QRectF(17, -2.3, 2, 4.6));
    p.setBrush(QColor(0xf0, 0x88, 0x98));
    p.drawRoundedRect(QRectF(19, -2.3, 2.8, 4.6), 1, 1);
    p.restore();
}

void PaintFolder(QPainter& p) {
    const QPen edge = Outline(QColor(0x9c, 0x6c, 0x00));
    QPainterPath back;
    back.moveTo(1.5, 27.5);
    back.lineTo(1.5, 5.5);
    back.quadTo(1.5, 4.5, 2.5, 4.5);
    back.lineTo(10.5, 4.5);
    back.lineTo(13, 7.5);
    back.lineTo(29.5, 7.5);
    back.lineTo(29.5, 27.5);
    back.closeSubpath();
    p.setPen(edge);
    p.setBrush(Vertical(4.5, 27.5, QColor(0xf0, 0xc0, 0x30), QColor(0xc8, 0x8c, 0x00)));
    p.drawPath(back);

    p.setPen(Outline(QColor(0xa0, 0xa0, 0xa0), 0.75));
    p.setBrush(QColor(0xfc, 0xfc, 0xfc));
    p.drawRect(QRectF(4.5, 9.5, 22, 10));

    QPainterPath front;
    front.moveTo(1.5, 27.5);
    front.lineTo(3, 12.5);
    front.lineTo(30.5, 12.5);
    front.lineTo(29.5, 27.5);
    front.closeSubpath();
    p.setPen(edge);
    p.setBrush(Vertical(12.5, 27.5, QColor(0xff, 0xe2, 0x6c), QColor(0xf4, 0xb4, 0x18)));
    p.drawPath(front);
    // A highlight along the front flap's top edge.
    p.setPen(Outline(QColor(255, 255, 255, 150), 0.8));
    p.drawLine(QPointF(3.9, 13.6), QPointF(29.2, 13.6));
}

void PaintAbout(QPainter& p) {
    const QPointF centre(16, 16);
    QRadialGradient disc(QPointF(13, 11), 17);
    disc.setColorAt(0, QColor(0x78, 0xbc, 0xff));
    disc.setColorAt(0.6, QColor(0x20, 0x70, 0xd8));
    disc.setColorAt(1, QColor(0x0c, 0x38, 0x90));
    p.setPen(Outline(QColor(0x08, 0x28, 0x68)));
    p.setBrush(disc);
    p.drawEllipse(centre, 14.5, 14.5);

    // The gloss: a pale lens over the top half that fades out downwards.
    QLinearGradient gloss(0, 2.5, 0, 16);
    gloss.setColorAt(0, QColor(255, 255, 255, 190));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(6, 2.5, 20, 13));

    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 8.8), 2.4, 2.4);
    QPainterPath letter;
    letter.moveTo(12.5, 13);
    letter.lineTo(18, 13);
    letter.lineTo(18, 23);
    letter.lineTo(19.5, 23);
    letter.lineTo(19.5, 25.5);
    letter.lineTo(12.5, 25.5);
    letter.lineTo(12.5, 23);
    letter.lineTo(14, 23);
    letter.lineTo(14, 15.5);
    letter.lineTo(12.5, 15.5);
    letter.closeSubpath();
    p.drawPath(letter);
}

// A chip with "0x" printed on it: hex, checksums and hardware in one picture. The letters are
// drawn as strokes rather than text so they look the same whatever fonts are installed.
void PaintApplication(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int pin = 0; pin < 4; ++pin) {
        const qreal along = 9 + pin * 4;
        p.setBrush(
            Horizontal(along, along + 2, QColor(0xfc, 0xe4, 0x90), QColor(0xa8, 0x80, 0x20)));
        p.drawRect(QRectF(along, 0.5, 2, 4));
        p.drawRect(QRectF(along, 27.5, 2, 4));
        p.setBrush(Vertical(along, along + 2, QColor(0xfc, 0xe4, 0x90), QColor(0xa8, 0x80, 0x20)));
        p.drawRect(QRectF(0.5, along, 4, 2));
        p.drawRect(QRectF(27.5, along, 4, 2));
    }

    p.setPen(Outline(QColor(0x10, 0x12, 0x18)));
    p.setBrush(Vertical(4.5, 27.5, QColor(0x4a, 0x52, 0x60), QColor(0x1c, 0x20, 0x28)));
    p.drawRoundedRect(QRectF(4.5, 4.5, 23, 23), 2, 2);
    // Pin one's mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x90, 0x98, 0xa8));
    p.drawEllipse(QPointF(8, 8), 1.2, 1.2);

    p.setPen(Outline(QColor(0x60, 0xf0, 0x80), 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8.3, 11.3, 5.4, 10.4), 2.7, 2.7);
    p.drawLine(QPointF(17.6, 14.6), QPointF(23.6, 21.4));
    p.drawLine(QPointF(23.6, 14.6), QPointF(17.6, 21.4));
}

} // namespace

void PaintGlyph(QPainter& painter, Glyph glyph, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGrid, box.height() / kGrid);
    switch (glyph) {
    case Glyph::Calculator:
        PaintCalculator(painter);
        break;
    case Glyph::LifeBuoy:
        PaintLifeBuoy(painter);
        break;
    case Glyph::DeviceManager:
        PaintDeviceManager(painter);
        break;
    case Glyph::Notepad:
        PaintNotepad(painter);
        break;
    case Glyph::Folder:
        PaintFolder(painter);
        break;
    case Glyph::About:
        PaintAbout(painter);
        break;
    case Glyph::Application:
        PaintApplication(painter);
        break;
    }
    painter.restore();
}

namespace {

// Draws the glyph when a size is first asked for, at exactly that size and screen resolution,
// so start-up renders nothing and every scale stays crisp.
class GlyphIconEngine : public QIconEngine {
  public:
    explicit GlyphIconEngine(Glyph glyph) : glyph_(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        PaintGlyph(*painter, glyph_, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        // Qt asks for the size in device pixels already.
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        PaintGlyph(painter, glyph_, QRectF(QPointF(0, 0), QSizeF(image.size())));
        painter.end();
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : kIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(glyph_); }

  private:
    Glyph glyph_;
};

} // namespace

QIcon GlyphIcon(Glyph glyph) {
    return QIcon(new GlyphIconEngine(glyph));
}

} // namespace kelvo
