#pragma once

#include <QLineEdit>
#include <string>
#include <string_view>

namespace kelvo {

// The single-line box every tool uses. Its `changed` signal runs synchronously after every change
// of the text, whoever made it, and nests when a handler rewrites the box. Text assigned by code
// replaces the whole text, leaves the caret at 0 and ignores the length limit, the read-only flag
// and upper-case; the user's typing and pasting obey them, and a paste over the limit is refused.
class EditBox : public QLineEdit {
    Q_OBJECT

  public:
    EditBox(QWidget* parent, const char* name);

    [[nodiscard]] std::string Bytes() const;
    // Assignment by code; text after a NUL byte is dropped. Equal text changes nothing.
    void Assign(std::string_view bytes);

    // A handler's write-back of its box's cleaned text: when the caret then stands at the start
    // (the text changed), it moves to the end.
    void WriteBack(std::string_view cleaned);

    // 0 means no limit.
    void SetLengthLimit(int limit) { lengthLimit_ = limit; }
    void SetUpperCase(bool upper) { upperCase_ = upper; }

    // A paste by the user at the caret or over the selection.
    void PasteText(const QString& pasted);

  signals:
    void changed();
    // Every key that reaches the box, before the box acts on it (Tab moves the focus instead).
    void keyPressed();

  protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void TypeText(const QString& typed);
    [[nodiscard]] QString UpperIfSet(const QString& text) const;
    [[nodiscard]] bool Fits(qsizetype newLength) const;

    int lengthLimit_ = 0;
    bool upperCase_ = false;
    bool assigning_ = false;
};

} // namespace kelvo
