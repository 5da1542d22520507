#include "ui/look.h"

#include <QStringList>

namespace kelvo {

QFont PixelFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont WithoutShaping(QFont font) {
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace kelvo
