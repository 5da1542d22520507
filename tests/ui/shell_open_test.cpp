#include "app/shell_open.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include "app/form_help.h"
#include "recording_services.h"

namespace kelvo {
namespace {

struct ShellRow {
    const char* name;
    const char* first;
    const char* last;
};
constexpr ShellRow kShellRows[] = {
    {"calc", "gnome-calculator", "xcalc"},
    {"notepad", "gnome-text-editor", "leafpad"},
    {"explorer", "nautilus", "xdg-open"},
    {"devmgmt.msc", "kinfocenter", "gnome-system-monitor"},
};

TEST(ShellOpen, LauncherNamesBecomeDesktopProgramsTriedInTurn) {
    for (const auto& row : kShellRows) {
        SCOPED_TRACE(row.name);
        const auto candidates = ShellCandidates(row.name, QStringLiteral("/home/user"));
        ASSERT_GE(candidates.size(), 2u);
        EXPECT_EQ(candidates.front().program, QLatin1String(row.first));
        EXPECT_EQ(candidates.back().program, QLatin1String(row.last));
    }
    // The file manager opens the home folder.
    for (const auto& command : ShellCandidates("explorer", QStringLiteral("/home/user")))
        EXPECT_EQ(command.arguments, QStringList{QStringLiteral("/home/user")});
    EXPECT_TRUE(ShellCandidates("winword", QStringLiteral("/home/user")).empty());
}

TEST(AboutWindow, ItsButtonIsWrittenInCyrillic) {
    scenario::RecordingServices services;
    TFormHelp about(services);
    EXPECT_EQ(about.Button1->text(), QString::fromUtf8("\xd0\x9e\xd0\x9a"));
    EXPECT_EQ(about.Button1->text().size(), 2);
    EXPECT_EQ(about.Button1->text().at(0).unicode(), 0x041E);
}

} // namespace
} // namespace kelvo
