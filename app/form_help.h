#pragma once

#include "app/auxiliary_window.h"

namespace kelvo {

// The About window.
class TFormHelp : public AuxiliaryWindow {
    Q_OBJECT

  public:
    TFormHelp();
};

} // namespace kelvo
