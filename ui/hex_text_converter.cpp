#include "ui/hex_text_converter.h"

#include <QLabel>
#include <QToolButton>

#include "core/checksums.h"
#include "core/converters.h"
#include "core/digit_filters.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/error_boundary.h"
#include "ui/look.h"
#include "ui/platform_services.h"

namespace kelvo {
namespace {

QString Counter(const char* name, std::size_t count) {
    return QString::fromStdString(name + FormatDecimal(static_cast<std::int32_t>(count)));
}

// Shows the whole converted text selected, its end in view.
void SelectAll(EditBox* box) {
    box->setSelection(0, static_cast<int>(box->text().size()));
}

} // namespace

HexTextConverter::HexTextConverter(QWidget* parent, PlatformServices& services)
    : Panel(parent, "sPanel3", {392, 80, 521, 65}), services_(services) {
    sLabel7 = AddLabel(this, "sLabel7", QStringLiteral("String: 0"), {8, 12});
    AdvEditString = AddEditBox(this, "AdvEditString", {80, 5, 401, 24});
    sLabel6 = AddLabel(this, "sLabel6", QStringLiteral("Hex: 0"), {10, 36});
    AdvEditHexStr = AddEditBox(this, "AdvEditHexStr", {80, 33, 401, 24});
    AdvEditHexStr->SetUpperCase(true);
    sSpeedButton2 = new QToolButton(this);
    sSpeedButton2->setObjectName(QStringLiteral("sSpeedButton2"));
    sSpeedButton2->setText(QStringLiteral("not"));
    sSpeedButton2->setFont(PixelFont(11));
    sSpeedButton2->setGeometry(487, 6, 25, 51);
    sSpeedButton2->setCursor(Qt::PointingHandCursor);
    sSpeedButton2->setFocusPolicy(Qt::TabFocus);
    setTabOrder(AdvEditHexStr, AdvEditString);
    setTabOrder(AdvEditString, sSpeedButton2);

    connect(AdvEditString, &EditBox::keyPressed, this, [this] { AdvEditStringKeyDown(); });
    connect(AdvEditHexStr, &EditBox::keyPressed, this, [this] { AdvEditHexStrKeyDown(); });
    ConnectGuarded(AdvEditHexStr, &EditBox::changed, this, services_,
                   [this] { AdvEditHexStrChange(); });
    ConnectGuarded(AdvEditString, &EditBox::changed, this, services_,
                   [this] { AdvEditStringChange(); });
    ConnectGuarded(sSpeedButton2, &QToolButton::clicked, this, services_,
                   [this] { sSpeedButton2Click(); });
}

void HexTextConverter::ResetCounters() {
    SetCaption(sLabel6, QStringLiteral("Hex: 0"));
    SetCaption(sLabel7, QStringLiteral("String: 0 "));
}

void HexTextConverter::AdvEditHexStrChange() {
    if (TextIsSource)
        return;
    AdvEditString->Assign("");
    const std::string text = AdvEditHexStr->Bytes();
    ResetCounters();
    if (text.empty())
        return;
    const std::string digits = KeepHexDigits(text);
    // A changed write-back runs this handler again, nested. The text box is assigned whole
    // rather than grown character by character, so the outer run ends in the same state
    // instead of appending the text a second time.
    AdvEditHexStr->WriteBack(digits);
    SetCaption(sLabel6, Counter("Hex: ", digits.size()));
    if (digits.empty() || digits.size() % 2 != 0)
        return;
    AdvEditString->Assign(HexToText(digits));
    SetCaption(sLabel7, Counter("String: ", AdvEditString->text().size()));
    SelectAll(AdvEditString);
}

void HexTextConverter::AdvEditStringChange() {
    if (!TextIsSource)
        return;
    AdvEditHexStr->Assign("");
    const std::string text = AdvEditString->Bytes();
    ResetCounters();
    if (text.empty())
        return;
    SetCaption(sLabel7, Counter("String: ", text.size()));
    AdvEditHexStr->Assign(TextToHex(text));
    SetCaption(sLabel6, Counter("Hex: ", AdvEditHexStr->text().size()));
    SelectAll(AdvEditHexStr);
}

void HexTextConverter::sSpeedButton2Click() {
    services_.Tone(300, 70);
    const std::string hex = AdvEditHexStr->Bytes();
    if (hex.empty() || hex.size() % 2 != 0)
        return;
    TextIsSource = false;
    AdvEditHexStr->Assign("");
    // The pairs are appended one by one, each append converting the hex text so far; only the
    // last conversion can be seen, so the inverted pairs are written at once. A pair that is no
    // hex byte (pasted while the text was the source) ends the inversion there.
    std::string inverted;
    inverted.reserve(hex.size());
    try {
        for (std::size_t i = 0; i < hex.size(); i += 2)
            inverted += InvertHexByte(hex.substr(i, 2));
    } catch (const ConversionError&) {
        AdvEditHexStr->Assign(inverted);
        throw;
    }
    AdvEditHexStr->Assign(inverted);
}

} // namespace kelvo
