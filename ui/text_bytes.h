#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kelvo {

// The windows show the program's byte texts through its code page; a character the code page
// lacks becomes "?".
[[nodiscard]] QString ToQString(std::string_view bytes);
[[nodiscard]] std::string ToBytes(const QString& text);
// Replaces the characters the code page lacks by "?", so that what a box shows is what it holds.
[[nodiscard]] QString FitToCodePage(const QString& text);

} // namespace kelvo
