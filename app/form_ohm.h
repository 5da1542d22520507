#pragma once

#include "app/auxiliary_window.h"

namespace kelvo {

// The Ohm's law chart.
class TForm_Ohm : public AuxiliaryWindow {
    Q_OBJECT

  public:
    TForm_Ohm();
};

} // namespace kelvo
