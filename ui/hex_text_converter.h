#pragma once

#include "ui/panel.h"

class QLabel;
class QToolButton;

namespace kelvo {

class EditBox;
class PlatformServices;

// Hex byte strings and text, converted into each other as the user types. The side the user
// last pressed a key in is the source; the other side's change handler returns at once.
class HexTextConverter : public Panel {
    Q_OBJECT

  public:
    HexTextConverter(QWidget* parent, PlatformServices& services);

    // Bound to this tool's boxes and, from the main window, to the formula finder's samples.
    void AdvEditStringKeyDown() { TextIsSource = true; }
    void AdvEditHexStrKeyDown() { TextIsSource = false; }
    void AdvEditHexStrChange();
    void AdvEditStringChange();

    bool TextIsSource = false;

    QLabel* sLabel7;
    EditBox* AdvEditString;
    QLabel* sLabel6;
    EditBox* AdvEditHexStr;
    QToolButton* sSpeedButton2;

  private:
    void sSpeedButton2Click();
    void ResetCounters();

    PlatformServices& services_;
};

} // namespace kelvo
