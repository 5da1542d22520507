#pragma once

#include <memory>

#include "app/form_help.h"
#include "app/main_form.h"

namespace kelvo {

class PlatformServices;

// Every window of the program, created once at start-up and living until it ends.
struct Windows {
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TFormHelp> FormHelp;
};

// Builds the main window, then the auxiliary windows, hidden. No change handler runs meanwhile.
[[nodiscard]] Windows CreateWindows(PlatformServices& services);

} // namespace kelvo
