#include "app/windows.h"

namespace kelvo {

Windows CreateWindows(PlatformServices& services) {
    Windows windows;
    windows.MainForm = std::make_unique<TMainForm>(services);
    windows.FormHelp = std::make_unique<TFormHelp>();
    windows.MainForm->SetHelpWindow(windows.FormHelp.get());
    return windows;
}

} // namespace kelvo
