#include "ui/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvo {

FindDialog::FindDialog(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);

    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    FindField = new QLineEdit(this);
    FindField->setObjectName(QStringLiteral("FindText"));
    label->setBuddy(FindField);
    FindNextButton = new QPushButton(QStringLiteral("&Find Next"), this);
    FindNextButton->setObjectName(QStringLiteral("FindNext"));
    FindNextButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    auto* matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto* up = new QRadioButton(QStringLiteral("&Up"), direction);
    auto* down = new QRadioButton(QStringLiteral("&Down"), direction);
    down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up);
    directionLayout->addWidget(down);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(FindField, 0, 1, 1, 2);
    layout->addWidget(FindNextButton, 0, 3);
    layout->addWidget(wholeWord, 1, 0, 1, 2);
    layout->addWidget(direction, 1, 2, 2, 1);
    layout->addWidget(cancel, 1, 3);
    layout->addWidget(matchCase, 2, 0, 1, 2);

    connect(FindNextButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

void FindDialog::Open() {
    show();
    raise();
    activateWindow();
    FindField->setFocus();
    FindField->selectAll();
}

QString FindDialog::FindText() const {
    return FindField->text();
}

} // namespace kelvo
