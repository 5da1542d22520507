#pragma once

#include <QColor>
#include <QWidget>

namespace kelvo {

// A filled rectangle that reports mouse presses; the pixel editors keep their pixels and
// segments as the fill colours of such squares.
class Shape : public QWidget {
    Q_OBJECT

  public:
    Shape(QWidget* parent, const char* name, const QRect& geometry, const QColor& fill);

    [[nodiscard]] QColor Fill() const { return fill_; }
    void SetFill(const QColor& fill);

  signals:
    void pressed(Qt::MouseButton button, QPoint position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QColor fill_;
};

} // namespace kelvo
