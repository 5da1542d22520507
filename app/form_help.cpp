#include "app/form_help.h"

namespace kelvo {

TFormHelp::TFormHelp()
    : AuxiliaryWindow("FormHelp", QStringLiteral("About Calculator (v.2.1)"), {218, 212}) {}

} // namespace kelvo
