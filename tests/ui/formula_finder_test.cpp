#include "ui/formula_finder.h"

#include <QCheckBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "recording_services.h"
#include "ui/checksum_panel.h"
#include "ui/edit_box.h"
#include "ui/results_pane.h"

namespace kelvo {
namespace {

constexpr const char* kFullCrc8 =
    "Found CRC-8:\r\nInit: 00, Polynom: 18\r\nInit: 00, Polynom: 19\r\n"
    "Found rotated CRC-8:\r\nInit: 03, Polynom: 84\r\n"
    "Init: 03, Polynom: 85\r\nFinish!";

// The finder in its window, handing over events at every point the search names, so that what
// the user does meanwhile lands at a known candidate.
class FinderTest : public ::testing::Test {
  protected:
    FinderTest() : form(services) {
        form.Finder->SetEventInterval(std::chrono::milliseconds(0));
        form.Finder->AdvEdit_SUM_1->Assign("86");
        form.Finder->AdvEdit_SUM_2->Assign("C7");
    }
    // Runs `action` the first time the search hands over events.
    static void AtFirstEvents(std::function<void()> action) { QTimer::singleShot(0, action); }
    std::string Pane() const { return form.TextReciveUDP->GetText(); }

    scenario::RecordingServices services;
    TMainForm form;
};

TEST_F(FinderTest, UntickingStopsBeforeTheNextCandidate) {
    AtFirstEvents([this] { form.Finder->CheckBox1->click(); });
    form.Finder->CheckBox1->click();
    EXPECT_EQ(Pane(), "Found CRC-8:");
    EXPECT_FALSE(form.Finder->CheckBox1->isChecked());
    EXPECT_EQ(form.Checksums->AdvEdit_InitCRC8->Bytes(), "00");
    EXPECT_EQ(form.Checksums->AdvEdit_PolyCrc8->Bytes(), "18");
}

TEST_F(FinderTest, UntickingInTheRotatedSweepKeepsTheMatchesFound) {
    QObject::connect(form.TextReciveUDP, &QPlainTextEdit::textChanged, &form, [this] {
        if (Pane().ends_with("Found rotated CRC-8:"))
            AtFirstEvents([this] { form.Finder->CheckBox1->setChecked(false); });
    });
    form.Finder->CheckBox1->click();
    EXPECT_EQ(Pane(), "Found CRC-8:\r\nInit: 00, Polynom: 18\r\nInit: 00, Polynom: 19\r\n"
                      "Found rotated CRC-8:");
    EXPECT_EQ(form.Checksums->AdvEdit_InitCRC8->Bytes(), "00");
    EXPECT_EQ(form.Checksums->AdvEdit_PolyCrc8->Bytes(), "FF");
}

TEST_F(FinderTest, ASecondSearchStartedMeanwhileEndsTheFirst) {
    AtFirstEvents([this] {
        form.Finder->CheckBox1->click();
        form.Finder->CheckBox1->click();
    });
    form.Finder->CheckBox1->click();
    EXPECT_EQ(Pane(), kFullCrc8);
    EXPECT_FALSE(form.Finder->CheckBox1->isChecked());
    EXPECT_EQ(form.Checksums->AdvEdit_InitCRC8->Bytes(), "FF");
}

TEST_F(FinderTest, EditsMeanwhileCountFromTheNextCandidate) {
    form.Finder->AdvEdit_SUM_2->Assign("00");
    AtFirstEvents([this] { form.Finder->AdvEdit_SUM_2->Assign("C7"); });
    form.Finder->CheckBox1->click();
    EXPECT_EQ(Pane(), kFullCrc8);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(FinderTest, AnInitBoxEditedMeanwhileIsPrinted) {
    AtFirstEvents([this] { form.Checksums->AdvEdit_InitCRC8->Assign("x"); });
    form.Finder->CheckBox1->click();
    EXPECT_TRUE(Pane().starts_with("Found CRC-8:\r\nInit: x, Polynom: 18\r\nInit: x, Polynom: 19"));
}

// Handing over events less often changes nothing of what the search prints or leaves behind.
TEST_F(FinderTest, TheWholeCrc16SweepIsTheSameWhateverTheEventInterval) {
    form.Finder->AdvEdit_SUM_1->Assign("8858");
    form.Finder->AdvEdit_SUM_2->Assign("FA97");
    std::vector<std::string> results;
    for (int interval : {0, 5}) {
        form.Finder->SetEventInterval(std::chrono::milliseconds(interval));
        form.Checksums->AdvEdit_InitCRC16->Assign("0000");
        form.Finder->CheckBox1->click();
        results.push_back(Pane() + " | " + form.Checksums->AdvEdit_InitCRC16->Bytes() + " " +
                          form.Checksums->AdvEdit_PolyCrc16->Bytes());
    }
    EXPECT_EQ(results[0], results[1]);
    EXPECT_TRUE(results[0].ends_with("Init: FFFF, Polynom: A001\r\nFinish! | FFFF FFFF"));
}

} // namespace
} // namespace kelvo
