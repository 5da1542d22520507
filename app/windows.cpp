#include "app/windows.h"

namespace kelvo {

Windows CreateWindows(PlatformServices& services) {
    Windows windows;
    windows.MainForm = std::make_unique<TMainForm>(services);
    windows.FormHelp = std::make_unique<TFormHelp>();
    windows.Form_DTMF = std::make_unique<TForm_DTMF>();
    windows.Form_Ohm = std::make_unique<TForm_Ohm>();
    windows.Form_Resistor = std::make_unique<TForm_Resistor>();
    windows.MainForm->SetHelpWindow(windows.FormHelp.get());
    return windows;
}

} // namespace kelvo
