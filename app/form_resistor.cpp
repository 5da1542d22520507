#include "app/form_resistor.h"

namespace kelvo {

TForm_Resistor::TForm_Resistor()
    : AuxiliaryWindow("Form_Resistor", QStringLiteral("Resistor Colour Code"), {436, 405}) {}

} // namespace kelvo
