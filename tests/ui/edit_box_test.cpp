#include "ui/edit_box.h"

#include <QApplication>
#include <QKeyEvent>
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
