#pragma once

#include <functional>

#include "ui/panel.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kelvo {

class EditBox;
class PlatformServices;
class ResultsPane;

// The voltage divider and converter calculator, recomputed on every change of its inputs, and
// below it the generator of a quadratic calibration formula for a resistive sensor read through
// that divider.
class AnalogPanel : public Panel {
    Q_OBJECT

  public:
    AnalogPanel(QWidget* parent, PlatformServices& services, ResultsPane& results,
                std::function<char()> decimalSeparator);

    EditBox* Vin_Str;
    EditBox* R1_Str;
    EditBox* R2_Str;
    EditBox* Vref_Str;
    EditBox* BitRate_Str;
    EditBox* AdvEdit3;
    EditBox* AdvEdit4;
    QLabel* sLabel20;
    QCheckBox* sCheckBox1;
    EditBox* Rg_Par_Min;
    EditBox* Rg_Par_Max;
    EditBox* Rg_Res_Min;
    EditBox* Rg_Res_Max;
    QPushButton* sButton9;

  private:
    void CalcDivider();
    void sButton9Click();

    PlatformServices& services_;
    ResultsPane& results_;
    std::function<char()> decimalSeparator_;
};

} // namespace kelvo
