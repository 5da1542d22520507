#pragma once

#include <QFrame>
#include <QString>

namespace kelvo {

// A raised panel holding one tool, with an optional caption drawn in its centre beneath the
// tool's controls.
class Panel : public QFrame {
    Q_OBJECT

  public:
    Panel(QWidget* parent, const char* name, const QRect& geometry,
          const QString& caption = QString());

    [[nodiscard]] QString Caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

} // namespace kelvo
