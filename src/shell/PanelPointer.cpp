#include "shell/PanelPointer.h"

#include <QWidget>

#include "assets/Artwork.h"
#include "shell/PanelZoom.h"

namespace yunuri {

void PanelPointer::at(QPoint panelPoint) {
  at_ = panelPoint;
  if (hidden_) return;
  const Pointer want = form_.PointerAt(panelPoint.x(), panelPoint.y());
  const qreal device = window_.devicePixelRatioF();
  const qreal ratio = device * zoom_.scale();
  if (want == shape_ && ratio == ratio_) return;
  shape_ = want;
  if (ratio != ratio_) {
    ratio_ = ratio;
    closedHand_.reset();
    pointingFinger_.reset();
  }
  switch (want) {
    case Pointer::ClosedHand:
      if (!closedHand_) closedHand_ = assets::closedHandCursor(device, zoom_.scale());
      window_.setCursor(*closedHand_);
      break;
    case Pointer::PointingFinger:
      if (!pointingFinger_) pointingFinger_ = assets::pointingFingerCursor(device, zoom_.scale());
      window_.setCursor(*pointingFinger_);
      break;
    case Pointer::Arrow:
      // The desktop's own pointer: setting an arrow explicitly would load the cursor theme at start-up.
      window_.unsetCursor();
      break;
  }
}

void PanelPointer::follow() {
  if (at_ && window_.underMouse()) at(*at_);
}

void PanelPointer::touched(bool hideOnTouch) {
  if (!hideOnTouch || hidden_) return;
  hidden_ = true;
  window_.setCursor(Qt::BlankCursor);
}

void PanelPointer::mouseMoved(QPoint panelPoint) {
  if (hidden_) {
    hidden_ = false;
    // Whatever the pointer was before the touch, it is chosen afresh.
    ratio_ = 0;
  }
  at(panelPoint);
}

}  // namespace yunuri
