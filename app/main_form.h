#pragma once

#include <QWidget>

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

    void SetHelpWindow(QWidget* formHelp) { formHelp_ = formHelp; }
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
    QLabel* sLabel21;
    QLabel* sLabelKeyPrev;

  signals:
    // Ctrl+F, with or without Shift and Alt: the results pane's find dialog opens.
    void findRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormKeyDown(int virtualKey, Qt::KeyboardModifiers modifiers);
    void FindDialog1Find();
    void FormActivate();
    void FormResize();
    void RepaintNow();

    PlatformServices& services_;
    QWidget* formHelp_ = nullptr;
    char decimalSeparator_;
    bool repainting_ = false;
};

} // namespace kelvo
