#pragma once

#include <string>

#include "ui/click_label.h"

namespace kelvo {

class PlatformServices;

// A link: blue text that takes the window text colour under the mouse and hands its address to
// the shell's "open" when clicked.
class LinkLabel : public ClickLabel {
    Q_OBJECT

  public:
    LinkLabel(QWidget* parent, const char* name, const QString& text, std::string address,
              const QRect& geometry, PlatformServices& services);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void SetTextColour(const QColor& colour);

    std::string address_;
    PlatformServices& services_;
};

} // namespace kelvo
