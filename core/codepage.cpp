#include "core/codepage.h"

#include <array>

namespace kelvo {
namespace {

// Bytes 80..9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t CharFromByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> ByteFromChar(char32_t ch) {
    // Most text is ASCII or Latin-1, which the code page keeps as it is.
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (unsigned i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace kelvo
