#include "ui/edit_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "ui/error_boundary.h"

namespace kelvo {
namespace {

void Type(QWidget* box, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
    }
}

// What a change handler saw: the text and the caret when it ran.
struct Seen {
    std::string text;
    int caret;
    bool operator==(const Seen&) const = default;
};

class EditBoxTest : public ::testing::Test {
  protected:
    EditBoxTest() : box(nullptr, "probe") {
        QObject::connect(&box, &EditBox::changed, &box, [this] {
            seen.push_back({box.Bytes(), box.cursorPosition()});
        });
    }
    EditBox box;
    std::vector<Seen> seen;
};

TEST_F(EditBoxTest, AssignmentRunsTheHandlerOnceWithTheCaretAtTheStart) {
    box.Assign("ab");
    box.Assign("ab");
    box.Assign("abc");
    EXPECT_EQ(seen, (std::vector<Seen>{{"ab", 0}, {"abc", 0}}));
}

TEST_F(EditBoxTest, AHandlerThatRewritesItsBoxRunsNestedBeforeTheAssignmentReturns) {
    std::vector<std::string> order;
    QObject::connect(&box, &EditBox::changed, &box, [&] {
        order.push_back("enter " + box.Bytes());
        if (box.Bytes() == "dirty")
            box.Assign("clean");
        order.push_back("leave " + box.Bytes());
    });
    box.Assign("dirty");
    EXPECT_EQ(order, (std::vector<std::string>{"enter dirty", "enter clean", "leave clean",
                                               "leave clean"}));
}

TEST_F(EditBoxTest, CodeIgnoresLimitReadOnlyAndUpperCase) {
    box.SetLengthLimit(2);
    box.SetUpperCase(true);
    box.setReadOnly(true);
    box.Assign("abcdef");
    EXPECT_EQ(box.Bytes(), "abcdef");
    EXPECT_EQ(box.cursorPosition(), 0);
    EXPECT_FALSE(box.hasSelectedText());
}

TEST_F(EditBoxTest, UpperCaseConvertsTypedAndPastedText) {
    box.SetUpperCase(true);
    Type(&box, QStringLiteral("ff\u00e4"));
    EXPECT_EQ(box.Bytes(), "FF\xc4");
    // A paste converts the whole resulting text, also what code had put there.
    box.Assign("ab");
    box.setCursorPosition(2);
    box.PasteText(QStringLiteral("cd"));
    EXPECT_EQ(box.Bytes(), "ABCD");
    // Without its upper-case letter in the code page a character keeps its case.
    box.Assign("");
    Type(&box, QStringLiteral("\u00b5"));
    EXPECT_EQ(box.Bytes(), "\xb5");
}

TEST_F(EditBoxTest, TypedCharactersOutsideTheCodePageBecomeQuestionMarks) {
    Type(&box, QStringLiteral("a\u0416\u20ac"));
    EXPECT_EQ(box.Bytes(), "a?\x80");
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(EditBoxTest, APasteIsOneChangeAndARefusedOneNone) {
    box.SetLengthLimit(4);
    box.PasteText(QStringLiteral("abc"));
    box.PasteText(QStringLiteral("de"));
    EXPECT_EQ(seen, (std::vector<Seen>{{"abc", 3}}));
    EXPECT_EQ(box.cursorPosition(), 3);
}

struct BoxTextRow {
    const char* error;
    const char* shown;
};
constexpr BoxTextRow kBoxTexts[] = {
    {"'$' is not a valid integer value", "'$' is not a valid integer value."},
    {"Floating point overflow", "Floating point overflow."},
    {"ends in a stop.", "ends in a stop."},
    {"ends in a bang!", "ends in a bang!"},
    {"", ""},
};

void Press(QWidget* box, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(box, &press);
}

// An edit of the user's on a box that holds a long text, with the caret or selection it starts
// from: `start` and `length` select, a length of 0 places the caret at `start`.
struct LargeEditRow {
    const char* what;
    int start;
    int length;
    std::function<void(EditBox&)> edit;
};

const QString kLongTail(300'000, QLatin1Char('t'));
const QString kLongPaste(200'000, QLatin1Char('p'));

const LargeEditRow kLargeEdits[] = {
    {"paste before a long tail", 10, 0, [](EditBox& box) { box.PasteText(kLongPaste); }},
    {"paste over a long selection", 10, 150'000, [](EditBox& box) { box.PasteText("pp"); }},
    {"backspace on a long selection", 5, 100'000,
     [](EditBox& box) { Press(&box, Qt::Key_Backspace); }},
    {"cut of a long selection", 7, 200'000,
     [](EditBox& box) { Press(&box, Qt::Key_X, Qt::ControlModifier); }},
    {"typing over a long selection", 1, 100'000, [](EditBox& box) { Type(&box, "q"); }},
    {"deleting a long word", 250'000, 0,
     [](EditBox& box) { Press(&box, Qt::Key_Backspace, Qt::ControlModifier); }},
};

// Every edit is undone to the text and caret it started from and redone to its result, each as
// one change; a small edit made after a large one is undone first.
TEST_F(EditBoxTest, LargeEditsAreUndoneAndRedoneWhole) {
    for (const auto& row : kLargeEdits) {
        SCOPED_TRACE(row.what);
        box.Assign((QStringLiteral("0123456789") + kLongTail).toStdString());
        const QString start = box.text();
        if (row.length > 0)
            box.setSelection(row.start, row.length);
        else
            box.setCursorPosition(row.start);
        row.edit(box);
        const QString edited = box.text();
        const int editedCaret = box.cursorPosition();
        ASSERT_NE(edited, start);
        Type(&box, "x");
        seen.clear();

        Press(&box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.text(), edited);
        Press(&box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.text(), start);
        EXPECT_EQ(box.selectionStart(), row.length > 0 ? row.start : -1);
        EXPECT_EQ(box.selectedText().size(), row.length);
        if (row.length == 0) {
            EXPECT_EQ(box.cursorPosition(), row.start);
        }
        Press(&box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(box.text(), edited);
        EXPECT_EQ(box.cursorPosition(), editedCaret);
        EXPECT_EQ(seen.size(), 3U);
    }
}

TEST(ErrorBox, AddsAFullStopAfterCharactersThatSortAfterIt) {
    for (const auto& row : kBoxTexts) {
        SCOPED_TRACE(row.error);
        EXPECT_EQ(ErrorBoxText(row.error), row.shown);
    }
}

} // namespace
} // namespace kelvo

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
