#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <string_view>

namespace kelvo {

class PlatformServices;

// The text of the error box: the error's text with a final full stop when its last character
// sorts after ".".
[[nodiscard]] std::string ErrorBoxText(std::string_view errorText);

// Runs one event handler as its own error boundary: a conversion or floating-point error ends the
// handler where it arises, keeps what it already did and is shown in the error box.
void RunGuarded(PlatformServices& services, const std::function<void()>& handler);

// Binds a handler to a signal so that every run of it is its own error boundary.
template <typename Sender, typename Signal>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, QObject* context,
                                       PlatformServices& services, std::function<void()> handler) {
    return QObject::connect(sender, signal, context, [&services, handler = std::move(handler)] {
        RunGuarded(services, handler);
    });
}

} // namespace kelvo
