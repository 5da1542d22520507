#pragma once

#include <QRect>
#include <QString>
#include <string_view>

class QLabel;
class QPushButton;
class QWidget;

namespace kelvo {

class EditBox;

// A label in the label colour at its layout position, sized to its caption.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QPoint position,
                 int pixelSize = 13);
// The face and the label colour of the main window's labels.
void StyleLabel(QLabel* label, int pixelSize);
// Labels size themselves to their caption, as the layout's labels do.
void SetCaption(QLabel* label, const QString& caption);
// An edit box with its layout text and the tools' bold 13-pixel face.
EditBox* AddEditBox(QWidget* parent, const char* name, const QRect& geometry,
                    std::string_view text = {});
// A push button with a hand cursor.
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& geometry);
// A read-only, centred result box with a hand cursor and its hint.
EditBox* AddResultBox(QWidget* parent, const char* name, const QRect& geometry,
                      const QString& hint);

} // namespace kelvo
