#pragma once

#include <QObject>

class QToolButton;
class QWidget;

namespace kelvo {

class AuxiliaryWindow;
class PlatformServices;

// The windows the launcher and F1 show, created after the main window.
struct AuxiliaryWindows {
    AuxiliaryWindow* FormHelp = nullptr;
    AuxiliaryWindow* Form_DTMF = nullptr;
    AuxiliaryWindow* Form_Ohm = nullptr;
    AuxiliaryWindow* Form_Resistor = nullptr;
};

// The six image buttons beside the results pane, and the link below them: the platform's
// calculator, text editor, file manager and device manager, the reference charts and the About
// window.
class ToolLauncher : public QObject {
    Q_OBJECT

  public:
    ToolLauncher(QWidget* mainWindow, PlatformServices& services, const AuxiliaryWindows& windows);

    QToolButton* PNGButtonCalc;
    QToolButton* PNGButton3;
    QToolButton* PNGButton5;
    QToolButton* PNGButton1;
    QToolButton* PNGButton2;
    QToolButton* PNGButton6;

  private:
    void PNGButtonCalcClick();
    void PNGButton1Click();
    void PNGButton2Click();
    void PNGButton5Click();
    void PNGButton3Click();
    void PNGButton6Click();

    PlatformServices& services_;
    const AuxiliaryWindows& windows_;
};

} // namespace kelvo
