#include "ui/edit_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "core/codepage.h"
#include "ui/look.h"
#include "ui/text_bytes.h"

namespace kelvo {
namespace {

// Sets a flag for the lifetime of a scope, restoring the old value even when a nested change
// handler has set it too.
class FlagGuard {
  public:
    explicit FlagGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = old_; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& flag_;
    bool old_;
};

QString CutAtNul(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

} // namespace

EditBox::EditBox(QWidget* parent, const char* name) : QLineEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    // The box enforces its own limit; Qt's would also cut text assigned by code.
    setMaxLength(std::numeric_limits<int>::max());
    setAcceptDrops(false);
    setDragEnabled(false);
    setFont(WithoutShaping(font()));
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!assigning_)
            emit changed();
    });
}

std::string EditBox::Bytes() const {
    return ToBytes(text());
}

void EditBox::Assign(std::string_view bytes) {
    const QString newText = ToQString(bytes.substr(0, bytes.find('\0')));
    if (newText == text())
        return;
    ++assignments_;
    largeEdit_.reset();
    {
        FlagGuard guard(assigning_);
        setText(newText);
        setCursorPosition(0);
    }
    emit changed();
}

void EditBox::WriteBack(std::string_view cleaned) {
    Assign(cleaned);
    if (cursorPosition() == 0)
        setCursorPosition(static_cast<int>(text().size()));
}

bool EditBox::Fits(qsizetype newLength) const {
    return lengthLimit_ <= 0 || newLength <= lengthLimit_;
}

QString EditBox::UpperIfSet(const QString& text) const {
    if (!upperCase_)
        return text;
    QString upper = text;
    for (QChar& ch : upper) {
        const QChar converted = ch.toUpper();
        if (ByteFromChar(converted.unicode()))
            ch = converted;
    }
    return upper;
}

void EditBox::TypeText(const QString& typed) {
    if (isReadOnly() || typed.isEmpty())
        return;
    const QString fitted = UpperIfSet(FitToCodePage(CutAtNul(typed)));
    if (!Fits(text().size() - selectedText().size() + fitted.size()))
        return;
    AsUserEdit([&] { insert(fitted); });
}

void EditBox::PasteText(const QString& pasted) {
    if (isReadOnly())
        return;
    const QString fitted = FitToCodePage(CutAtNul(pasted));
    const bool replacesSelection = hasSelectedText();
    const int start = replacesSelection ? selectionStart() : cursorPosition();
    QString result = text();
    result.replace(start, selectedText().size(), fitted);
    result = UpperIfSet(result);
    if (!Fits(result.size()))
        return;
    // Whether the paste inserts or removes enough for Qt's stepwise undo to be slow.
    const bool large =
        fitted.size() > kStepwiseUndoLimit || selectedText().size() > kStepwiseUndoLimit;
    AsUserEdit([&] {
        if (result != text()) {
            {
                FlagGuard guard(assigning_);
                if (large) {
                    setText(result);
                } else {
                    // insert() keeps the paste undoable; text assigned by code may still need
                    // upper case.
                    insert(UpperIfSet(fitted));
                    if (text() != result)
                        setText(result);
                }
            }
            emit changed();
        }
        const auto length = static_cast<int>(text().size());
        if (replacesSelection) {
            const int selected =
                std::min(static_cast<int>(fitted.size()), length - std::min(start, length));
            setSelection(std::min(start, length), selected);
        } else {
            setCursorPosition(std::min(start + static_cast<int>(fitted.size()), length));
        }
    });
}

EditBox::Caret EditBox::CaretNow() const {
    return {cursorPosition(), selectionStart(), static_cast<int>(selectedText().size())};
}

void EditBox::PlaceCaret(const Caret& caret) {
    const auto length = static_cast<int>(text().size());
    if (caret.selectionStart >= 0 && caret.selectionStart + caret.selectionLength <= length) {
        // The caret stays at whichever end of the selection it was.
        if (caret.position == caret.selectionStart)
            setSelection(caret.selectionStart + caret.selectionLength, -caret.selectionLength);
        else
            setSelection(caret.selectionStart, caret.selectionLength);
    } else {
        setCursorPosition(std::min(caret.position, length));
    }
}

bool EditBox::IsLarge(const QString& before, const QString& after) {
    if (before.isSharedWith(after))
        return false;
    if (std::abs(after.size() - before.size()) > kStepwiseUndoLimit)
        return true;
    const qsizetype shorter = std::min(before.size(), after.size());
    if (shorter <= kStepwiseUndoLimit)
        return false;
    // What lies between the common start and the common end was removed and inserted.
    const auto [beforeEnd, afterEnd] =
        std::mismatch(before.cbegin(), before.cbegin() + shorter, after.cbegin());
    const qsizetype common = beforeEnd - before.cbegin();
    const auto [beforeTail, afterTail] = std::mismatch(before.crbegin(), before.crend() - common,
                                                       after.crbegin(), after.crend() - common);
    const qsizetype commonTail = beforeTail - before.crbegin();
    return std::max(before.size(), after.size()) - common - commonTail > kStepwiseUndoLimit;
}

void EditBox::AsUserEdit(const std::function<void()>& edit) {
    const QString before = text();
    const Caret caretBefore = CaretNow();
    const unsigned assignmentsBefore = assignments_;
    edit();
    if (assignments_ == assignmentsBefore && IsLarge(before, text()))
        KeepAsLargeEdit(before, caretBefore);
}

void EditBox::KeepAsLargeEdit(QString before, const Caret& caretBefore) {
    const Caret caretAfter = CaretNow();
    if (isUndoAvailable() || isRedoAvailable()) {
        // Setting the same text again ends Qt's history without a change.
        {
            FlagGuard guard(assigning_);
            setText(text());
        }
        PlaceCaret(caretAfter);
    }
    largeEdit_ = LargeEdit{std::move(before), text(), caretBefore, caretAfter};
    largeEditUndone_ = false;
}

void EditBox::ShowUserText(const QString& shown, const Caret& caret) {
    const unsigned assignmentsBefore = assignments_;
    {
        FlagGuard guard(assigning_);
        setText(shown);
    }
    emit changed();
    if (assignments_ == assignmentsBefore)
        PlaceCaret(caret);
}

bool EditBox::CanUndo() const {
    return isUndoAvailable() || (largeEdit_ && !largeEditUndone_ && text() == largeEdit_->after);
}

bool EditBox::CanRedo() const {
    return isRedoAvailable() || (largeEdit_ && largeEditUndone_ && text() == largeEdit_->before);
}

void EditBox::Undo() {
    if (isReadOnly())
        return;
    if (isUndoAvailable())
        undo();
    else if (CanUndo())
        ShowLargeEdit(/*undone=*/true);
}

void EditBox::Redo() {
    if (isReadOnly())
        return;
    if (isRedoAvailable())
        redo();
    else if (CanRedo())
        ShowLargeEdit(/*undone=*/false);
}

void EditBox::ShowLargeEdit(bool undone) {
    largeEditUndone_ = undone;
    // The change handler may assign the box, which ends the record.
    const LargeEdit edit = *largeEdit_;
    if (undone)
        ShowUserText(edit.before, edit.caretBefore);
    else
        ShowUserText(edit.after, edit.caretAfter);
}

void EditBox::changeEvent(QEvent* event) {
    // Whatever font the panel gives the box, it keeps the unshaped strategy.
    if (event->type() == QEvent::FontChange &&
        (font().styleStrategy() & QFont::PreferNoShaping) == 0)
        setFont(WithoutShaping(font()));
    QLineEdit::changeEvent(event);
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    emit keyPressed();
    if (event->matches(QKeySequence::Paste)) {
        PasteText(QApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        if (event->matches(QKeySequence::Undo))
            Undo();
        else
            Redo();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool commandModifier =
        (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != Qt::NoModifier;
    if (!typed.isEmpty() && typed.front().isPrint() && !commandModifier) {
        TypeText(typed);
        event->accept();
        return;
    }
    AsUserEdit([&] { QLineEdit::keyPressEvent(event); });
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    TypeText(event->commitString());
    event->accept();
}

void EditBox::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        PasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EditBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard Paste would bypass the length limit and the code page, and the standard
    // undo would not see large edits.
    const std::pair<const char*, std::function<void()>> ownActions[] = {
        {"edit-undo", [this] { Undo(); }},
        {"edit-redo", [this] { Redo(); }},
        {"edit-cut", [this] { AsUserEdit([this] { cut(); }); }},
        {"edit-paste", [this] { PasteText(QApplication::clipboard()->text()); }},
        {"edit-delete", [this] { AsUserEdit([this] { del(); }); }},
    };
    for (QAction* action : menu->actions()) {
        for (const auto& [name, run] : ownActions) {
            if (action->objectName() != QLatin1String(name))
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, run);
        }
        if (action->objectName() == QLatin1String("edit-undo"))
            action->setEnabled(!isReadOnly() && CanUndo());
        else if (action->objectName() == QLatin1String("edit-redo"))
            action->setEnabled(!isReadOnly() && CanRedo());
    }
    menu->popup(event->globalPos());
}

} // namespace kelvo
