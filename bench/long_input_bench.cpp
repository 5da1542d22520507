// Pastes of a megabyte into the long boxes and the results pane, each against the same paste
// into a plain Qt control measured in the same run, medians of 5.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/main_form.h"
#include "recording_services.h"
#include "ui/checksum_panel.h"
#include "ui/edit_box.h"
#include "ui/hex_text_converter.h"
#include "ui/results_pane.h"

namespace {

double MedianMs(const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        prepare();
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        work();
        QCoreApplication::processEvents();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[2];
}

void Report(const char* what, double ours, double plain) {
    std::printf("%-44s median %6.0f ms   plain Qt control %6.0f ms   ratio %.2f\n", what, ours,
                plain, ours / plain);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kSize = 1 << 20;
    QString hex;
    QString text;
    for (int i = 0; i < kSize; ++i) {
        hex += QLatin1Char("0123456789ABCDEF"[(i * 7 + 3) % 16]);
        text += QChar(32 + (i * 13) % 90);
    }

    kelvo::scenario::RecordingServices services;
    kelvo::TMainForm form(services);
    form.show();
    QLineEdit line;
    line.setMaxLength(1 << 30);
    line.show();
    QPlainTextEdit plainPane;
    plainPane.show();

    const double plainLine = MedianMs([&] { line.clear(); }, [&] { line.insert(hex); });
    kelvo::EditBox* data = form.Checksums->sEditNumber;
    Report("1 MB of hex digits into the data box",
           MedianMs([&] { data->Assign(""); }, [&] { data->PasteText(hex); }), plainLine);
    kelvo::EditBox* hexBox = form.HexText->AdvEditHexStr;
    Report("1 MB of hex digits into the hex string box",
           MedianMs([&] { hexBox->Assign(""); }, [&] { hexBox->PasteText(hex); }), plainLine);
    kelvo::EditBox* textBox = form.HexText->AdvEditString;
    Report("1 MB of text into the text box (2 MB of hex)",
           MedianMs(
               [&] {
                   form.HexText->TextIsSource = true;
                   textBox->Assign("");
               },
               [&] { textBox->PasteText(text); }),
           plainLine);
    Report("1 MB of text into the results pane",
           MedianMs([&] { form.TextReciveUDP->clear(); },
                    [&] { form.TextReciveUDP->insertPlainText(text); }),
           MedianMs([&] { plainPane.clear(); }, [&] { plainPane.insertPlainText(text); }));
    return services.messages.empty() ? 0 : 1;
}
