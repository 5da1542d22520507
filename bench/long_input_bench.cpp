// Pastes of a megabyte into the long boxes and the results pane, each against the same paste
// into a plain Qt control with Qt's default font strategy and heap, measured first in the same
// run. Medians of 5, and the first paste, which also fills the glyph caches and grows the heap.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/heap_tuning.h"
#include "app/main_form.h"
#include "recording_services.h"
#include "ui/checksum_panel.h"
#include "ui/edit_box.h"
#include "ui/hex_text_converter.h"
#include "ui/results_pane.h"

namespace {

struct Timing {
    double first = 0;
    double median = 0;
};

Timing Measure(const std::function<void()>& prepare, const std::function<void()>& work) {
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
    const double first = times.front();
    std::sort(times.begin(), times.end());
    return {first, times[2]};
}

void Report(const char* what, Timing ours, Timing plain) {
    std::printf("%-44s median %5.0f ms (first %5.0f)   plain Qt control %5.0f ms   ratio %.2f\n",
                what, ours.median, ours.first, plain.median, ours.median / plain.median);
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

    QLineEdit line;
    line.setMaxLength(1 << 30);
    line.show();
    QPlainTextEdit plainPane;
    plainPane.show();
    const Timing plainLine = Measure([&] { line.clear(); }, [&] { line.insert(hex); });
    const Timing plainText =
        Measure([&] { plainPane.clear(); }, [&] { plainPane.insertPlainText(text); });
    // Qt undoes a paste a character at a time, each moving the tail: an eighth of the size is
    // enough to show it.
    const QString eighth = hex.left(kSize / 8);
    const Timing plainUndo = Measure(
        [&] {
            line.setText(eighth);
            line.setCursorPosition(0);
            line.insert(eighth);
        },
        [&] { line.undo(); });

    kelvo::KeepLargeBlocksInHeap();
    kelvo::scenario::RecordingServices services;
    kelvo::TMainForm form(services);
    form.show();
    kelvo::EditBox* data = form.Checksums->sEditNumber;
    Report("1 MB of hex digits into the data box",
           Measure([&] { data->Assign(""); }, [&] { data->PasteText(hex); }), plainLine);
    kelvo::EditBox* hexBox = form.HexText->AdvEditHexStr;
    Report("1 MB of hex digits into the hex string box",
           Measure([&] { hexBox->Assign(""); }, [&] { hexBox->PasteText(hex); }), plainLine);
    kelvo::EditBox* textBox = form.HexText->AdvEditString;
    Report("1 MB of text into the text box (2 MB of hex)",
           Measure(
               [&] {
                   form.HexText->TextIsSource = true;
                   textBox->Assign("");
               },
               [&] { textBox->PasteText(text); }),
           plainLine);
    Report("1 MB of text into the results pane",
           Measure([&] { form.TextReciveUDP->clear(); },
                   [&] { form.TextReciveUDP->insertPlainText(text); }),
           plainText);

    const Timing undo = Measure(
        [&] {
            data->Assign(hex.toStdString());
            data->setCursorPosition(0);
            data->PasteText(hex);
        },
        [&] { data->Undo(); });
    std::printf("%-44s median %5.0f ms (first %5.0f)   plain Qt control, 128 KB before 128 KB: "
                "%5.0f ms\n",
                "Ctrl+Z of 1 MB pasted before 1 MB", undo.median, undo.first, plainUndo.median);

    const std::string digits = hex.toStdString();
    const Timing expand =
        Measure([&] { data->Assign(digits); }, [&] { form.Checksums->sButton3->click(); });
    form.Checksums->SetEventInterval(std::chrono::milliseconds(0));
    const Timing expandEach = Measure([&] { data->Assign(digits.substr(0, 2000)); },
                                      [&] { form.Checksums->sButton3->click(); });
    std::printf("%-44s median %5.0f ms (first %5.0f)   a step for each digit, 2000 digits: "
                "%5.0f ms\n",
                "\"_\" on 1 MB of digits", expand.median, expand.first, expandEach.median);
    return services.messages.empty() ? 0 : 1;
}
