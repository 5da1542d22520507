#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kelvo {

// An 8 x 8 character cell: rows 1 to 8 top to bottom, columns 0 to 7 left to right. Each row is
// one byte, the leftmost square its most significant bit; the right five squares are the pixels
// of a 5 x 8 character, the left three the row byte's upper bits.
class CellGrid {
  public:
    static constexpr int kRows = 8;
    static constexpr int kColumns = 8;

    void Toggle(int row, int column) { rows_[Index(row)] ^= Mask(column); }
    [[nodiscard]] bool IsOn(int row, int column) const { return rows_[Index(row)] & Mask(column); }
    void AllOff() { rows_.fill(0); }
    void InvertAll() {
        for (auto& row : rows_)
            row = static_cast<std::uint8_t>(~row);
    }
    [[nodiscard]] std::uint8_t RowByte(int row) const { return rows_[Index(row)]; }
    [[nodiscard]] const std::array<std::uint8_t, kRows>& RowBytes() const { return rows_; }

  private:
    static std::size_t Index(int row) { return static_cast<std::size_t>(row - 1); }
    static std::uint8_t Mask(int column) { return static_cast<std::uint8_t>(0x80u >> column); }
    std::array<std::uint8_t, kRows> rows_{};
};

// The assembler data line of a cell: "  db  0x00,0x00,...", 45 characters.
[[nodiscard]] std::string CellCodeLine(const std::array<std::uint8_t, 8>& rowBytes);

// The value that lights the lit segments A, B, C, D, E, F, G, P (in this order) when each drives
// the bit its text names; only the low five bits of a number count. The texts of unlit segments
// are not read. Throws ConversionError for a lit segment whose text is not an integer.
[[nodiscard]] std::int32_t SegmentCode(const std::array<bool, 8>& lit,
                                       const std::array<std::string_view, 8>& bitTexts);

// A strip of 32 columns by 8 rows organised in vertical bytes: square n is in column n / 8 and
// row n % 8, and is bit (n % 8) of its column's byte, the top square bit 0.
class ColumnGrid {
  public:
    static constexpr int kSquares = 256;
    static constexpr int kColumns = 32;

    void Toggle(int n) { squares_.flip(static_cast<std::size_t>(n)); }
    [[nodiscard]] bool IsOn(int n) const { return squares_.test(static_cast<std::size_t>(n)); }
    void AllOff() { squares_.reset(); }
    void InvertAll() { squares_.flip(); }
    [[nodiscard]] std::uint8_t ColumnByte(int column) const;

  private:
    std::bitset<kSquares> squares_;
};

// The five lines "Get Code" prints for the first `count` column bytes, CR LF between them.
[[nodiscard]] std::string ColumnCodeText(std::span<const std::uint8_t> columnBytes, int count);

} // namespace kelvo
