#include "app/form_dtmf.h"

namespace kelvo {

TForm_DTMF::TForm_DTMF() : AuxiliaryWindow("Form_DTMF", QStringLiteral("DTMF Table"), {406, 170}) {}

} // namespace kelvo
