#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

#include "app/art/glyphs.h"
#include "app/windows.h"
#include "recording_services.h"
#include "ui/edit_box.h"
#include "ui/panel.h"

namespace kelvo {
namespace {

// Every window as the program starts, with the texts its controls show.
class LayoutTest : public ::testing::Test {
  protected:
    LayoutTest() : windows(CreateWindows(services)) {}
    scenario::RecordingServices services;
    Windows windows;
};

std::string Where(const QWidget* widget) {
    return (widget->window()->objectName() + QLatin1Char('.') + widget->objectName()).toStdString();
}

// The layout was drawn in pixels for narrow faces; no caption may run out of its control, at
// whatever scale the screen has.
TEST_F(LayoutTest, NoCaptionIsClipped) {
    int checked = 0;
    for (QWidget* window : windows.All()) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->window() != window)
                continue; // the find dialog lays itself out when shown
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(needed, label->contentsRect().width()) << Where(label);
            ++checked;
        }
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty() || button->window() != window)
                continue;
            const int needed = button->fontMetrics().horizontalAdvance(button->text()) +
                               (qobject_cast<const QCheckBox*>(button) ? 20 : 4);
            EXPECT_LE(needed, button->width()) << Where(button);
            ++checked;
        }
        for (const Panel* panel : window->findChildren<Panel*>()) {
            const int needed = panel->fontMetrics().horizontalAdvance(panel->Caption());
            EXPECT_LE(needed, panel->contentsRect().width()) << Where(panel);
        }
    }
    EXPECT_GT(checked, 80); // the loops did see the windows' controls
}

// The values a box is made to show fit inside its frame and margins.
TEST_F(LayoutTest, ResultsFitTheirBoxes) {
    const std::pair<const char*, const char*> widest[] = {
        {"sEdit1", "DD"},           {"AdvEdit17", "FC"},
        {"AdvEditCrc16", "DDDD"},   {"AdvEdit_InitCRC16", "DDDD"},
        {"AdvEditDec", "9999999"},  {"AdvEditHex", "DDDDDD"},
        {"AdvEditBin", "00000000"}, {"AdvEdit_A", "31"},
        {"AdvEdit4", "Over"},       {"AdvEdit_SUM_1", "DDDD"},
    };
    for (const auto& [name, text] : widest) {
        const auto* box = windows.MainForm->findChild<EditBox*>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_LE(box->fontMetrics().horizontalAdvance(QLatin1String(text)), box->width() - 8)
            << name;
    }
}

// At any scale the window keeps its logical size and draws its pictures from vector art at
// the screen's resolution.
TEST_F(LayoutTest, DrawsAtTheScreensResolution) {
    TMainForm& form = *windows.MainForm;
    form.show();
    const qreal ratio = form.devicePixelRatioF();
    const QPixmap shot = form.grab();
    EXPECT_EQ(shot.size(), QSize(923, 605) * ratio);
    const QPixmap icon = GlyphIcon(Glyph::Calculator).pixmap(QSize(32, 32), ratio);
    EXPECT_EQ(icon.size(), QSize(32, 32) * ratio);
}

// Every edit box, button and check box of the main window can be reached with Tab, except the
// checksum panel's "not", which takes no focus.
TEST_F(LayoutTest, TabReachesEveryControl) {
    TMainForm& form = *windows.MainForm;
    std::set<const QWidget*> reached;
    for (QWidget* widget = form.nextInFocusChain(); widget != &form;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            reached.insert(widget);
    }
    std::vector<QWidget*> controls;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->window() == &form &&
            (qobject_cast<EditBox*>(widget) || qobject_cast<QAbstractButton*>(widget)))
            controls.push_back(widget);
    }
    EXPECT_GT(controls.size(), 50u);
    for (const QWidget* control : controls) {
        if (control->objectName() == QLatin1String("sSpeedButton1"))
            EXPECT_EQ(control->focusPolicy(), Qt::NoFocus);
        else
            EXPECT_TRUE(reached.contains(control)) << Where(control);
    }
}

} // namespace
} // namespace kelvo
