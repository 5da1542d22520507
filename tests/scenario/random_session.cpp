// kelvo-random-session [SEED] [ACTIONS]: drives fresh windows with random typing, pasting,
// clicking and pressing on every control, and after each action checks that the program
// answered in time, showed only its own messages and kept its invariants.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QStyleFactory>
#include <QToolButton>
#include <cstdio>
#include <random>
#include <regex>

#include "app/art/glyphs.h"
#include "app/heap_tuning.h"
#include "core/checksums.h"
#include "core/digit_filters.h"
#include "core/number_text.h"
#include "core/pixel_codes.h"
#include "scenario_runner.h"
#include "ui/checksum_panel.h"
#include "ui/click_label.h"
#include "ui/column_graphics.h"
#include "ui/edit_box.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/rectangle_shape.h"
#include "ui/results_pane.h"

namespace kelvo::scenario {
namespace {

constexpr qint64 kActionBoundMs = 5000;
constexpr qint64 kLongPasteBoundMs = 30000;
constexpr std::size_t kLongPaste = 1 << 20;
constexpr std::size_t kLongestRandomExpansion = 1 << 16;

// The texts the program's own message boxes can show.
const std::regex kOwnMessages(
    "error: '[\\s\\S]*' is not a valid (integer|floating point) value\\.|"
    "error: Floating point division by zero\\.|error: Invalid floating point operation\\.|"
    "error: Floating point overflow\\.|info: Not 8 bits!|info: Could not find \"[\\s\\S]*\"|"
    "info: The expanded data would be longer than 4194304 digits\\.");

class Session {
  public:
    explicit Session(unsigned seed) : random_(seed) {
        const TMainForm& form = *runner_.GetWindows().MainForm;
        for (const EditBox* box : form.findChildren<EditBox*>())
            boxes_.push_back(box->objectName().toStdString());
        boxes_.push_back("TextReciveUDP");
        for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
            if (button->window() == &form)
                buttons_.push_back(button->objectName().toStdString());
        }
        for (const ClickLabel* label : form.findChildren<ClickLabel*>())
            buttons_.push_back(label->objectName().toStdString());
        buttons_.push_back("sWebLabel1");
        for (const RectangleShape* shape : form.findChildren<RectangleShape*>())
            shapes_.push_back(shape->objectName().toStdString());
    }

    // Runs the actions; returns an empty text, or what went wrong.
    std::string Run(int actions) {
        for (int n = 0; n < actions; ++n) {
            std::vector<Step> steps = NextAction(n);
            for (const Step& step : steps) {
                QElapsedTimer clock;
                clock.start();
                try {
                    runner_.Perform(step);
                } catch (const std::exception& error) {
                    return Describe(n, step) + ": " + error.what();
                }
                const qint64 took = clock.elapsed();
                const bool longPaste = step.verb == "paste" && step.args[1].value.size() > 4096;
                if (took > (longPaste ? kLongPasteBoundMs : kActionBoundMs))
                    return Describe(n, step) + ": took " + std::to_string(took) + " ms";
                if (!longPaste && took > longest_) {
                    longest_ = took;
                    longestStep_ = Describe(n, step);
                }
                if (longPaste)
                    longestPaste_ = std::max(longestPaste_, took);
                if (std::string broken = CheckInvariants(step); !broken.empty())
                    return Describe(n, step) + ": " + broken;
            }
        }
        return {};
    }

    qint64 longest_ = 0;
    qint64 longestPaste_ = 0;
    std::string longestStep_;
    int longPastes_ = 0;

  private:
    static std::string Describe(int n, const Step& step) {
        std::string text = "action " + std::to_string(n) + " (" + step.verb;
        for (const Token& arg : step.args)
            text += " " + (arg.quoted ? std::to_string(arg.value.size()) + " bytes" : arg.value);
        return text + ")";
    }

    const std::string& Pick(const std::vector<std::string>& names) {
        return names[random_() % names.size()];
    }

    std::string RandomBytes(std::size_t maxLength) {
        std::string text(1 + random_() % maxLength, ' ');
        const char* hexish = "0123456789abcdefABCDEF ,.-";
        for (char& c : text) {
            const unsigned kind = random_() % 4;
            c = kind < 2 ? hexish[random_() % 26] : static_cast<char>(1 + random_() % 255);
        }
        return text;
    }

    static Step Make(const std::string& verb, std::vector<Token> args) {
        return {0, verb, std::move(args)};
    }
    static Token Word(std::string value) { return {std::move(value), false}; }
    static Token Text(std::string value) { return {std::move(value), true}; }

    [[nodiscard]] EditBox* Box(const char* name) const {
        return qobject_cast<EditBox*>(runner_.FindControl(name));
    }

    // The data length "_" would make: the data grows quickly, and the later actions on it too
    // are kept to a size a person would work on.
    [[nodiscard]] std::size_t ExpandedLength() const {
        const std::string filler = KeepHexDigits(Box("AdvEdit_AddChar")->Bytes());
        return Box("sEditNumber")->Bytes().size() * (filler.size() + 1);
    }

    [[nodiscard]] bool ParametersReadable() const {
        return runner_.GetWindows().MainForm->Checksums->EveryParameterReadable();
    }

    std::vector<Step> NextAction(int n) {
        static const char* kKeys[] = {"Backspace", "Delete", "Left",   "Right",  "Home", "End",
                                      "Ctrl+Z",    "Ctrl+X", "Ctrl+C", "Ctrl+V", "Tab",  "Enter",
                                      "F1",        "Escape", "Shift",  "Ctrl+F", "A",    "7"};
        const unsigned roll = random_() % 100;
        // A few megabyte pastes into the long boxes, each cleared again by the next keys.
        if (n > 0 && n % 5000 == 2500 && longPastes_ < 4) {
            ++longPastes_;
            const char* targets[] = {"sEditNumber", "AdvEditHexStr", "AdvEditString",
                                     "TextReciveUDP"};
            const std::string target = targets[longPastes_ - 1];
            std::string big(kLongPaste, ' ');
            for (char& c : big)
                c = "0123456789abcdef"[random_() % 16];
            return {Make("caret", {Word(target), Word("0")}),
                    Make("paste", {Word(target), Text(big)}),
                    Make("key", {Word(target), Word("Ctrl+Z")}),
                    Make("select", {Word(target), Word("0"), Word("100000000")}),
                    Make("key", {Word(target), Word("Backspace")})};
        }
        if (roll < 30)
            return {Make("type", {Word(Pick(boxes_)), Text(RandomBytes(8))})};
        if (roll < 42)
            return {Make("key", {Word(Pick(boxes_)), Word(kKeys[random_() % std::size(kKeys)])})};
        if (roll < 50)
            return {
                Make("paste", {Word(Pick(boxes_)), Text(RandomBytes(random_() % 10 ? 16 : 600))})};
        if (roll < 56) {
            const std::string start = std::to_string(random_() % 20);
            return {Make("select",
                         {Word(Pick(boxes_)), Word(start), Word(std::to_string(random_() % 8))})};
        }
        if (roll < 72)
            return {Make("press", {Word(Pick(shapes_))})};
        if (roll < 96) {
            const std::string& button = Pick(buttons_);
            // With a malformed parameter "_" reports at every digit it adds, and the finder
            // sweeps every candidate: both are kept to the sizes a person would try them on.
            if (button == "sButton3" && Box("sEditNumber")->text().size() > 64 &&
                (!ParametersReadable() || ExpandedLength() > kLongestRandomExpansion))
                return {};
            if (button == "CheckBox1" &&
                (random_() % 20 != 0 || Box("AdvEdit20")->text().size() > 64 ||
                 Box("AdvEdit19")->text().size() > 64))
                return {};
            return {Make("click", {Word(button)})};
        }
        if (roll < 98)
            return {Make("find", {Text(RandomBytes(3))})};
        return {Make("decimal", {Text(random_() % 2 ? "," : ".")})};
    }

    std::string CheckInvariants(const Step& step) {
        RecordingServices& services = runner_.Services();
        for (const std::string& message : services.messages) {
            if (!std::regex_match(message, kOwnMessages))
                return "a message box not of the program's own: " + message;
        }
        services.messages.clear();
        services.tones.clear();
        services.opened.clear();

        const TMainForm& form = *runner_.GetWindows().MainForm;
        const ChecksumPanel& checksums = *form.Checksums;
        const std::string data = checksums.sEditNumber->Bytes();
        if (data.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return "the data box holds more than hex digits";
        if (checksums.sLabel2->text().toStdString() != "Data: " + std::to_string(data.size()))
            return "the digit counter does not count the data";
        if (const std::string xorText = checksums.EDIT_XOR->Bytes(); !xorText.empty()) {
            if (xorText != XorOfBytes(data))
                return "the XOR does not match the data";
            const std::string sum = SumOfBytes(data);
            const std::string shown = checksums.sEdit1->Bytes();
            const bool inverted = checksums.sSpeedButton1->isChecked();
            if (shown != (inverted ? InvertHexByte(sum) : sum))
                return "the sum of bytes does not match the data";
        }

        // The pixel editors' squares show what was pressed, and their prints what they show.
        if (step.verb == "press" || step.verb == "click") {
            const std::string& name = step.args[0].value;
            if (name.starts_with("ShapeRow_")) {
                cell_.Toggle(name[9] - '0', CellColumn(name.substr(11)));
                cellPrinted_ = true;
            } else if (name == "sButton2") {
                cell_.AllOff();
                cellPrinted_ = true;
            } else if (name == "sButton1") {
                cell_.InvertAll();
                cellPrinted_ = true;
            } else if (name.starts_with("Shape_") && std::isdigit(name[6])) {
                strip_.Toggle(std::stoi(name.substr(6)));
            } else if (name == "sButton6") {
                strip_.InvertAll();
            } else if (name == "sButton7") {
                strip_.AllOff();
            } else if (name.starts_with("sLabel_C_")) {
                columns_ = std::stoi(name.substr(9)) + 1;
            }
            if (cellPrinted_ &&
                (name.starts_with("ShapeRow_") || name == "sButton1" || name == "sButton2")) {
                if (form.TextReciveUDP->GetText() != CellCodeLine(cell_.RowBytes()) + "\r\n")
                    return "the character cell printed something else than it shows";
            }
            if (name == "sButton8") {
                std::array<std::uint8_t, 32> bytes{};
                for (int column = 0; column < 32; ++column)
                    bytes[static_cast<std::size_t>(column)] = strip_.ColumnByte(column);
                if (form.TextReciveUDP->GetText() != ColumnCodeText(bytes, columns_))
                    return "the column graphics printed something else than it shows";
            }
        }
        for (int row = 1; row <= 8; ++row) {
            for (int column = 0; column < 8; ++column) {
                const auto* square = qobject_cast<RectangleShape*>(runner_.FindControl(
                    "ShapeRow_" + std::to_string(row) + "_" + kCellColumns[column]));
                if ((square->Fill() == Qt::black) != cell_.IsOn(row, column))
                    return "a square of the character cell shows the wrong state";
            }
        }
        return {};
    }

    static int CellColumn(const std::string& name) {
        for (int column = 0; column < 8; ++column) {
            if (name == kCellColumns[column])
                return column;
        }
        return 0;
    }

    static constexpr const char* kCellColumns[] = {"m1", "m2", "m3", "1", "2", "3", "4", "5"};

    std::mt19937 random_;
    ScenarioRunner runner_;
    std::vector<std::string> boxes_;
    std::vector<std::string> buttons_;
    std::vector<std::string> shapes_;
    CellGrid cell_;
    bool cellPrinted_ = false;
    ColumnGrid strip_;
    int columns_ = 32;
};

} // namespace
} // namespace kelvo::scenario

int main(int argc, char* argv[]) {
    kelvo::KeepLargeBlocksInHeap();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvo Calculator"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(kelvo::PixelFont(11));
    const unsigned seed = argc > 1 ? static_cast<unsigned>(std::stoul(argv[1])) : 1;
    const int actions = argc > 2 ? std::stoi(argv[2]) : 20000;

    kelvo::scenario::Session session(seed);
    QElapsedTimer clock;
    clock.start();
    const std::string failure = session.Run(actions);
    std::printf("random session: seed %u, %d actions in %lld s; longest action %lld ms (%s); "
                "%d megabyte pastes, longest %lld ms\n",
                seed, actions, clock.elapsed() / 1000, session.longest_,
                session.longestStep_.c_str(), session.longPastes_, session.longestPaste_);
    if (!failure.empty()) {
        std::printf("FAIL seed %u: %s\n0 passed, 1 failed\n", seed, failure.c_str());
        return 1;
    }
    std::printf("1 passed, 0 failed\n");
    return 0;
}
