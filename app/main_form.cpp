#include "app/main_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "app/auxiliary_window.h"
#include "app/virtual_key.h"
#include "core/number_text.h"
#include "ui/analog_panel.h"
#include "ui/character_cell.h"
#include "ui/checksum_panel.h"
#include "ui/column_graphics.h"
#include "ui/controls.h"
#include "ui/edit_box.h"
#include "ui/error_boundary.h"
#include "ui/find_dialog.h"
#include "ui/formula_finder.h"
#include "ui/hex_text_converter.h"
#include "ui/key_preview.h"
#include "ui/look.h"
#include "ui/panel.h"
#include "ui/platform_services.h"
#include "ui/results_pane.h"
#include "ui/seven_segment.h"
#include "ui/value_converter.h"

namespace kelvo {

TMainForm::TMainForm(PlatformServices& services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      services_(services), decimalSeparator_(services.DecimalSeparator()) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kelvo Calculator"));
    setFixedSize(923, 605);
    setFont(PixelFont(11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Midlight));
    setPalette(colours);
    setAutoFillBackground(true);

    // Created in the window's tab order; panels still empty are filled by their tools.
    Checksums = new ChecksumPanel(this, services);
    Converter = new ValueConverter(this, services);
    HexText = new HexTextConverter(this, services);
    // The results pane is created in its place in the tab order but needed by the tools before it.
    TextReciveUDP = new ResultsPane(this);
    Cell = new CharacterCell(this, services, *TextReciveUDP);
    Analog = new AnalogPanel(this, services, *TextReciveUDP, [this] { return decimalSeparator_; });
    // The seven-segment encoder writes its value into the value converter's decimal box.
    Segments = new SevenSegment(this, services, *Converter->AdvEditDec);
    Graphics = new ColumnGraphics(this, services, *TextReciveUDP);
    // The finder tries its candidates through the checksum panel's boxes and prints into the pane.
    Finder = new FormulaFinder(this, services, *Checksums, *TextReciveUDP);
    FindDialog1 = new FindDialog(this);
    Launcher = new ToolLauncher(this, services, auxiliary_);

    // The key-code display shares the value converter's panel.
    sLabel21 = AddLabel(Converter, "sLabel21", QStringLiteral("Key Down:"), {300, 9});
    sLabelKeyPrev = AddLabel(Converter, "sLabelKeyPrev", QStringLiteral("d''/0x"), {295, 34});

    // The seams between the tools.
    connect(Finder->AdvEdit20, &EditBox::keyPressed, HexText,
            [this] { HexText->AdvEditStringKeyDown(); });
    connect(Finder->AdvEdit19, &EditBox::keyPressed, HexText,
            [this] { HexText->AdvEditHexStrKeyDown(); });
    ConnectGuarded(Finder->AdvEdit20, &EditBox::changed, HexText, services_,
                   [this] { HexText->AdvEditStringChange(); });
    ConnectGuarded(Finder->AdvEdit19, &EditBox::changed, HexText, services_,
                   [this] { HexText->AdvEditHexStrChange(); });
    connect(this, &TMainForm::findRequested, FindDialog1, [this] { FindDialog1->Open(); });
    ConnectGuarded(FindDialog1, &FindDialog::findNext, this, services_,
                   [this] { FindDialog1Find(); });

    // In the tab order the pane follows the character cell and the analog panel.
    QWidget* beforePane = nullptr;
    for (QWidget* widget = nextInFocusChain(); widget != this;
         widget = widget->nextInFocusChain()) {
        if ((Cell->isAncestorOf(widget) || Analog->isAncestorOf(widget)) &&
            (widget->focusPolicy() & Qt::TabFocus))
            beforePane = widget;
    }
    if (beforePane != nullptr)
        setTabOrder(beforePane, TextReciveUDP);

    Checksums->sEditNumber->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    new KeyPreview(this, [this](const QKeyEvent& key) {
        RunGuarded(services_, [&] { FormKeyDown(VirtualKeyFromQt(key.key()), key.modifiers()); });
    });
}

void TMainForm::FormKeyDown(int virtualKey, Qt::KeyboardModifiers modifiers) {
    SetCaption(sLabelKeyPrev, QString::fromStdString("d\"" + FormatDecimal(virtualKey) + "\"/0x" +
                                                     FormatHex(virtualKey, 2)));
    if (virtualKey == 112 && auxiliary_.FormHelp != nullptr)
        auxiliary_.FormHelp->ShowInFront();
    if (virtualKey == 70 && modifiers.testFlag(Qt::ControlModifier))
        emit findRequested();
}

void TMainForm::FindDialog1Find() {
    TextReciveUDP->FindNext(FindDialog1->FindText(), services_);
}

void TMainForm::RepaintNow() {
    if (repainting_)
        return;
    repainting_ = true;
    repaint();
    QCoreApplication::processEvents();
    repainting_ = false;
}

void TMainForm::FormActivate() {
    RepaintNow();
}

void TMainForm::FormResize() {
    RepaintNow();
}

void TMainForm::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::ActivationChange:
        if (isActiveWindow())
            FormActivate();
        break;
    case QEvent::WindowStateChange:
        if (!isMinimized())
            FormResize();
        break;
    case QEvent::LocaleChange:
        decimalSeparator_ = services_.DecimalSeparator();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

} // namespace kelvo
