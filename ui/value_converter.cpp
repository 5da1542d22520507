#include "ui/value_converter.h"

#include <QPushButton>
#include <algorithm>

#include "core/digit_filters.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/error_boundary.h"
#include "ui/platform_services.h"

namespace kelvo {
namespace {

constexpr ConverterBox kBoxes[] = {ConverterBox::Decimal, ConverterBox::Hex,
                                   ConverterBox::Character, ConverterBox::Binary};

} // namespace

ValueConverter::ValueConverter(QWidget* parent, PlatformServices& services)
    : Panel(parent, "sPanel2", {8, 80, 377, 65}), services_(services) {
    AddLabel(this, "sLabel3", QStringLiteral("Dec"), {34, 8});
    AddLabel(this, "sLabel4", QStringLiteral("Hex"), {116, 8});
    sButton4 = AddButton(this, "sButton4", QStringLiteral("Binary (sw)"), {178, 9, 61, 19});
    AddLabel(this, "sLabel5", QStringLiteral("Char"), {258, 8});
    AdvEditDec = AddEditBox(this, "AdvEditDec", {14, 32, 65, 24});
    AdvEditHex = AddEditBox(this, "AdvEditHex", {90, 32, 72, 24});
    AdvEditBin = AddEditBox(this, "AdvEditBin", {172, 32, 73, 24});
    AdvEditChar = AddEditBox(this, "AdvEditChar", {256, 32, 33, 24});
    AdvEditDec->SetLengthLimit(7);
    AdvEditHex->SetLengthLimit(6);
    AdvEditHex->SetUpperCase(true);
    AdvEditBin->SetLengthLimit(8);
    AdvEditChar->SetLengthLimit(1);
    for (EditBox* box : {AdvEditDec, AdvEditHex, AdvEditBin, AdvEditChar})
        box->setAlignment(Qt::AlignCenter);
    setTabOrder(AdvEditDec, AdvEditHex);
    setTabOrder(AdvEditHex, AdvEditBin);
    setTabOrder(AdvEditBin, AdvEditChar);
    setTabOrder(AdvEditChar, sButton4);

    // The key-down handlers: a key in a box makes it the source.
    for (ConverterBox box : kBoxes)
        connect(BoxOf(box), &EditBox::keyPressed, this, [this, box] { ConverterSource = box; });
    ConnectGuarded(AdvEditDec, &EditBox::changed, this, services_, [this] { AdvEditDecChange(); });
    ConnectGuarded(AdvEditHex, &EditBox::changed, this, services_, [this] { AdvEditHexChange(); });
    ConnectGuarded(AdvEditChar, &EditBox::changed, this, services_,
                   [this] { AdvEditCharChange(); });
    ConnectGuarded(AdvEditBin, &EditBox::changed, this, services_, [this] { AdvEditBinChange(); });
    ConnectGuarded(sButton4, &QPushButton::clicked, this, services_, [this] { sButton4Click(); });
}

EditBox* ValueConverter::BoxOf(ConverterBox box) const {
    switch (box) {
    case ConverterBox::Decimal:
        return AdvEditDec;
    case ConverterBox::Hex:
        return AdvEditHex;
    case ConverterBox::Character:
        return AdvEditChar;
    case ConverterBox::Binary:
        return AdvEditBin;
    }
    return AdvEditDec;
}

void ValueConverter::Show(const ConvertedValue& value, ConverterBox source) {
    const std::pair<ConverterBox, const std::string*> forms[] = {
        {ConverterBox::Decimal, &value.decimal},
        {ConverterBox::Hex, &value.hex},
        {ConverterBox::Character, &value.character},
        {ConverterBox::Binary, &value.binary},
    };
    for (const auto& [box, text] : forms) {
        if (box != source)
            BoxOf(box)->Assign(*text);
    }
}

void ValueConverter::Convert(ConverterBox source, EditBox* box,
                             std::string (*clean)(std::string_view)) {
    if (ConverterSource != source)
        return;
    const std::string text = box->Bytes();
    Show({}, source);
    if (text.empty())
        return;
    // The character box is taken as it stands; the others are cleaned and written back, which
    // runs this handler again, nested, when the text changes; both runs end alike.
    const std::string cleaned = clean ? clean(text) : text;
    if (clean)
        box->WriteBack(cleaned);
    if (cleaned.empty())
        return;
    Show(ConvertValue(source, cleaned), source);
}

void ValueConverter::AdvEditDecChange() {
    Convert(ConverterBox::Decimal, AdvEditDec, KeepDecimalDigits);
}

void ValueConverter::AdvEditHexChange() {
    Convert(ConverterBox::Hex, AdvEditHex, KeepHexDigits);
}

void ValueConverter::AdvEditCharChange() {
    Convert(ConverterBox::Character, AdvEditChar, nullptr);
}

void ValueConverter::AdvEditBinChange() {
    Convert(ConverterBox::Binary, AdvEditBin, KeepBinaryDigits);
}

void ValueConverter::sButton4Click() {
    const std::string bits = AdvEditBin->Bytes();
    if (bits.size() != 8) {
        services_.ShowInfo("Not 8 bits!");
        return;
    }
    ConverterSource = ConverterBox::Binary;
    // Only the last eight digits weigh, so the other boxes show the mirrored value at once.
    AdvEditBin->Assign(bits + std::string(bits.rbegin(), bits.rend()));
    const std::string doubled = AdvEditBin->Bytes();
    AdvEditBin->Assign(doubled.size() > 8 ? doubled.substr(8, 8) : std::string());
}

} // namespace kelvo
