#include "app/shell_open.h"

namespace kelvo {

std::vector<ShellCommand> ShellCandidates(std::string_view name, const QString& homeFolder) {
    const auto programs = [](std::initializer_list<const char*> names,
                             const QStringList& arguments = {}) {
        std::vector<ShellCommand> commands;
        for (const char* program : names)
            commands.push_back({QString::fromLatin1(program), arguments});
        return commands;
    };
    if (name == "calc")
        return programs(
            {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"});
    if (name == "notepad")
        return programs({"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed",
                         "featherpad", "leafpad"});
    if (name == "explorer")
        return programs(
            {"nautilus", "dolphin", "thunar", "nemo", "caja", "pcmanfm-qt", "pcmanfm", "xdg-open"},
            {homeFolder});
    if (name == "devmgmt.msc")
        return programs(
            {"kinfocenter", "hardinfo2", "hardinfo", "lshw-gtk", "gnome-system-monitor"});
    return {};
}

} // namespace kelvo
