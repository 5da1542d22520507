#pragma once

#include "app/auxiliary_window.h"

namespace kelvo {

// The resistor colour code chart.
class TForm_Resistor : public AuxiliaryWindow {
    Q_OBJECT

  public:
    TForm_Resistor();
};

} // namespace kelvo
