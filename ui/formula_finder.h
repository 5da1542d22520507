#pragma once

#include "ui/panel.h"

class QCheckBox;

namespace kelvo {

class EditBox;

// Two sample frames with their checksums, and the box that starts the search for the CRC
// parameters that produce both. The samples' key and change events drive the hex string
// converter; the main window wires them.
class FormulaFinder : public Panel {
    Q_OBJECT

  public:
    explicit FormulaFinder(QWidget* parent);

    QCheckBox* CheckBox1;
    EditBox* AdvEdit20;
    EditBox* AdvEdit_SUM_1;
    EditBox* AdvEdit19;
    EditBox* AdvEdit_SUM_2;
};

} // namespace kelvo
