#pragma once

#include <QWidget>

namespace kelvo {

// The About window, created hidden at start-up and only shown and hidden afterwards.
class TFormHelp : public QWidget {
    Q_OBJECT

  public:
    TFormHelp();
};

} // namespace kelvo
