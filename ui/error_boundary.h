#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kelvo {

class PlatformServices;

// The text of the error box: the error's text with a final full stop when its last character
// sorts after ".".
[[nodiscard]] std::string ErrorBoxText(std::string_view errorText);

// Runs one event handler as its own error boundary: a conversion or floating-point error ends the
// handler where it arises, keeps what it already did and is shown in the error box.
void RunGuarded(PlatformServices& services, const std::function<void()>& handler);

} // namespace kelvo
