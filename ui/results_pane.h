#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace kelvo {

// The shared multi-line results pane. Its text reads as lines joined by CR LF.
class ResultsPane : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit ResultsPane(QWidget* parent);

    void Clear();
    // s becomes a line of its own at the end.
    void AddLine(std::string_view line);
    // Replaces line n (0-based, without its line break); nothing happens when it does not exist.
    void ReplaceLine(int n, std::string_view line);
    [[nodiscard]] std::string GetText() const;
    void SetText(std::string_view text);
};

} // namespace kelvo
