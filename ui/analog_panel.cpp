#include "ui/analog_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "core/analog.h"
#include "core/digit_filters.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/error_boundary.h"
#include "ui/look.h"
#include "ui/rectangle_shape.h"
#include "ui/results_pane.h"

namespace kelvo {
namespace {

// The panel's boxes: 21 high, bold 11-pixel text, centred.
EditBox* AddBox(QWidget* parent, const char* name, const QRect& geometry, std::string_view text) {
    EditBox* box = AddEditBox(parent, name, geometry, text);
    box->setFont(PixelFont(11, true));
    box->setAlignment(Qt::AlignCenter);
    return box;
}

struct Wire {
    const char* name;
    QRect geometry;
};

// The divider's schematic, from the Vin box down to ground.
const Wire kSchematic[] = {
    {"WireFromVin", {77, 16, 41, 1}},    {"WireToR1", {117, 16, 1, 17}},
    {"BodyR1", {109, 32, 17, 41}},       {"WireR1ToR2", {117, 72, 1, 41}},
    {"WireToVout", {117, 93, 41, 1}},    {"BodyR2", {109, 112, 17, 41}},
    {"WireToGround", {117, 152, 1, 17}}, {"GroundBar", {109, 168, 17, 1}},
};

} // namespace

AnalogPanel::AnalogPanel(QWidget* parent, PlatformServices& services, ResultsPane& results,
                         std::function<char()> decimalSeparator)
    : Panel(parent, "sPanel6", {8, 344, 249, 257}, QStringLiteral("s")), services_(services),
      results_(results), decimalSeparator_(std::move(decimalSeparator)) {
    for (const Wire& wire : kSchematic)
        new RectangleShape(this, QLatin1String(wire.name), wire.geometry, Qt::white);

    Vin_Str = AddBox(this, "Vin_Str", {9, 8, 49, 21}, "5");
    AddLabel(this, "sLabelVin", QStringLiteral("Vin"), {60, 12}, 11);
    R1_Str = AddBox(this, "R1_Str", {36, 40, 49, 21}, "5000");
    AddLabel(this, "sLabelR1", QStringLiteral("R1 ="), {9, 43}, 11);
    AddLabel(this, "sLabelR1Ohm", QStringLiteral("Ohm"), {85, 44}, 11);
    R2_Str = AddBox(this, "R2_Str", {36, 120, 49, 21}, "5000");
    AddLabel(this, "sLabelR2", QStringLiteral("R2 ="), {9, 123}, 11);
    AddLabel(this, "sLabelR2Ohm", QStringLiteral("Ohm"), {85, 124}, 11);
    Vref_Str = AddBox(this, "Vref_Str", {163, 32, 49, 21}, "5");
    AddLabel(this, "sLabelVref", QStringLiteral("Vref"), {213, 36}, 11);
    BitRate_Str = AddBox(this, "BitRate_Str", {165, 136, 49, 21}, "255");
    AddLabel(this, "sLabelMax", QStringLiteral("Max"), {215, 140}, 11);
    // The start texts are the results of the start inputs, in the current separator.
    const std::string startVout = std::string("2") + decimalSeparator_() + "5";
    AdvEdit3 = AddBox(this, "AdvEdit3", {149, 64, 49, 21}, startVout);
    AdvEdit3->setReadOnly(true);
    AdvEdit3->setCursor(Qt::PointingHandCursor);
    AdvEdit3->setToolTip(QStringLiteral("Vout = Vin*R2/(R1+R2)"));
    AddLabel(this, "sLabelVout", QStringLiteral("Vout"), {205, 68}, 11);
    AddLabel(this, "sLabelOr", QStringLiteral("or"), {165, 86}, 11);
    AdvEdit4 = AddBox(this, "AdvEdit4", {149, 104, 65, 21}, "127");
    AdvEdit4->setReadOnly(true);
    AdvEdit4->setCursor(Qt::PointingHandCursor);
    AddLabel(this, "sLabelAdc", QStringLiteral("adc"), {217, 108}, 11);
    sLabel20 = AddLabel(this, "sLabel20", QStringLiteral("k = 2"), {37, 83}, 11);
    sLabel20->setFont(PixelFont(11, true));
    sLabel20->adjustSize();
    sLabel20->setToolTip(QStringLiteral("k = (R1+R2)/R2"));
    AddLabel(this, "sLabelShl", QStringLiteral("shl 8"), {138, 127}, 11);
    sCheckBox1 = new QCheckBox(this);
    sCheckBox1->setObjectName(QStringLiteral("sCheckBox1"));
    sCheckBox1->setGeometry(141, 141, 15, 15);

    AddLabel(this, "sLabel41", QStringLiteral("Parametr"), {49, 174}, 11);
    AddLabel(this, "sLabel44", QStringLiteral("Resistance R2 (Ohm)"), {133, 174}, 11);
    Rg_Par_Min = AddBox(this, "Rg_Par_Min", {12, 189, 49, 21}, "0");
    Rg_Par_Max = AddBox(this, "Rg_Par_Max", {68, 189, 49, 21}, "40");
    Rg_Res_Min = AddBox(this, "Rg_Res_Min", {132, 189, 49, 21}, "0");
    Rg_Res_Max = AddBox(this, "Rg_Res_Max", {188, 189, 49, 21}, "1200");
    AddLabel(this, "sLabel42", QStringLiteral("Min"), {25, 211}, 11);
    AddLabel(this, "sLabel43", QStringLiteral("Max"), {82, 211}, 11);
    AddLabel(this, "sLabel46", QStringLiteral("Min"), {145, 211}, 11);
    AddLabel(this, "sLabel45", QStringLiteral("Max"), {202, 211}, 11);
    sButton9 =
        AddButton(this, "sButton9", QStringLiteral("Generate Regression"), {17, 225, 216, 25});

    // The range boxes run the divider calculation too, which neither reads nor changes them.
    for (EditBox* box : {Vin_Str, R1_Str, R2_Str, Vref_Str, BitRate_Str, Rg_Par_Min, Rg_Par_Max,
                         Rg_Res_Min, Rg_Res_Max})
        ConnectGuarded(box, &EditBox::changed, this, services_, [this] { CalcDivider(); });
    ConnectGuarded(sCheckBox1, &QCheckBox::clicked, this, services_, [this] { CalcDivider(); });
    ConnectGuarded(sButton9, &QPushButton::clicked, this, services_, [this] { sButton9Click(); });
}

void AnalogPanel::CalcDivider() {
    const char separator = decimalSeparator_();
    // A changed write-back runs this calculation again, nested, before the next box is cleaned.
    for (EditBox* box : {Vin_Str, R1_Str, R2_Str, Vref_Str})
        box->WriteBack(CleanRealText(box->Bytes(), separator));
    BitRate_Str->WriteBack(KeepDecimalDigits(BitRate_Str->Bytes()));

    AdvEdit3->Assign("");
    AdvEdit4->Assign("");
    SetCaption(sLabel20, QStringLiteral("k = ?"));
    const DividerInputs inputs{Vin_Str->Bytes(),  R1_Str->Bytes(),      R2_Str->Bytes(),
                               Vref_Str->Bytes(), BitRate_Str->Bytes(), sCheckBox1->isChecked()};
    for (const std::string* text :
         {&inputs.vin, &inputs.r1, &inputs.r2, &inputs.vref, &inputs.max}) {
        if (text->empty())
            return;
    }
    DividerOutputs outputs;
    const auto show = [&] {
        AdvEdit3->Assign(outputs.vout);
        AdvEdit4->Assign(outputs.code);
        if (!outputs.ratio.empty())
            SetCaption(sLabel20, QString::fromStdString(outputs.ratio));
    };
    try {
        ComputeDivider(inputs, separator, outputs);
    } catch (...) {
        show();
        throw;
    }
    show();
}

void AnalogPanel::sButton9Click() {
    const RegressionInputs inputs{Rg_Par_Min->Bytes(), Rg_Par_Max->Bytes(), Rg_Res_Min->Bytes(),
                                  Rg_Res_Max->Bytes(), Vin_Str->Bytes(),    R1_Str->Bytes(),
                                  Vref_Str->Bytes(),   BitRate_Str->Bytes()};
    RegressionOutput output;
    const auto show = [&] {
        results_.Clear();
        for (const std::string& line : output.lines)
            results_.AddLine(line);
        if (!output.formula.empty())
            results_.ReplaceLine(1, output.formula);
    };
    try {
        GenerateRegression(inputs, decimalSeparator_(), output);
    } catch (...) {
        show();
        throw;
    }
    show();
}

} // namespace kelvo
