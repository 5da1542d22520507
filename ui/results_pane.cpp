#include "ui/results_pane.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

#include "ui/look.h"
#include "ui/platform_services.h"
#include "ui/text_bytes.h"

namespace kelvo {

ResultsPane::ResultsPane(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("TextReciveUDP"));
    setGeometry(264, 344, 553, 257);
    setFont(WithoutShaping(PixelFont(13)));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

void ResultsPane::Clear() {
    clear();
}

std::string ResultsPane::GetText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return ToBytes(text);
}

void ResultsPane::SetText(std::string_view text) {
    QString lines = ToQString(text.substr(0, text.find('\0')));
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(lines);
}

void ResultsPane::AddLine(std::string_view line) {
    // An empty pane, or one whose text ends with a line break, has an empty last block.
    const bool endsWithBreak = document()->lastBlock().text().isEmpty();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const QString text = ToQString(line);
    cursor.insertText(endsWithBreak ? text + QLatin1Char('\n') : QLatin1Char('\n') + text);
}

void ResultsPane::ReplaceLine(int n, std::string_view line) {
    if (document()->isEmpty())
        return;
    const QTextBlock block = document()->findBlockByNumber(n);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(ToQString(line));
}

void ResultsPane::FindNext(const QString& findText, PlatformServices& services) {
    const QTextCursor selection = textCursor();
    const int start = selection.hasSelection() ? selection.selectionEnd() : 0;
    const QString needle = FitToCodePage(findText);
    const qsizetype match = toPlainText().indexOf(needle, start, Qt::CaseSensitive);
    if (match < 0 || needle.isEmpty()) {
        services.ShowInfo("Could not find \"" + ToBytes(needle) + "\"");
        return;
    }
    window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
    QTextCursor found(document());
    found.setPosition(static_cast<int>(match));
    found.setPosition(static_cast<int>(match + needle.size()), QTextCursor::KeepAnchor);
    setTextCursor(found);
    ensureCursorVisible();
}

void ResultsPane::keyPressEvent(QKeyEvent* event) {
    const QString fitted = FitToCodePage(event->text());
    if (fitted == event->text()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), fitted, event->isAutoRepeat(),
                    static_cast<quint16>(event->count()));
    QPlainTextEdit::keyPressEvent(&typed);
    event->setAccepted(typed.isAccepted());
}

void ResultsPane::insertFromMimeData(const QMimeData* source) {
    if (source->hasText())
        insertPlainText(FitToCodePage(source->text()));
}

} // namespace kelvo
