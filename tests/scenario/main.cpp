#include <QApplication>
#include <QStyleFactory>
#include <fstream>
#include <iostream>

#include "app/art/glyphs.h"
#include "scenario_runner.h"
#include "ui/look.h"

// kelvo-scenario FILE...: runs each scenario file against fresh windows and prints one line per
// file, then the totals.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvo Calculator"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(kelvo::PixelFont(11));
    QApplication::setWindowIcon(kelvo::GlyphIcon(kelvo::Glyph::Application));

    int passed = 0;
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string file = argv[i];
        std::ifstream input(file);
        std::optional<kelvo::scenario::Failure> failure;
        if (!input) {
            failure = kelvo::scenario::Failure{0, "cannot open the file"};
        } else {
            try {
                const auto script = kelvo::scenario::ParseScript(input);
                kelvo::scenario::ScenarioRunner runner;
                failure = runner.Run(script);
            } catch (const std::runtime_error& error) {
                // A line that cannot be read: the message starts with its number.
                const std::string text = error.what();
                const std::size_t colon = text.find(':');
                failure = kelvo::scenario::Failure{std::stoi(text.substr(0, colon)),
                                                   text.substr(colon + 2)};
            }
        }
        if (failure) {
            ++failed;
            std::cout << "FAIL " << file << ':' << failure->line << ": " << failure->message
                      << '\n';
        } else {
            ++passed;
            std::cout << "ok " << file << '\n';
        }
    }
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 ? 0 : 1;
}
