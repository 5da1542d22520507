#include "core/digit_filters.h"

#include <algorithm>

namespace kelvo {
namespace {

template <typename Keep> std::string KeepIf(std::string_view text, Keep keep) {
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), keep);
    return kept;
}

} // namespace

std::string KeepDecimalDigits(std::string_view text) {
    return KeepIf(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::string KeepHexDigits(std::string_view text) {
    return KeepIf(text, [](char c) { return HexDigitValue(c) >= 0; });
}

std::string KeepBinaryDigits(std::string_view text) {
    return KeepIf(text, [](char c) { return c == '0' || c == '1'; });
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace kelvo
