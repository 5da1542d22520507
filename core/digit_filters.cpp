#include "core/digit_filters.h"

#include <algorithm>
#include <cctype>

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
    return KeepIf(text, [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

std::string KeepBinaryDigits(std::string_view text) {
    return KeepIf(text, [](char c) { return c == '0' || c == '1'; });
}

} // namespace kelvo
