#include "ui/formula_finder.h"

#include <QCheckBox>

#include "ui/controls.h"
#include "ui/edit_box.h"

namespace kelvo {

FormulaFinder::FormulaFinder(QWidget* parent) : Panel(parent, "sPanel9", {728, 8, 185, 65}) {
    CheckBox1 = new QCheckBox(QStringLiteral("Find the sum formula"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 2, 137, 17);
    AddLabel(this, "sLabel40", QStringLiteral("S1"), {6, 22});
    AdvEdit20 = AddEditBox(this, "AdvEdit20", {24, 19, 89, 20}, "C10601000169");
    AdvEdit20->setToolTip(QStringLiteral("Sample 1"));
    AdvEdit_SUM_1 = AddEditBox(this, "AdvEdit_SUM_1", {117, 19, 57, 20}, "14CB");
    AdvEdit_SUM_1->setToolTip(QStringLiteral("Check Sum 1"));
    AddLabel(this, "sLabel39", QStringLiteral("S2"), {6, 45});
    AdvEdit19 = AddEditBox(this, "AdvEdit19", {24, 40, 89, 20}, "C1060100020101");
    AdvEdit19->setToolTip(QStringLiteral("Sample 2"));
    AdvEdit_SUM_2 = AddEditBox(this, "AdvEdit_SUM_2", {117, 40, 57, 20}, "1603");
    AdvEdit_SUM_2->setToolTip(QStringLiteral("Check Sum 2"));
    for (EditBox* sum : {AdvEdit_SUM_1, AdvEdit_SUM_2}) {
        sum->SetLengthLimit(4);
        sum->setAlignment(Qt::AlignCenter);
    }
    setTabOrder(AdvEdit19, AdvEdit20);
    setTabOrder(AdvEdit20, AdvEdit_SUM_1);
    setTabOrder(AdvEdit_SUM_1, CheckBox1);
    setTabOrder(CheckBox1, AdvEdit_SUM_2);
}

} // namespace kelvo
