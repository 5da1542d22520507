#pragma once

#include <QLineEdit>
#include <functional>
#include <optional>
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
    // The user's undo and redo of their own edits.
    void Undo();
    void Redo();
    [[nodiscard]] bool CanUndo() const;
    [[nodiscard]] bool CanRedo() const;

    // Edits that insert or remove more characters than this are undone as one step of the box's
    // own (see LargeEdit).
    static constexpr qsizetype kStepwiseUndoLimit = 4096;

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
    // Where the caret stands and what is selected.
    struct Caret {
        int position = 0;
        int selectionStart = -1;
        int selectionLength = 0;
    };
    // Qt's line edit records an edit as one undo step per character and undoes each by
    // inserting or removing one character: undoing a megabyte pasted before a long tail takes
    // quadratic time. A large edit therefore replaces Qt's history (as assignment by code does)
    // and is kept here, whole, as the one step before Qt's later ones.
    struct LargeEdit {
        QString before;
        QString after;
        Caret caretBefore;
        Caret caretAfter;
    };

    [[nodiscard]] Caret CaretNow() const;
    void PlaceCaret(const Caret& caret);
    // Runs an edit of the user's that Qt makes, taking its undo over when it is large.
    void AsUserEdit(const std::function<void()>& edit);
    [[nodiscard]] static bool IsLarge(const QString& before, const QString& after);
    void KeepAsLargeEdit(QString before, const Caret& caretBefore);
    void ShowUserText(const QString& text, const Caret& caret);
    // Shows the large edit undone (its text before) or redone (its text after).
    void ShowLargeEdit(bool undone);

    void TypeText(const QString& typed);
    [[nodiscard]] QString UpperIfSet(const QString& text) const;
    [[nodiscard]] bool Fits(qsizetype newLength) const;

    int lengthLimit_ = 0;
    bool upperCase_ = false;
    bool assigning_ = false;
    // Counts assignments by code, which end every undo history.
    unsigned assignments_ = 0;
    std::optional<LargeEdit> largeEdit_;
    bool largeEditUndone_ = false;
};

} // namespace kelvo
