#include "ui/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kelvo {

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), window_(window), handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key the focused control leaves unused travels on to its parents; the window previews it
    // only once, on its way to the first receiver.
    const QWidget* firstReceiver = window_->focusWidget() ? window_->focusWidget() : window_;
    if (widget != firstReceiver || widget->window() != window_)
        return false;
    handler_(*static_cast<QKeyEvent*>(event));
    return false;
}

} // namespace kelvo
