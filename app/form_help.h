#pragma once

#include "app/auxiliary_window.h"

class QPushButton;

namespace kelvo {

class PlatformServices;

// The About window. F1 in it closes it again.
class TFormHelp : public AuxiliaryWindow {
    Q_OBJECT

  public:
    explicit TFormHelp(PlatformServices& services);

    QPushButton* Button1;

  private:
    void Button1Click() { close(); }
    void FormKeyDown(int virtualKey);
};

} // namespace kelvo
