#include "scenario_runner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <stdexcept>

#include "core/codepage.h"
#include "ui/edit_box.h"
#include "ui/find_dialog.h"
#include "ui/panel.h"
#include "ui/rectangle_shape.h"
#include "ui/results_pane.h"
#include "ui/text_bytes.h"

namespace kelvo::scenario {
namespace {

// A step that did not go as expected; caught per file.
struct StepFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& message) {
    throw StepFailure(message);
}

std::string Quoted(const std::string& bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 32 || byte >= 127) {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string QuotedList(const std::vector<std::string>& items) {
    if (items.empty())
        return "nothing";
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : " ") + Quoted(item);
    return out;
}

void Expect(const std::string& what, const std::string& expected, const std::string& actual) {
    if (expected != actual)
        Fail("expected " + what + Quoted(expected) + ", got " + Quoted(actual));
}

void ProcessEvents() {
    QCoreApplication::processEvents();
}

int Number(const Step& step, std::size_t index) {
    if (index >= step.args.size() || step.args[index].quoted)
        Fail(step.verb + " needs a number as word " + std::to_string(index + 1));
    try {
        std::size_t used = 0;
        const int value = std::stoi(step.args[index].value, &used);
        if (used == step.args[index].value.size())
            return value;
    } catch (const std::exception&) {
    }
    Fail("not a number: " + step.args[index].value);
}

const std::string& Text(const Step& step, std::size_t index) {
    if (index >= step.args.size() || !step.args[index].quoted)
        Fail(step.verb + " needs a quoted TEXT as word " + std::to_string(index + 1));
    return step.args[index].value;
}

QString CharText(unsigned char byte) {
    return QString(QChar(static_cast<char16_t>(CharFromByte(byte))));
}

// The key a person presses for a character on a US keyboard.
int KeyForChar(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z')
        return Qt::Key_A + (byte - 'a');
    if (byte >= 0x20 && byte < 0x7F)
        return byte; // Qt's keys for the other ASCII characters carry their codes
    if (byte == '\r' || byte == '\n')
        return Qt::Key_Return;
    if (byte == '\t')
        return Qt::Key_Tab;
    return Qt::Key_unknown;
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void SendMouse(QWidget* target, QEvent::Type type) {
    const QPointF centre = QRectF(target->rect()).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, centre, target->mapToGlobal(centre), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

struct NamedKey {
    const char* name;
    int key;
    const char* text;
};
constexpr NamedKey kNamedKeys[] = {
    {"F1", Qt::Key_F1, ""},
    {"Enter", Qt::Key_Return, "\r"},
    {"Escape", Qt::Key_Escape, "\x1b"},
    {"Tab", Qt::Key_Tab, "\t"},
    {"Backspace", Qt::Key_Backspace, "\b"},
    {"Delete", Qt::Key_Delete, "\x7f"},
    {"Home", Qt::Key_Home, ""},
    {"End", Qt::Key_End, ""},
    {"Left", Qt::Key_Left, ""},
    {"Right", Qt::Key_Right, ""},
    {"Up", Qt::Key_Up, ""},
    {"Down", Qt::Key_Down, ""},
    {"Shift", Qt::Key_Shift, ""},
    {"Space", Qt::Key_Space, " "},
};

void PressNamedKey(QWidget* target, std::string keyName) {
    Qt::KeyboardModifiers modifiers;
    for (const auto& [prefix, modifier] :
         {std::pair{"Ctrl+", Qt::ControlModifier}, std::pair{"Shift+", Qt::ShiftModifier},
          std::pair{"Alt+", Qt::AltModifier}}) {
        for (std::size_t at; (at = keyName.find(prefix)) == 0;) {
            modifiers |= modifier;
            keyName.erase(0, std::string(prefix).size());
        }
    }
    // Text is what the key types; with Ctrl or Alt held a key types nothing.
    const bool types = !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
    if (keyName.size() == 1 && std::isalnum(static_cast<unsigned char>(keyName[0]))) {
        const char c = keyName[0];
        const bool letter = std::isalpha(static_cast<unsigned char>(c));
        const int key = letter ? Qt::Key_A + (std::toupper(c) - 'A') : Qt::Key_0 + (c - '0');
        QString text = QString(QLatin1Char(c));
        text = modifiers.testFlag(Qt::ShiftModifier) ? text.toUpper() : text.toLower();
        SendKey(target, key, modifiers, types ? text : QString());
        return;
    }
    for (const auto& named : kNamedKeys) {
        if (keyName == named.name) {
            SendKey(target, named.key, modifiers,
                    types ? QString::fromLatin1(named.text) : QString());
            return;
        }
    }
    Fail("unknown key " + keyName);
}

std::pair<int, int> Selection(QWidget* widget) {
    if (auto* box = qobject_cast<EditBox*>(widget)) {
        if (!box->hasSelectedText())
            return {box->cursorPosition(), 0};
        return {box->selectionStart(), static_cast<int>(box->selectedText().size())};
    }
    if (auto* pane = qobject_cast<QPlainTextEdit*>(widget)) {
        const QTextCursor cursor = pane->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    }
    Fail(widget->objectName().toStdString() + " has no caret");
}

std::string ShownText(QWidget* widget) {
    if (widget->isWindow())
        return ToBytes(widget->windowTitle());
    if (auto* box = qobject_cast<EditBox*>(widget))
        return box->Bytes();
    if (auto* pane = qobject_cast<ResultsPane*>(widget))
        return pane->GetText();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return ToBytes(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return ToBytes(button->text());
    if (auto* panel = qobject_cast<Panel*>(widget))
        return ToBytes(panel->Caption());
    Fail(widget->objectName().toStdString() + " shows no text");
}

std::string YesNo(bool value) {
    return value ? "yes" : "no";
}

} // namespace

ScenarioRunner::ScenarioRunner() : windows_(CreateWindows(services_)) {
    windows_.MainForm->show();
    windows_.MainForm->activateWindow();
    ProcessEvents();
}

ScenarioRunner::~ScenarioRunner() = default;

QWidget* ScenarioRunner::Find(const std::string& name) const {
    const std::vector<QWidget*> windows = windows_.All();
    const auto windowNamed = [&](const QString& windowName) -> QWidget* {
        for (QWidget* window : windows) {
            if (window->objectName() == windowName)
                return window;
        }
        return nullptr;
    };
    const QString qualified = QString::fromStdString(name);
    const qsizetype dot = qualified.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        QWidget* window = windowNamed(qualified.left(dot));
        return window ? window->findChild<QWidget*>(qualified.mid(dot + 1)) : nullptr;
    }
    if (QWidget* window = windowNamed(qualified))
        return window;
    for (QWidget* window : windows) {
        if (auto* child = window->findChild<QWidget*>(qualified))
            return child;
    }
    return nullptr;
}

QWidget* ScenarioRunner::Require(const Step& step, std::size_t index) const {
    if (index >= step.args.size() || step.args[index].quoted)
        Fail(step.verb + " needs a NAME as word " + std::to_string(index + 1));
    QWidget* widget = Find(step.args[index].value);
    if (widget == nullptr)
        Fail("no control named " + step.args[index].value);
    return widget;
}

void ScenarioRunner::Perform(const Step& step) {
    const std::string& verb = step.verb;
    const auto recordCheck = [&](std::vector<std::string>& record, const char* what) {
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < step.args.size(); ++i)
            expected.push_back(Text(step, i));
        std::vector<std::string> actual;
        actual.swap(record);
        if (expected != actual)
            Fail(std::string("expected ") + what + " " + QuotedList(expected) + ", got " +
                 QuotedList(actual));
    };

    if (verb == "type") {
        QWidget* widget = Require(step, 0);
        widget->setFocus(Qt::OtherFocusReason);
        for (char c : Text(step, 1)) {
            const auto byte = static_cast<unsigned char>(c);
            SendKey(widget, KeyForChar(byte), Qt::NoModifier, CharText(byte));
        }
    } else if (verb == "key") {
        QWidget* widget = Require(step, 0);
        widget->setFocus(Qt::OtherFocusReason);
        if (step.args.size() < 2)
            Fail("key needs a KEY");
        PressNamedKey(widget, step.args[1].value);
    } else if (verb == "paste") {
        QWidget* widget = Require(step, 0);
        if (auto* box = qobject_cast<EditBox*>(widget))
            box->PasteText(ToQString(Text(step, 1)));
        else if (auto* pane = qobject_cast<QPlainTextEdit*>(widget))
            pane->insertPlainText(ToQString(Text(step, 1)));
        else
            Fail("cannot paste into " + step.args[0].value);
    } else if (verb == "set") {
        QWidget* widget = Require(step, 0);
        if (auto* box = qobject_cast<EditBox*>(widget))
            box->Assign(Text(step, 1));
        else if (auto* pane = qobject_cast<ResultsPane*>(widget))
            pane->SetText(Text(step, 1));
        else
            Fail("cannot set " + step.args[0].value);
    } else if (verb == "caret" || verb == "select") {
        QWidget* widget = Require(step, 0);
        const int start = Number(step, 1);
        const int length = verb == "select" ? Number(step, 2) : 0;
        if (auto* box = qobject_cast<EditBox*>(widget)) {
            // A person can select only within the text.
            const auto size = static_cast<int>(box->text().size());
            const int from = std::min(start, size);
            if (length > 0)
                box->setSelection(from, std::min(length, size - from));
            else
                box->setCursorPosition(from);
        } else if (auto* pane = qobject_cast<QPlainTextEdit*>(widget)) {
            QTextCursor cursor = pane->textCursor();
            const int size = pane->document()->characterCount() - 1;
            cursor.setPosition(std::min(start, size));
            cursor.setPosition(std::min(start + length, size), QTextCursor::KeepAnchor);
            pane->setTextCursor(cursor);
        } else {
            Fail(step.args[0].value + " has no caret");
        }
    } else if (verb == "click") {
        QWidget* widget = Require(step, 0);
        SendMouse(widget, QEvent::MouseButtonPress);
        SendMouse(widget, QEvent::MouseButtonRelease);
    } else if (verb == "press") {
        SendMouse(Require(step, 0), QEvent::MouseButtonPress);
    } else if (verb == "find") {
        const std::string& text = Text(step, 0);
        auto* dialog = qobject_cast<FindDialog*>(Find("FindDialog1"));
        if (dialog == nullptr)
            Fail("no control named FindDialog1");
        dialog->Open();
        dialog->FindField->setText(ToQString(text));
        SendMouse(dialog->FindNextButton, QEvent::MouseButtonPress);
        SendMouse(dialog->FindNextButton, QEvent::MouseButtonRelease);
    } else if (verb == "decimal") {
        const std::string& text = Text(step, 0);
        services_.separator = text.empty() ? '.' : text.front();
        QEvent localeChange(QEvent::LocaleChange);
        QApplication::sendEvent(windows_.MainForm.get(), &localeChange);
    } else if (verb == "move") {
        Require(step, 0)->move(Number(step, 1), Number(step, 2));
    } else if (verb == "close") {
        Require(step, 0)->close();
    } else if (verb == "expect") {
        QWidget* widget = Require(step, 0);
        Expect("", Text(step, 1), ShownText(widget));
    } else if (verb == "expect-caret") {
        QWidget* widget = Require(step, 0);
        const auto [start, length] = Selection(widget);
        const int caret = length == 0 ? start : start + length;
        Expect("caret ", std::to_string(Number(step, 1)), std::to_string(caret));
    } else if (verb == "expect-selection") {
        QWidget* widget = Require(step, 0);
        const auto [start, length] = Selection(widget);
        Expect("selection ",
               std::to_string(Number(step, 1)) + " " + std::to_string(Number(step, 2)),
               std::to_string(start) + " " + std::to_string(length));
    } else if (verb == "expect-color") {
        auto* shape = qobject_cast<RectangleShape*>(Require(step, 0));
        if (shape == nullptr)
            Fail(step.args[0].value + " is not a shape");
        Expect("colour ", QString::fromStdString(step.args.at(1).value).toUpper().toStdString(),
               shape->Fill().name().toUpper().toStdString());
    } else if (verb == "expect-checked") {
        auto* button = qobject_cast<QAbstractButton*>(Require(step, 0));
        if (button == nullptr)
            Fail(step.args[0].value + " cannot be checked");
        Expect("checked ", step.args.at(1).value, YesNo(button->isChecked()));
    } else if (verb == "expect-visible") {
        Expect("visible ", step.args.at(1).value, YesNo(Require(step, 0)->isVisible()));
    } else if (verb == "expect-pos") {
        const QPoint pos = Require(step, 0)->pos();
        Expect("position ", std::to_string(Number(step, 1)) + " " + std::to_string(Number(step, 2)),
               std::to_string(pos.x()) + " " + std::to_string(pos.y()));
    } else if (verb == "expect-left") {
        Expect("left ", std::to_string(Number(step, 1)), std::to_string(Require(step, 0)->x()));
    } else if (verb == "expect-focus") {
        QWidget* widget = Require(step, 0);
        // A window has the focus when it is the active window.
        const QWidget* focused =
            widget->isWindow() ? QApplication::activeWindow() : widget->window()->focusWidget();
        Expect("focus on ", step.args[0].value,
               focused ? focused->objectName().toStdString() : std::string("nothing"));
    } else if (verb == "expect-messages") {
        recordCheck(services_.messages, "message boxes");
    } else if (verb == "expect-tones") {
        recordCheck(services_.tones, "tones");
    } else if (verb == "expect-opened") {
        recordCheck(services_.opened, "opened");
    } else {
        Fail("unknown verb " + verb);
    }
    ProcessEvents();
}

std::optional<Failure> ScenarioRunner::Run(const Script& script) {
    for (const Step& step : script.steps) {
        try {
            Perform(step);
        } catch (const StepFailure& failure) {
            return Failure{step.line, failure.what()};
        } catch (const std::out_of_range&) {
            return Failure{step.line, step.verb + " is missing a word"};
        }
    }
    if (!services_.messages.empty())
        return Failure{script.lastLine,
                       "expected no more message boxes, got " + QuotedList(services_.messages)};
    return std::nullopt;
}

} // namespace kelvo::scenario
