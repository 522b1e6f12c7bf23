#pragma once

#include <QEvent>
#include <optional>

#include "window/Catalogue.h"

namespace yunuri {

// An assistive technology's Press, delivered to the window as an event like the mouse's and the keyboard's,
// so that whatever watches the window's input sees it too. A press of `button`, or of the notice when none.
class ActionEvent : public QEvent {
 public:
  explicit ActionEvent(std::optional<ButtonRef> button) : QEvent(type()), button_(button) {}
  static QEvent::Type type() {
    static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
    return registered;
  }
  std::optional<ButtonRef> button() const { return button_; }

 private:
  std::optional<ButtonRef> button_;
};

}  // namespace yunuri
