#include "app/form_ohm.h"

namespace kelvo {

TForm_Ohm::TForm_Ohm() : AuxiliaryWindow("Form_Ohm", QStringLiteral("Ohm's law"), {445, 380}) {}

} // namespace kelvo
