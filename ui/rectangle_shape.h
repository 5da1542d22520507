#pragma once

#include <QColor>
#include <QWidget>

namespace kelvo {

// A filled rectangle that reports mouse presses; the pixel editors keep their pixels and
// segments as the fill colours of such squares.
class RectangleShape : public QWidget {
    Q_OBJECT

  public:
    RectangleShape(QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill,
                   const QColor& outline = Qt::black);

    [[nodiscard]] QColor Fill() const { return fill_; }
    void SetFill(const QColor& fill);

  signals:
    void pressed(Qt::MouseButton button, QPoint position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QColor fill_;
    QColor outline_;
};

} // namespace kelvo
