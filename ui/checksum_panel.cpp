#include "ui/checksum_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "core/digit_filters.h"
#include "core/number_text.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/error_boundary.h"
#include "ui/look.h"
#include "ui/platform_services.h"

namespace kelvo {
namespace {

std::uint32_t ParseHexBox(const EditBox* box) {
    return static_cast<std::uint32_t>(ParseInteger("$" + box->Bytes()));
}

} // namespace

ChecksumPanel::ChecksumPanel(QWidget* parent, PlatformServices& services)
    : Panel(parent, "sPanel1", {8, 8, 713, 65}), services_(services) {

    sButton3 = new QPushButton(QStringLiteral("_"), this);
    sButton3->setObjectName(QStringLiteral("sButton3"));
    sButton3->setGeometry(7, 30, 18, 25);
    sButton3->setFont(PixelFont(13));
    AdvEdit_AddChar = AddEditBox(this, "AdvEdit_AddChar", {29, 30, 20, 24}, "0");
    AdvEdit_AddChar->setAlignment(Qt::AlignCenter);
    sLabel2 = AddLabel(this, "sLabel2", QStringLiteral("Data: 0"), {55, 8});
    sEditNumber = AddEditBox(this, "sEditNumber", {56, 30, 329, 24});
    AddLabel(this, "sLabel1", QStringLiteral("Result:"), {391, 8});
    sEdit1 = AddResultBox(this, "sEdit1", {393, 30, 28, 24}, QStringLiteral("Sum of bytes"));
    sEdit2 =
        AddResultBox(this, "sEdit2", {426, 30, 28, 24}, QStringLiteral("Sum of half bytes ASCII"));
    EDIT_XOR = AddResultBox(this, "EDIT_XOR", {457, 30, 28, 24}, QStringLiteral("XOR"));
    AdvEdit_InitCRC8 = AddEditBox(this, "AdvEdit_InitCRC8", {489, 6, 28, 24}, "00");
    sEdit3 = AddResultBox(this, "sEdit3", {488, 30, 28, 24}, QStringLiteral("CRC8"));
    AdvEdit_PolyCrc8 = AddEditBox(this, "AdvEdit_PolyCrc8", {519, 6, 28, 24}, "18");
    sEdit4 = AddResultBox(this, "sEdit4", {520, 30, 28, 24}, QStringLiteral("CRC8 rotated"));
    AdvEdit1 = AddResultBox(this, "AdvEdit1", {553, 30, 28, 24}, QStringLiteral("Intel HEX"));
    AdvEdit_InitCRC16 = AddEditBox(this, "AdvEdit_InitCRC16", {556, 6, 57, 24}, "3EBB");
    AdvEditCrc16 = AddResultBox(this, "AdvEditCrc16", {585, 30, 57, 24}, QStringLiteral("CRC16"));
    AdvEdit_PolyCrc16 = AddEditBox(this, "AdvEdit_PolyCrc16", {614, 6, 57, 24}, "A001");
    AdvEdit17 =
        AddResultBox(this, "AdvEdit17", {646, 30, 28, 24}, QStringLiteral("MOD 15 (Contact ID)"));
    // Labels lie beneath the boxes, so this one stays hidden behind the polynomial box.
    AddLabel(this, "sLabel22", QStringLiteral("+"), {650, 8})->lower();
    sSpeedButton1 = new QToolButton(this);
    sSpeedButton1->setObjectName(QStringLiteral("sSpeedButton1"));
    sSpeedButton1->setText(QStringLiteral("not"));
    sSpeedButton1->setFont(PixelFont(11));
    sSpeedButton1->setGeometry(680, 30, 25, 25);
    sSpeedButton1->setCheckable(true);
    sSpeedButton1->setFocusPolicy(Qt::NoFocus);
    sSpeedButton1->setCursor(Qt::PointingHandCursor);

    AdvEdit_InitCRC8->SetLengthLimit(2);
    AdvEdit_PolyCrc8->SetLengthLimit(2);
    AdvEdit_InitCRC16->SetLengthLimit(4);
    AdvEdit_PolyCrc16->SetLengthLimit(4);
    for (EditBox* box : {AdvEdit_InitCRC8, AdvEdit_PolyCrc8, AdvEdit_InitCRC16, AdvEdit_PolyCrc16})
        box->setAlignment(Qt::AlignCenter);
    AdvEdit_InitCRC8->setToolTip(QStringLiteral("Initial value:\n0x00 - Dallas CRC8\n..."));
    AdvEdit_PolyCrc8->setToolTip(QStringLiteral("Polynom CRC-8"));
    AdvEdit_InitCRC16->setToolTip(
        QStringLiteral("Initial value:\n0x0000 - Dallas CRC16\n...\n0xFFFF - CRC16 MODBUS"));
    AdvEdit_PolyCrc16->setToolTip(QStringLiteral("Polynom\n"
                                                 "8005 (Mirror A001) CRC-16 Standard\n"
                                                 "1021 (Mirror 8408) CRC-16 CCITT (X24)\n"
                                                 "8408 (Mirror 1021) CRC-16 XModem\n"
                                                 "4003 (Mirror C002)\n"
                                                 "0811 (Mirror 8810)\n"
                                                 "3D65 CRC-16 DNP"));

    const QWidget* tabOrder[] = {sEditNumber,
                                 sEdit1,
                                 sEdit2,
                                 sEdit3,
                                 sEdit4,
                                 AdvEdit1,
                                 AdvEditCrc16,
                                 AdvEdit17,
                                 sButton3,
                                 AdvEdit_AddChar,
                                 AdvEdit_InitCRC16,
                                 AdvEdit_InitCRC8,
                                 AdvEdit_PolyCrc16,
                                 EDIT_XOR,
                                 AdvEdit_PolyCrc8};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(const_cast<QWidget*>(tabOrder[i - 1]), const_cast<QWidget*>(tabOrder[i]));

    ConnectGuarded(sEditNumber, &EditBox::changed, this, services_,
                   [this] { sEditNumberChange(); });
    ConnectGuarded(sSpeedButton1, &QToolButton::clicked, this, services_,
                   [this] { sSpeedButton1Click(); });
    ConnectGuarded(sButton3, &QPushButton::clicked, this, services_, [this] { sButton3Click(); });
}

LazyPolynomial ChecksumPanel::Crc8Polynomial() const {
    return LazyPolynomial([box = AdvEdit_PolyCrc8] { return box->Bytes(); });
}

LazyPolynomial ChecksumPanel::Crc16Polynomial() const {
    return LazyPolynomial([box = AdvEdit_PolyCrc16] { return box->Bytes(); });
}

void ChecksumPanel::Crc8FeedByte(std::uint8_t byte, LazyPolynomial& poly) {
    Crc8Register = kelvo::Crc8FeedByte(Crc8Register, byte, poly);
}

void ChecksumPanel::Crc16FeedByte(std::uint8_t byte, LazyPolynomial& poly) {
    Crc16Register = kelvo::Crc16FeedByte(Crc16Register, byte, poly);
}

void ChecksumPanel::sEditNumberChange() {
    SetCaption(sLabel2, QStringLiteral("Data: 0"));
    for (EditBox* box :
         {EDIT_XOR, sEdit1, sEdit2, sEdit3, sEdit4, AdvEdit1, AdvEdit17, AdvEditCrc16})
        box->Assign("");
    const std::string typed = sEditNumber->Bytes();
    if (typed.empty())
        return;
    const std::string data = KeepHexDigits(typed);
    // When the text changes, this runs the handler again, nested; it does all the work once more.
    sEditNumber->WriteBack(data);
    SetCaption(sLabel2, QString::fromStdString(
                            "Data: " + FormatDecimal(static_cast<std::int32_t>(data.size()))));
    if (data.empty() || data.size() % 2 != 0)
        return;

    sEdit1->Assign(SumOfBytes(data));
    sEdit2->Assign(SumOfHalfBytesAscii(data));
    AdvEdit17->Assign(Mod15ContactId(data));
    AdvEdit1->Assign(SumOfBytes(data));
    AdvEdit1->Assign(IntelHexChecksum(AdvEdit1->Bytes()));

    LazyPolynomial crc8Poly = Crc8Polynomial();
    Crc8Register = static_cast<std::uint8_t>(ParseHexBox(AdvEdit_InitCRC8));
    Crc8Register = Crc8OfData(data, Crc8Register, crc8Poly, false);
    sEdit3->Assign(FormatHex(Crc8Register, 2));
    Crc8Register = static_cast<std::uint8_t>(ParseHexBox(AdvEdit_InitCRC8));
    Crc8Register = Crc8OfData(data, Crc8Register, crc8Poly, true);
    sEdit4->Assign(FormatHex(Crc8Register, 2));

    LazyPolynomial crc16Poly = Crc16Polynomial();
    Crc16Register = ParseHexBox(AdvEdit_InitCRC16);
    Crc16Register = Crc16OfData(data, Crc16Register, crc16Poly);
    AdvEditCrc16->Assign(FormatHex(static_cast<std::int32_t>(Crc16Register), 4));

    if (sSpeedButton1->isChecked())
        InvertResults();
    // The XOR box is never inverted. Only its final value can be seen, so it is written once.
    EDIT_XOR->Assign(XorOfBytes(data));
}

void ChecksumPanel::InvertResults() {
    for (EditBox* box : {sEdit1, sEdit2, sEdit3, sEdit4, AdvEdit1, AdvEdit17})
        box->Assign(InvertHexByte(box->Bytes()));
    const std::string crc16 = AdvEditCrc16->Bytes();
    const std::string high = InvertHexByte(crc16.substr(0, 2));
    const std::string low = InvertHexByte(crc16.size() > 2 ? crc16.substr(2, 2) : std::string());
    AdvEditCrc16->Assign(high + low);
}

void ChecksumPanel::sSpeedButton1Click() {
    services_.Tone(sSpeedButton1->isChecked() ? 300 : 200, 70);
    if (sEdit1->text().isEmpty())
        return;
    InvertResults();
}

bool ChecksumPanel::EveryParameterReadable() const {
    try {
        for (const EditBox* box :
             {AdvEdit_InitCRC8, AdvEdit_PolyCrc8, AdvEdit_InitCRC16, AdvEdit_PolyCrc16})
            (void)ParseHexBox(box);
    } catch (const ConversionError&) {
        return false;
    }
    return true;
}

void ChecksumPanel::sButton3Click() {
    services_.Tone(600, 70);
    const std::string digits = sEditNumber->Bytes();
    // Each press can multiply the data, and a few presses with a long filler would grow it
    // beyond what the box can lay out; the data is then left as it is.
    const auto fits = [](std::size_t length, std::size_t remaining, std::size_t fillerDigits) {
        return length + remaining * (fillerDigits + 1) <= kLongestExpansion;
    };
    const auto refuse = [this] {
        services_.ShowInfo("The expanded data would be longer than " +
                           std::to_string(kLongestExpansion) + " digits.");
    };
    std::string filler = AdvEdit_AddChar->Bytes();
    std::string fillerDigits = KeepHexDigits(filler);
    if (!fits(0, digits.size(), fillerDigits.size())) {
        refuse();
        return;
    }
    sEditNumber->Assign("");
    const QPointer<ChecksumPanel> alive(this);
    // Every character grows the box by the filler and the character, and every growth runs the
    // change handler over the whole data: done one by one, a long text takes quadratic time.
    // Between two rounds of the user's events, though, only the last growth can be seen, unless
    // a parameter box is malformed and every growth reports it. So while the parameters read
    // well, the cleaned growths are collected and written at once when events are due; the
    // rounds come at least every `eventInterval_`, and take at most half of the time.
    std::optional<std::string> collected;
    bool lastGrowthCleaned = false;
    auto interval = eventInterval_;
    auto roundStart = std::chrono::steady_clock::now();
    const auto writeCollected = [&] {
        sEditNumber->Assign(*collected);
        collected.reset();
        // The last growth, written on its own, would have been cleaned, leaving the caret at
        // the end.
        if (lastGrowthCleaned && sEditNumber->cursorPosition() == 0)
            sEditNumber->setCursorPosition(static_cast<int>(sEditNumber->text().size()));
    };
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char digit = digits[i];
        if (collected && std::chrono::steady_clock::now() - roundStart >= interval) {
            const auto writeStart = std::chrono::steady_clock::now();
            writeCollected();
            interval =
                std::max(eventInterval_, std::chrono::duration_cast<std::chrono::milliseconds>(
                                             std::chrono::steady_clock::now() - writeStart));
        }
        if (!collected) {
            // The box repaints while it grows, and the user's events run between the steps.
            QCoreApplication::processEvents();
            if (!alive)
                return;
            roundStart = std::chrono::steady_clock::now();
            // The user may have changed the filler meanwhile.
            filler = AdvEdit_AddChar->Bytes();
            fillerDigits = KeepHexDigits(filler);
            if (!fits(static_cast<std::size_t>(sEditNumber->text().size()), digits.size() - i,
                      fillerDigits.size())) {
                refuse();
                return;
            }
            if (eventInterval_.count() > 0 && EveryParameterReadable())
                collected = sEditNumber->Bytes();
        }
        if (collected) {
            *collected += fillerDigits;
            lastGrowthCleaned = fillerDigits.size() != filler.size() || HexDigitValue(digit) < 0;
            if (HexDigitValue(digit) >= 0)
                *collected += digit;
        } else {
            sEditNumber->Assign(sEditNumber->Bytes() + filler + digit);
        }
    }
    if (collected)
        writeCollected();
}

} // namespace kelvo
