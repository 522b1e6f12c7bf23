#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "shell/PanelWidget.h"
#include "shell/StatusLine.h"

// The zoom steps and full screen, as the window's size and place.
namespace yunuri {
namespace {

// `r` moved as little as it takes to lie within `area` (its top left corner stays in view if it is larger).
QRect keptWithin(QRect r, const QRect& area) {
  r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
  r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
  return r;
}

}  // namespace

bool PanelWidget::handleZoomKey(QKeyEvent* event) {
  const PanelZoom::Command command = PanelZoom::commandOf(*event);
  if (command == PanelZoom::Command::None) return false;
  event->accept();
  // A showroom's window stays as it is: full screen at its own scale.
  if (showroom_) return true;
  if (command == PanelZoom::Command::FullScreen) {
    toggleFullScreen();
    return true;
  }
  // Full screen shows the largest step already; the window's step waits for its return.
  if (isFullScreen()) return true;
  const bool changed = command == PanelZoom::Command::In    ? zoom_.zoomIn(roomForPanel())
                       : command == PanelZoom::Command::Out ? zoom_.zoomOut()
                                                            : zoom_.reset();
  if (changed) showZoomStep();
  return true;
}

QSize PanelWidget::roomForPanel() const {
  const QScreen* s = screen();
  if (s == nullptr) return size();
  return s->availableGeometry().size() - (frameGeometry().size() - size());
}

void PanelWidget::showZoomStep() {
  // A press held across the change would be released at a point that no longer means the same thing.
  loseCapture();
  const QRect frame = frameGeometry();
  const QSize margins = frame.size() - size();
  setFixedSize(zoom_.windowSize());
  // The window grows and shrinks about its centre, and stays within the screen.
  QRect zoomed(QPoint(), zoom_.windowSize() + margins);
  zoomed.moveCenter(frame.center());
  if (const QScreen* s = screen()) zoomed = keptWithin(zoomed, s->availableGeometry());
  move(zoomed.topLeft());
  sync();
}

void PanelWidget::toggleFullScreen() {
  loseCapture();
  if (isFullScreen()) {
    showNormal();
    setFixedSize(zoom_.windowSize());
    // Back where it was: the window manager's own memory of it loses to the resize. The client area's place,
    // as the frame is not known again yet.
    setGeometry(QRect(windowedAt_, size()));
  } else {
    windowedAt_ = geometry().topLeft();
    enterFullScreen();
  }
}

void PanelWidget::enterFullScreen() {
  // A fixed size would keep the window manager from filling the screen.
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  showFullScreen();
}

void PanelWidget::resizeEvent(QResizeEvent* event) {
  zoom_.layOut(size(), isFullScreen(), devicePixelRatioF(), statusLineReserve(size()));
  languageButton_->place(zoom_.panelArea(), isFullScreen());
  update();
  QWidget::resizeEvent(event);
}

}  // namespace yunuri
