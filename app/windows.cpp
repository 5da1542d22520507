#include "app/windows.h"

namespace kelvo {

Windows CreateWindows(PlatformServices& services) {
    Windows windows;
    windows.MainForm = std::make_unique<TMainForm>(services);
    windows.FormHelp = std::make_unique<TFormHelp>(services);
    windows.Form_DTMF = std::make_unique<TForm_DTMF>();
    windows.Form_Ohm = std::make_unique<TForm_Ohm>();
    windows.Form_Resistor = std::make_unique<TForm_Resistor>();
    windows.MainForm->SetAuxiliaryWindows({windows.FormHelp.get(), windows.Form_DTMF.get(),
                                           windows.Form_Ohm.get(), windows.Form_Resistor.get()});
    return windows;
}

} // namespace kelvo
