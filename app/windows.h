#pragma once

#include <memory>
#include <vector>

#include "app/form_dtmf.h"
#include "app/form_help.h"
#include "app/form_ohm.h"
#include "app/form_resistor.h"
#include "app/main_form.h"

namespace kelvo {

class PlatformServices;

// Every window of the program, created once at start-up and living until it ends.
struct Windows {
    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TFormHelp> FormHelp;
    std::unique_ptr<TForm_DTMF> Form_DTMF;
    std::unique_ptr<TForm_Ohm> Form_Ohm;
    std::unique_ptr<TForm_Resistor> Form_Resistor;

    // The main window first, then the auxiliary ones in the order they were created.
    [[nodiscard]] std::vector<QWidget*> All() const {
        return {MainForm.get(), FormHelp.get(), Form_DTMF.get(), Form_Ohm.get(),
                Form_Resistor.get()};
    }
};

// Builds the main window, then the auxiliary windows, hidden. No change handler runs meanwhile.
[[nodiscard]] Windows CreateWindows(PlatformServices& services);

} // namespace kelvo
