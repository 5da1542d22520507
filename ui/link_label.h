#pragma once

#include <QLabel>
#include <string>

namespace kelvo {

class PlatformServices;

// A link: blue text that takes the window text colour under the mouse and hands its address to
// the shell's "open" when clicked.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    LinkLabel(QWidget* parent, const char* name, const QString& text, std::string address,
              const QRect& geometry, PlatformServices& services);

    [[nodiscard]] const std::string& Address() const { return address_; }

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void SetTextColour(const QColor& colour);

    std::string address_;
    PlatformServices& services_;
};

} // namespace kelvo
