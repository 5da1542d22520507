#include "ui/text_bytes.h"

#include "core/codepage.h"

namespace kelvo {

QString ToQString(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes)
        *out++ = QChar(static_cast<char16_t>(CharFromByte(static_cast<unsigned char>(byte))));
    return text;
}

std::string ToBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text)
        bytes.push_back(static_cast<char>(ByteFromChar(ch.unicode()).value_or('?')));
    return bytes;
}

QString FitToCodePage(const QString& text) {
    QString fitted = text;
    for (QChar& ch : fitted) {
        if (!ByteFromChar(ch.unicode()))
            ch = QLatin1Char('?');
    }
    return fitted;
}

} // namespace kelvo
