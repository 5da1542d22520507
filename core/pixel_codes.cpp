#include "core/pixel_codes.h"

#include "core/number_text.h"

namespace kelvo {

std::string CellCodeLine(const std::array<std::uint8_t, 8>& rowBytes) {
    std::string line = "  db  ";
    for (std::size_t row = 0; row < rowBytes.size(); ++row)
        line += (row == 0 ? "0x" : ",0x") + FormatHex(rowBytes[row], 2);
    return line;
}

std::int32_t SegmentCode(const std::array<bool, 8>& lit,
                         const std::array<std::string_view, 8>& bitTexts) {
    std::uint32_t code = 0;
    for (std::size_t segment = 0; segment < lit.size(); ++segment) {
        if (lit[segment])
            code |= 1u << (static_cast<std::uint32_t>(ParseInteger(bitTexts[segment])) & 31);
    }
    return static_cast<std::int32_t>(code);
}

std::uint8_t ColumnGrid::ColumnByte(int column) const {
    std::uint8_t byte = 0;
    for (int row = 0; row < 8; ++row) {
        if (IsOn(8 * column + row))
            byte = static_cast<std::uint8_t>(byte | (1u << row));
    }
    return byte;
}

std::string ColumnCodeText(std::span<const std::uint8_t> columnBytes, int count) {
    std::string list;
    std::string digits;
    for (int column = 0; column < count; ++column) {
        const std::string byte = FormatHex(columnBytes[static_cast<std::size_t>(column)], 2);
        list += ",0x" + byte;
        digits += byte;
    }
    return ";//bytes - " + FormatDecimal(count) + "\r\n\r\n" + list + "\r\n\r\n" + digits;
}

} // namespace kelvo
