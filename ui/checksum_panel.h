#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

#include "core/checksums.h"
#include "ui/panel.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace kelvo {

class EditBox;
class PlatformServices;

// The hex data box with its eight checksums, the CRC parameter boxes, "not" and "_".
class ChecksumPanel : public Panel {
    Q_OBJECT

  public:
    ChecksumPanel(QWidget* parent, PlatformServices& services);

    // The CRC byte feeders, shared with the formula finder; each works on its register with the
    // polynomial of its box.
    void Crc8FeedByte(std::uint8_t byte, LazyPolynomial& poly);
    void Crc16FeedByte(std::uint8_t byte, LazyPolynomial& poly);
    [[nodiscard]] LazyPolynomial Crc8Polynomial() const;
    [[nodiscard]] LazyPolynomial Crc16Polynomial() const;

    // The longest data "_" makes; a megabyte is expected, and four million digits still lay out.
    static constexpr std::size_t kLongestExpansion = std::size_t{1} << 22;
    // Whether the four CRC parameter boxes hold values the handler can read.
    [[nodiscard]] bool EveryParameterReadable() const;

    // How often "_" hands the window its events at least; 0 means before every character.
    void SetEventInterval(std::chrono::milliseconds interval) { eventInterval_ = interval; }

    std::uint8_t Crc8Register = 0;
    std::uint32_t Crc16Register = 0;

    EditBox* sEditNumber;
    EditBox* AdvEdit_AddChar;
    EditBox* sEdit1;
    EditBox* sEdit2;
    EditBox* EDIT_XOR;
    EditBox* AdvEdit_InitCRC8;
    EditBox* sEdit3;
    EditBox* AdvEdit_PolyCrc8;
    EditBox* sEdit4;
    EditBox* AdvEdit1;
    EditBox* AdvEdit_InitCRC16;
    EditBox* AdvEditCrc16;
    EditBox* AdvEdit_PolyCrc16;
    EditBox* AdvEdit17;
    QLabel* sLabel2;
    QPushButton* sButton3;
    QToolButton* sSpeedButton1;

  private:
    void sEditNumberChange();
    void sSpeedButton1Click();
    void sButton3Click();
    void InvertResults();

    PlatformServices& services_;
    std::chrono::milliseconds eventInterval_{5};
};

} // namespace kelvo
