#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace kelvo {

class PlatformServices;

// The shared multi-line results pane. Its text reads as lines joined by CR LF; the user may
// edit it, and searches it with the find dialog.
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
    // CR LF, and a lone CR or LF, each break a line; text after a NUL byte is dropped.
    void SetText(std::string_view text);

    // Case-sensitive, forward from just after the selection (from the top without one), no
    // wrap-around; a match gets the focus and the selection, none the "Could not find" box.
    void FindNext(const QString& findText, PlatformServices& services);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace kelvo
