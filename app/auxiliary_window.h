#pragma once

#include <QWidget>

namespace kelvo {

// A fixed-size window beside the main one, created hidden at start-up and afterwards only shown
// and hidden; it is centred the first time it is shown and then reappears where it was left.
class AuxiliaryWindow : public QWidget {
    Q_OBJECT

  public:
    AuxiliaryWindow(const char* name, const QString& caption, QSize clientSize);
};

} // namespace kelvo
