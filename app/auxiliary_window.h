#pragma once

#include <QWidget>

class QPainter;

namespace kelvo {

// A fixed-size window beside the main one, created hidden at start-up and afterwards only shown
// and hidden; it is centred the first time it is shown and then reappears where it was left.
class AuxiliaryWindow : public QWidget {
    Q_OBJECT

  public:
    AuxiliaryWindow(const char* name, const QString& caption, QSize clientSize);

    // Shows the window, or only brings it to the front when it is already shown.
    void ShowInFront();
};

// A chart drawn from its top left corner at its own size; what falls outside is cut off.
class ChartImage : public QWidget {
    Q_OBJECT

  public:
    using Painter = void (*)(QPainter&);
    ChartImage(QWidget* parent, const QRect& geometry, Painter paint);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Painter paint_;
};

} // namespace kelvo
