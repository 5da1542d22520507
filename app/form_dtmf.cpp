#include "app/form_dtmf.h"

#include "app/art/charts.h"

namespace kelvo {

TForm_DTMF::TForm_DTMF() : AuxiliaryWindow("Form_DTMF", QStringLiteral("DTMF Table"), {406, 170}) {
    new ChartImage(this, {0, 0, 405, 169}, PaintDtmfChart);
}

} // namespace kelvo
