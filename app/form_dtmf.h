#pragma once

#include "app/auxiliary_window.h"

namespace kelvo {

// The DTMF frequency table.
class TForm_DTMF : public AuxiliaryWindow {
    Q_OBJECT

  public:
    TForm_DTMF();
};

} // namespace kelvo
