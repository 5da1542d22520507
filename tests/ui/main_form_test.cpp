#include "app/main_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "recording_services.h"
#include "ui/checksum_panel.h"
#include "ui/edit_box.h"

namespace kelvo {
namespace {

struct FindKeyRow {
    int key;
    Qt::KeyboardModifiers modifiers;
    int requests;
};
const FindKeyRow kFindKeys[] = {
    {Qt::Key_F, Qt::ControlModifier, 1},
    {Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier, 1},
    {Qt::Key_F, Qt::ControlModifier | Qt::AltModifier, 1},
    {Qt::Key_F, Qt::NoModifier, 0},
    {Qt::Key_G, Qt::ControlModifier, 0},
};

TEST(MainForm, CtrlFAsksForTheFindDialogOnce) {
    for (const auto& row : kFindKeys) {
        SCOPED_TRACE(row.modifiers.toInt());
        scenario::RecordingServices services;
        TMainForm form(services);
        int requests = 0;
        QObject::connect(&form, &TMainForm::findRequested, &form, [&] { ++requests; });
        // Sent to the focused box, whose parents see the key again when it goes unused.
        QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers);
        QApplication::sendEvent(form.Checksums->sEditNumber, &press);
        EXPECT_EQ(requests, row.requests);
    }
}

} // namespace
} // namespace kelvo
