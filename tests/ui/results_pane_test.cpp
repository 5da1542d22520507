#include "ui/results_pane.h"

#include <functional>
#include <gtest/gtest.h>

namespace kelvo {
namespace {

using Step = std::function<void(ResultsPane&)>;

Step Set(std::string text) {
    return [text](ResultsPane& pane) { pane.SetText(text); };
}
Step Add(std::string line) {
    return [line](ResultsPane& pane) { pane.AddLine(line); };
}
Step Replace(int n, std::string line) {
    return [n, line](ResultsPane& pane) { pane.ReplaceLine(n, line); };
}
// How the tools extend the last line.
Step Extend(std::string text) {
    return [text](ResultsPane& pane) { pane.SetText(pane.GetText() + text); };
}
const Step kClear = [](ResultsPane& pane) { pane.Clear(); };

struct PaneRow {
    const char* name;
    std::vector<Step> steps;
    const char* text;
};

const PaneRow kPaneRows[] = {
    {"add to empty", {Add("x")}, "x\r\n"},
    {"add twice", {Add("x"), Add("y")}, "x\r\ny\r\n"},
    {"add after text without break", {Set("x"), Add("y")}, "x\r\ny"},
    {"add empty after break", {Set("x\r\n"), Add("")}, "x\r\n\r\n"},
    {"matches one per line",
     {Set("Found CRC-8:"), Add(""), Extend("A"), Add(""), Extend("B")},
     "Found CRC-8:\r\nA\r\nB"},
    {"replace missing line", {Set("x"), Replace(1, "s")}, "x"},
    {"replace empty last line", {Set("abc\r\n"), Replace(1, "s")}, "abc\r\ns"},
    {"replace middle line", {Set("a\r\nb\r\nc"), Replace(1, "xyz")}, "a\r\nxyz\r\nc"},
    {"replace in empty pane", {Replace(0, "s")}, ""},
    {"clear", {Set("a\r\nb"), kClear}, ""},
    {"clear then add", {Set("a"), kClear, Add("b")}, "b\r\n"},
};

TEST(ResultsPane, OperationsTheToolsUse) {
    for (const auto& row : kPaneRows) {
        SCOPED_TRACE(row.name);
        ResultsPane pane(nullptr);
        for (const auto& step : row.steps)
            step(pane);
        EXPECT_EQ(pane.GetText(), row.text);
    }
}

} // namespace
} // namespace kelvo
