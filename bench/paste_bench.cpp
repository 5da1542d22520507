// Times a paste of 100,000 hex digits into the checksum panel's data box, every result included,
// against a plain line edit taking the same paste, and one keystroke at that length.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/main_form.h"
#include "recording_services.h"
#include "ui/checksum_panel.h"
#include "ui/edit_box.h"

namespace {

constexpr int kRuns = 15;
constexpr int kDigits = 100000;

double MedianMs(const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QString digits;
    for (int i = 0; i < kDigits; ++i)
        digits += QLatin1Char("0123456789abcdef"[(i * 7 + 3) % 16]);
    // Blanks between the bytes make the handler clean the text and run again, nested.
    QString spaced;
    for (int i = 0; i < kDigits; i += 2)
        spaced += digits.mid(i, 2) + QLatin1Char(' ');

    kelvo::scenario::RecordingServices services;
    kelvo::TMainForm form(services);
    form.show();
    kelvo::EditBox* data = form.Checksums->sEditNumber;

    QLineEdit plain;
    plain.setMaxLength(2 * kDigits);
    plain.show();

    const double baseline = MedianMs([&] { plain.clear(); }, [&] { plain.insert(spaced); });
    const double paste = MedianMs([&] { data->Assign(""); }, [&] { data->PasteText(spaced); });
    if (form.Checksums->sLabel2->text() != QStringLiteral("Data: 100000") ||
        form.Checksums->sEdit1->text().isEmpty() || !services.messages.empty()) {
        std::fprintf(stderr, "the paste did not compute the checksums\n");
        return 1;
    }
    const double keystroke = MedianMs(
        [&] {
            data->Assign(digits.toStdString());
            data->setCursorPosition(static_cast<int>(data->text().size()));
        },
        [&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
            QApplication::sendEvent(data, &press);
        });

    std::printf("paste of %d hex digits with blanks, all checksums: median %.1f ms\n", kDigits,
                paste);
    std::printf("the same paste into a plain line edit (baseline): median %.1f ms\n", baseline);
    std::printf("ratio to baseline: %.2f\n", paste / baseline);
    std::printf("one more digit typed at %d digits: median %.1f ms\n", kDigits, keystroke);
    return 0;
}
