#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace kelvo {

// Lets a window see every key press inside it before the focused control does; the key then
// still goes on to the control.
class KeyPreview : public QObject {
    Q_OBJECT

  public:
    using Handler = std::function<void(const QKeyEvent&)>;
    KeyPreview(QWidget* window, Handler handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    Handler handler_;
};

} // namespace kelvo
