#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "recording_services.h"
#include "ui/checksum_panel.h"
#include "ui/edit_box.h"

namespace kelvo {
namespace {

// Everything the panel shows: the data box with its caret, the count and the eight results.
std::string Shown(const ChecksumPanel& panel) {
    std::string shown = panel.sEditNumber->Bytes() + " @" +
                        std::to_string(panel.sEditNumber->cursorPosition()) + " " +
                        panel.sLabel2->text().toStdString();
    for (const EditBox* box : {panel.sEdit1, panel.sEdit2, panel.EDIT_XOR, panel.sEdit3,
                               panel.sEdit4, panel.AdvEdit1, panel.AdvEditCrc16, panel.AdvEdit17})
        shown += " " + box->Bytes();
    return shown;
}

struct ExpandRow {
    const char* filler;
    bool inverted;
    int digits;
};
const ExpandRow kExpandRows[] = {
    {"0", false, 1500}, {"", true, 7}, {" ", false, 1001}, {"12", true, 800}, {"x", false, 1},
};

// "_" writes the growths between two rounds of events at once; the panel must end as it does
// when every character is written and handled on its own.
TEST(ChecksumExpand, EndsAsCharacterByCharacter) {
    for (const auto& row : kExpandRows) {
        SCOPED_TRACE(row.filler);
        std::string data;
        for (int i = 0; i < row.digits; ++i)
            data += "0123456789abcdefC"[(i * 7) % 17];
        std::vector<std::string> shown;
        for (int interval : {0, 5}) {
            scenario::RecordingServices services;
            TMainForm form(services);
            ChecksumPanel& panel = *form.Checksums;
            panel.SetEventInterval(std::chrono::milliseconds(interval));
            panel.AdvEdit_AddChar->Assign(row.filler);
            panel.sEditNumber->Assign(data);
            if (row.inverted)
                panel.sSpeedButton1->click();
            panel.sButton3->click();
            shown.push_back(Shown(panel));
            EXPECT_TRUE(services.messages.empty());
        }
        EXPECT_EQ(shown[0], shown[1]);
    }
}

// A megabyte of digits takes several rounds of events; the box ends with every digit as a byte
// of its own and the results of that data, as if it had been typed at once.
TEST(ChecksumExpand, MegabyteEndsWithTheExpandedData) {
    std::string data;
    std::string expanded;
    for (int i = 0; i < (1 << 20); ++i) {
        const char digit = "0123456789ABCDEF"[(i * 5 + i / 16) % 16];
        data += digit;
        expanded += {'0', digit};
    }
    scenario::RecordingServices services;
    TMainForm expanding(services);
    expanding.Checksums->sEditNumber->Assign(data);
    expanding.Checksums->sButton3->click();
    TMainForm typed(services);
    typed.Checksums->sEditNumber->Assign(expanded);
    EXPECT_EQ(expanding.Checksums->sEditNumber->Bytes(), expanded);
    EXPECT_EQ(Shown(*expanding.Checksums), Shown(*typed.Checksums));
    EXPECT_TRUE(services.messages.empty());
}

// Growth beyond what the box can hold is refused before anything changes, also when the user
// lengthens the filler while "_" runs.
TEST(ChecksumExpand, RefusesDataBeyondTheLongestExpansion) {
    const std::string refusal = "info: The expanded data would be longer than 4194304 digits.";
    scenario::RecordingServices services;
    TMainForm form(services);
    ChecksumPanel& panel = *form.Checksums;
    const std::string data(ChecksumPanel::kLongestExpansion / 4 + 2, 'a');
    panel.AdvEdit_AddChar->Assign("x0y0z0");
    panel.sEditNumber->Assign(data);
    panel.sButton3->click();
    EXPECT_EQ(panel.sEditNumber->Bytes(), data);
    EXPECT_EQ(services.messages, std::vector<std::string>{refusal});

    // Exactly at the bound it still grows.
    panel.AdvEdit_AddChar->Assign("0");
    panel.sEditNumber->Assign(std::string(ChecksumPanel::kLongestExpansion / 2, 'b'));
    panel.sButton3->click();
    EXPECT_EQ(panel.sEditNumber->text().size(), ChecksumPanel::kLongestExpansion);
    EXPECT_EQ(services.messages.size(), 1U);

    // The filler made longer at the first round of events stops it there.
    panel.sEditNumber->Assign("abc");
    QTimer::singleShot(0, [&] { panel.AdvEdit_AddChar->Assign(std::string(2'000'000, '1')); });
    panel.sButton3->click();
    EXPECT_EQ(panel.sEditNumber->Bytes(), "");
    EXPECT_EQ(services.messages.back(), refusal);
}

} // namespace
} // namespace kelvo
