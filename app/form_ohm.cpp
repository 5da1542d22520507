#include "app/form_ohm.h"

#include "app/art/charts.h"

namespace kelvo {

TForm_Ohm::TForm_Ohm() : AuxiliaryWindow("Form_Ohm", QStringLiteral("Ohm's law"), {445, 380}) {
    new ChartImage(this, {0, 0, 444, 378}, PaintOhmChart);
}

} // namespace kelvo
