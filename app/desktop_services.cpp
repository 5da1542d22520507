#include "app/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

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
    if (target.contains(QLatin1Char(':')))
        QDesktopServices::openUrl(QUrl(target));
    else
        QProcess::startDetached(target, {});
}

char DesktopServices::DecimalSeparator() {
    const QString symbol = QLocale::system().decimalPoint();
    if (symbol.isEmpty())
        return '.';
    return static_cast<char>(ByteFromChar(symbol.front().unicode()).value_or('.'));
}

} // namespace kelvo
