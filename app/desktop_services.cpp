#include "app/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "app/shell_open.h"
#include "core/codepage.h"
#include "ui/text_bytes.h"

namespace kelvo {
namespace {

void ShowBox(QMessageBox::Icon icon, std::string_view text) {
    QMessageBox box(icon, QStringLiteral("Kelvo Calculator"), ToQString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace

void DesktopServices::ShowError(std::string_view text) {
    ShowBox(QMessageBox::Critical, text);
}

void DesktopServices::ShowInfo(std::string_view text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void DesktopServices::Tone(int frequencyHz, int durationMs) {
    tone_.Play(frequencyHz, durationMs);
}

void DesktopServices::Open(std::string_view name) {
    const QString target = ToQString(name);
    // Web and mail addresses go to the desktop's default handlers.
    if (target.contains(QLatin1Char(':'))) {
        QDesktopServices::openUrl(QUrl(target));
        return;
    }
    // The first program of the desktop that does the job; none installed means nothing happens.
    for (const ShellCommand& command : ShellCandidates(name, QDir::homePath())) {
        const QString executable = QStandardPaths::findExecutable(command.program);
        if (!executable.isEmpty()) {
            QProcess::startDetached(executable, command.arguments);
            return;
        }
    }
}

char DesktopServices::DecimalSeparator() {
    const QString symbol = QLocale::system().decimalPoint();
    if (symbol.isEmpty())
        return '.';
    return static_cast<char>(ByteFromChar(symbol.front().unicode()).value_or('.'));
}

} // namespace kelvo
