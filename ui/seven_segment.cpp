#include "ui/seven_segment.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "core/number_text.h"
#include "core/pixel_codes.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/error_boundary.h"
#include "ui/look.h"
#include "ui/rectangle_shape.h"

namespace kelvo {
namespace {

const QColor kLit(255, 0, 0);

struct SegmentLayout {
    const char* shape;
    QRect geometry;
    const char* letterLabel;
    QPoint letterAt;
    const char* box;
    const char* boxLabel;
};

constexpr const char* kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "P"};

const SegmentLayout kLayout[] = {
    {"Shape_A", {21, 30, 33, 13}, "sLabel8", {34, 30}, "AdvEdit_A", "sLabel23"},
    {"Shape_B", {53, 46, 13, 33}, "sLabel24", {56, 55}, "AdvEdit_B", "sLabel31"},
    {"Shape_C", {53, 96, 13, 33}, "sLabel25", {56, 105}, "AdvEdit_C", "sLabel32"},
    {"Shape_D", {21, 131, 33, 13}, "sLabel26", {34, 131}, "AdvEdit_D", "sLabel33"},
    {"Shape_E", {9, 96, 13, 33}, "sLabel27", {12, 105}, "AdvEdit_E", "sLabel34"},
    {"Shape_F", {9, 46, 13, 33}, "sLabel28", {12, 55}, "AdvEdit_F", "sLabel35"},
    {"Shape_G", {21, 80, 33, 13}, "sLabel29", {34, 80}, "AdvEdit_G", "sLabel36"},
    {"Shape_P", {71, 118, 13, 17}, "sLabel30", {74, 120}, "AdvEdit_P", "sLabel37"},
};

} // namespace

SevenSegment::SevenSegment(QWidget* parent, PlatformServices& services, EditBox& output)
    : Panel(parent, "sPanel7", {176, 152, 129, 185}), services_(services), output_(output),
      // Unlit segments take the desktop palette's colour for frames and borders.
      unlit_(QGuiApplication::palette().color(QPalette::Active, QPalette::Mid)) {
    AddLabel(this, "sLabel38", QStringLiteral("7SegToSerial"), {10, 12}, 11);
    sButton5 = AddButton(this, "sButton5", QStringLiteral("Inverse"), {9, 150, 68, 25});
    QWidget* previous = sButton5;
    for (std::size_t segment = 0; segment < kSegments; ++segment) {
        const SegmentLayout& layout = kLayout[segment];
        const QString letter = QLatin1String(kLetters[segment]);
        Segments[segment] =
            new RectangleShape(this, QLatin1String(layout.shape), layout.geometry, unlit_);
        // The letter lies on its segment and takes a press on it for itself.
        AddLabel(this, layout.letterLabel, letter, layout.letterAt, 11);
        const int top = 12 + 20 * static_cast<int>(segment);
        AddLabel(this, layout.boxLabel, letter, {90, top + 5}, 11);
        EditBox* box = AddEditBox(this, layout.box, {100, top, 20, 21}, std::to_string(segment));
        box->setFont(PixelFont(11, true));
        box->setAlignment(Qt::AlignCenter);
        box->setCursor(Qt::PointingHandCursor);
        BitBoxes[segment] = box;
        setTabOrder(previous, box);
        previous = box;
        ConnectGuarded(Segments[segment], &RectangleShape::pressed, this, services_,
                       [this, segment] { ShapeMouseDown(segment); });
    }
    ConnectGuarded(sButton5, &QPushButton::clicked, this, services_, [this] { sButton5Click(); });
}

void SevenSegment::Show(std::size_t segment) {
    Segments[segment]->SetFill(lit_[segment] ? kLit : unlit_);
}

void SevenSegment::ShapeMouseDown(std::size_t segment) {
    lit_[segment] = !lit_[segment];
    Show(segment);
    EncodeSegments();
}

void SevenSegment::sButton5Click() {
    for (std::size_t segment = 0; segment < kSegments; ++segment) {
        lit_[segment] = !lit_[segment];
        Show(segment);
    }
    EncodeSegments();
}

void SevenSegment::EncodeSegments() {
    std::array<std::string, kSegments> texts;
    std::array<std::string_view, kSegments> views;
    for (std::size_t segment = 0; segment < kSegments; ++segment) {
        texts[segment] = BitBoxes[segment]->Bytes();
        views[segment] = texts[segment];
    }
    // The value converter follows by its own rules while the decimal box is its source.
    output_.Assign(FormatDecimal(SegmentCode(lit_, views)));
}

} // namespace kelvo
