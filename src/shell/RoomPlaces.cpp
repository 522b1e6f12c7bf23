#include "shell/RoomPlaces.h"

#include <QWidget>

#include "shell/RoomWidget.h"
#include "shell/RoomWindow.h"

namespace yunuri {

RoomPlaces::RoomPlaces(QWidget& panel, const Form1& form) : panel_(panel), form_(form) {
  placeAgain_.setSingleShot(true);
  QObject::connect(&placeAgain_, &QTimer::timeout, &panel_, [this] {
    if (window_ != nullptr && window_->isVisible()) window_->placeBeside(panel_);
  });
}

void RoomPlaces::toggle(bool fullScreen) {
  if (fullScreen) {
    groundWanted_ = !groundWanted_;
  } else {
    windowWanted_ = !windowWanted_;
  }
}

void RoomPlaces::place(const QRectF& groundArea, bool fullScreen, qreal zoom) {
  if (!groundArea.isEmpty() && ground_ == nullptr) ground_ = new RoomWidget(form_, &panel_);
  if (ground_ != nullptr) {
    ground_->setGeometry(groundArea.toAlignedRect());
    ground_->setVisible(!groundArea.isEmpty());
    // What changed while it was left out shows at once.
    if (ground_->isVisible()) ground_->follow();
  }
  // Over a full screen the window would hide the panel: it waits for the panel's return to a window.
  const bool windowShown = windowWanted_ && !fullScreen && panel_.isVisible();
  if (windowShown && window_ == nullptr) {
    window_ = new RoomWindow(form_, &panel_, [this] { windowWanted_ = false; });
  }
  if (window_ == nullptr) return;
  // The window takes the panel's zoom step (not full screen's scale), and stays beside it as both grow.
  if (!fullScreen) {
    const QSize before = window_->size();
    window_->setScale(zoom);
    // Once the panel has taken its new place: it grows about its centre after its new size is laid out.
    if (window_->isVisible() && window_->size() != before) placeAgain_.start(0);
  }
  if (windowShown && !window_->isVisible()) {
    // What changed while it was hidden shows at once.
    window_->follow(true);
    window_->placeBeside(panel_);
    window_->show();
  } else if (!windowShown) {
    window_->hide();
  }
}

void RoomPlaces::follow(bool captionChanged) {
  if (ground_ != nullptr && ground_->isVisible()) ground_->follow();
  if (window_ != nullptr && window_->isVisible()) window_->follow(captionChanged);
}

void RoomPlaces::panelClosed() {
  windowWanted_ = false;
  if (window_ != nullptr) window_->hide();
}

}  // namespace yunuri
