#pragma once

#include "core/converters.h"
#include "ui/panel.h"

class QPushButton;

namespace kelvo {

class EditBox;
class PlatformServices;

// One number as decimal, hex, character and binary. The box the user last pressed a key in is
// the source; the other boxes' change handlers return at once, so handlers write them freely.
class ValueConverter : public Panel {
    Q_OBJECT

  public:
    ValueConverter(QWidget* parent, PlatformServices& services);

    ConverterBox ConverterSource = ConverterBox::Decimal;

    EditBox* AdvEditDec;
    EditBox* AdvEditHex;
    EditBox* AdvEditBin;
    EditBox* AdvEditChar;
    QPushButton* sButton4;

  private:
    void AdvEditDecChange();
    void AdvEditHexChange();
    void AdvEditCharChange();
    void AdvEditBinChange();
    void sButton4Click();
    // Cleans the source box with `clean` (none for the character box), then shows the value in
    // the other boxes.
    void Convert(ConverterBox source, EditBox* box, std::string (*clean)(std::string_view));
    void Show(const ConvertedValue& value, ConverterBox source);
    [[nodiscard]] EditBox* BoxOf(ConverterBox box) const;

    PlatformServices& services_;
};

} // namespace kelvo
