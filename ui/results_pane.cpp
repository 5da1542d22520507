#include "ui/results_pane.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "ui/look.h"
#include "ui/text_bytes.h"

namespace kelvo {

ResultsPane::ResultsPane(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("TextReciveUDP"));
    setGeometry(264, 344, 553, 257);
    setFont(PixelFont(13));
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
    QString lines = ToQString(text);
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(lines);
}

void ResultsPane::AddLine(std::string_view line) {
    std::string text = GetText();
    if (text.empty() || text.ends_with("\r\n"))
        text.append(line).append("\r\n");
    else
        text.append("\r\n").append(line);
    SetText(text);
}

void ResultsPane::ReplaceLine(int n, std::string_view line) {
    const QTextBlock block = document()->findBlockByNumber(n);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(ToQString(line));
}

} // namespace kelvo
