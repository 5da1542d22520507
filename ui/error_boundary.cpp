#include "ui/error_boundary.h"

#include "core/errors.h"
#include "ui/platform_services.h"

namespace kelvo {

std::string ErrorBoxText(std::string_view errorText) {
    std::string text(errorText);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

void RunGuarded(PlatformServices& services, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const ConversionError& error) {
        services.ShowError(ErrorBoxText(error.what()));
    } catch (const FloatError& error) {
        services.ShowError(ErrorBoxText(error.what()));
    }
}

} // namespace kelvo
