#pragma once

#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

namespace kelvo {

struct ShellCommand {
    QString program;
    QStringList arguments;
};

// What the launcher's names become on a Linux desktop: the programs of GNOME, KDE and the lighter
// desktops that do the job, to be tried in turn. Nothing for an unknown name.
[[nodiscard]] std::vector<ShellCommand> ShellCandidates(std::string_view name,
                                                        const QString& homeFolder);

} // namespace kelvo
