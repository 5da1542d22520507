#pragma once

#include <QWidget>

#include "app/tool_launcher.h"

class QLabel;

namespace kelvo {

class AnalogPanel;
class CharacterCell;
class ChecksumPanel;
class ColumnGraphics;
class FindDialog;
class FormulaFinder;
class HexTextConverter;
class PlatformServices;
class ResultsPane;
class SevenSegment;
class ValueConverter;

// The fixed main window holding every tool panel. It sees every key press before the focused
// control does (key preview) and shows the last key's code.
class TMainForm : public QWidget {
    Q_OBJECT

  public:
    explicit TMainForm(PlatformServices& services);

    // The auxiliary windows are created after the main window.
    void SetAuxiliaryWindows(const AuxiliaryWindows& windows) { auxiliary_ = windows; }
    [[nodiscard]] char DecimalSeparator() const { return decimalSeparator_; }

    ChecksumPanel* Checksums;
    ValueConverter* Converter;
    HexTextConverter* HexText;
    CharacterCell* Cell;
    AnalogPanel* Analog;
    ResultsPane* TextReciveUDP;
    SevenSegment* Segments;
    ColumnGraphics* Graphics;
    FormulaFinder* Finder;
    FindDialog* FindDialog1;
    ToolLauncher* Launcher;
    QLabel* sLabel21;
    QLabel* sLabelKeyPrev;

  signals:
    // Ctrl+F, with or without Shift and Alt: the results pane's find dialog opens.
    void findRequested();

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormKeyDown(int virtualKey, Qt::KeyboardModifiers modifiers);
    void FindDialog1Find();
    void FormActivate();
    void FormResize();
    void RepaintNow();

    PlatformServices& services_;
    AuxiliaryWindows auxiliary_;
    char decimalSeparator_;
    bool repainting_ = false;
};

} // namespace kelvo
