#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvo {

// The modeless find dialog of the results pane: a field and Find Next. The match-case,
// whole-word and direction settings are shown with their defaults; the search never reads them.
class FindDialog : public QDialog {
    Q_OBJECT

  public:
    explicit FindDialog(QWidget* owner);

    // Shows the dialog, or brings it to the front, with the field focused.
    void Open();
    [[nodiscard]] QString FindText() const;

    QLineEdit* FindField;
    QPushButton* FindNextButton;

  signals:
    void findNext();
};

} // namespace kelvo
