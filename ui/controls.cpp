#include "ui/controls.h"

#include <QLabel>
#include <QPushButton>

#include "ui/edit_box.h"
#include "ui/look.h"

namespace kelvo {

void StyleLabel(QLabel* label, int pixelSize) {
    label->setFont(PixelFont(pixelSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, LabelColor());
    label->setPalette(palette);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QPoint position,
                 int pixelSize) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    StyleLabel(label, pixelSize);
    label->move(position);
    label->adjustSize();
    return label;
}

void SetCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->adjustSize();
}

EditBox* AddEditBox(QWidget* parent, const char* name, const QRect& geometry,
                    std::string_view text) {
    auto* box = new EditBox(parent, name);
    box->setFont(PixelFont(13, true));
    box->setGeometry(geometry);
    box->setTextMargins(0, 0, 0, 0);
    box->Assign(text);
    return box;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

EditBox* AddResultBox(QWidget* parent, const char* name, const QRect& geometry,
                      const QString& hint) {
    EditBox* box = AddEditBox(parent, name, geometry);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setCursor(Qt::PointingHandCursor);
    box->setToolTip(hint);
    return box;
}

} // namespace kelvo
