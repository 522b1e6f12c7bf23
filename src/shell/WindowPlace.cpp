#include "shell/WindowPlace.h"

#include <QKeyEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

#include "shell/FrameExtents.h"
#include "shell/PanelZoom.h"

namespace yunuri {
namespace {

// `r` moved as little as it takes to lie within `area` (its top left corner stays in view if it is larger).
QRect keptWithin(QRect r, const QRect& area) {
  r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
  r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
  return r;
}

// Where F9's choice is kept: ~/.config/yunuri/yunuri.conf.
QSettings settings() {
  return QSettings(QStringLiteral("yunuri"), QStringLiteral("yunuri"));
}
const QString kStripKey = QStringLiteral("window/statusStrip");

}  // namespace

bool rememberedStatusStrip() {
  return settings().value(kStripKey, true).toBool();
}

WindowPlace::Key WindowPlace::key(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  if (showroom_ && mods == (Qt::ControlModifier | Qt::AltModifier) && event.key() == Qt::Key_Q) {
    window_.close();
    return Key::Taken;
  }
  const PanelZoom::Command command = PanelZoom::commandOf(event);
  if (command == PanelZoom::Command::None) return Key::NotMine;
  // A showroom's window stays as it is: full screen at its own scale.
  if (showroom_) return Key::Taken;
  if (command == PanelZoom::Command::StatusStrip) {
    // Full screen has its line under the panel in any case.
    if (window_.isFullScreen()) return Key::Taken;
    showStrip(!zoom_.strip());
    settings().setValue(kStripKey, zoom_.strip());
    return Key::Changed;
  }
  if (command == PanelZoom::Command::FullScreen) {
    toggleFullScreen();
    return Key::Changed;
  }
  // Full screen shows the largest step already; the window's step waits for its return.
  if (window_.isFullScreen()) return Key::Taken;
  const bool changed = command == PanelZoom::Command::In    ? zoom_.zoomIn(roomForPanel())
                       : command == PanelZoom::Command::Out ? zoom_.zoomOut()
                                                            : zoom_.reset();
  if (!changed) return Key::Taken;
  showZoomStep();
  return Key::Changed;
}

QSize WindowPlace::roomForPanel() const {
  const QScreen* s = window_.screen();
  if (s == nullptr) return window_.size();
  return s->availableGeometry().size() - (window_.frameGeometry().size() - window_.size());
}

void WindowPlace::showZoomStep() {
  const QRect frame = window_.frameGeometry();
  const QSize margins = frame.size() - window_.size();
  window_.setFixedSize(zoom_.windowSize());
  // The window grows and shrinks about its centre, and stays within the screen.
  QRect zoomed(QPoint(), zoom_.windowSize() + margins);
  zoomed.moveCenter(frame.center());
  if (const QScreen* s = window_.screen()) zoomed = keptWithin(zoomed, s->availableGeometry());
  window_.move(zoomed.topLeft());
}

void WindowPlace::showStrip(bool shown) {
  if (zoom_.strip() == shown) return;
  zoom_.setStrip(shown);
  if (window_.isFullScreen()) return;
  // A window grown out of its screen by the strip takes the largest step that fits.
  while (!zoom_.fits(roomForPanel()) && zoom_.zoomOut()) {
  }
  const QRect frame = window_.frameGeometry();
  const QSize margins = frame.size() - window_.size();
  window_.setFixedSize(zoom_.windowSize());
  if (const QScreen* s = window_.screen(); s != nullptr && window_.isVisible()) {
    const QRect grown(frame.topLeft(), zoom_.windowSize() + margins);
    window_.move(keptWithin(grown, s->availableGeometry()).topLeft());
  }
}

void WindowPlace::toggleFullScreen() {
  if (window_.isFullScreen()) {
    window_.showNormal();
    window_.setFixedSize(zoom_.windowSize());
    // Back where it was: the window manager's own memory of it loses to the resize. The client area's place,
    // as the frame is not known again yet.
    window_.setGeometry(QRect(windowedAt_, window_.size()));
  } else {
    windowedAt_ = window_.geometry().topLeft();
    enterFullScreen();
  }
}

void WindowPlace::startShowroom() {
  showroom_ = true;
  // Full screen places the window itself; centring it first would only move it about.
  centred_ = true;
  enterFullScreen();
}

void WindowPlace::enterFullScreen() {
  // A fixed size would keep the window manager from filling the screen.
  window_.setMinimumSize(0, 0);
  window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window_.showFullScreen();
}

void WindowPlace::shown() {
  if (centred_) return;
  centred_ = true;
  centreOnScreen();
}

void WindowPlace::centreOnScreen() {
  const QScreen* s = window_.screen();
  if (s == nullptr) return;
  const QRect client = window_.geometry();
  const QRect known = window_.frameGeometry();
  QMargins frame(client.left() - known.left(), client.top() - known.top(), known.right() - client.right(),
                 known.bottom() - client.bottom());
  // A window's position is its frame's. On X11 the frame is known only once the window is on screen, and
  // until then the position is the client area's; asked beforehand, the window manager tells the frame now,
  // so the frame is centred without a jump.
  QPoint toFrame;
  if (frame.isNull()) {
    if (const std::optional<QMargins> extents = frameExtentsBeforeMap(window_)) {
      frame = *extents;
      toFrame = {frame.left(), frame.top()};
    }
  }
  QRect framed = client.marginsAdded(frame);
  framed.moveCenter(s->availableGeometry().center());
  window_.move(framed.topLeft() + toFrame);
}

}  // namespace yunuri
