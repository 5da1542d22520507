#include "app/form_resistor.h"

#include "app/art/charts.h"

namespace kelvo {

TForm_Resistor::TForm_Resistor()
    : AuxiliaryWindow("Form_Resistor", QStringLiteral("Resistor Colour Code"), {436, 405}) {
    new ChartImage(this, {0, 0, 433, 401}, PaintResistorChart);
}

} // namespace kelvo
