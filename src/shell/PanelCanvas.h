#pragma once

#include <QRect>
#include <QTimer>

#include "assets/PictureCache.h"
#include "shell/StatusLine.h"

class QPainter;
class QWidget;

namespace yunuri {

class Focus;
class Form1;
class PanelZoom;

// Paints the window: the panel at its zoom from pictures kept at the ratio they were drawn at, the ground
// around it in full screen, the status line and the focus ring. What the first frame does not need waits
// until the panel has been on screen for a moment, and the painting thread with its fonts is let go once
// painting has stopped for a while.
class PanelCanvas {
 public:
  PanelCanvas(QWidget& window, const Form1& form, const PanelZoom& zoom);

  // Paints what meets `exposed` (widget pixels); `ratio` is device pixels per panel pixel.
  void paint(QPainter& painter, const QRect& exposed, qreal ratio, const QRect& statusLine,
             const QRect& ring);
  // How many times the panel has been painted; tests count repaints with it.
  int paintCount() const { return paintCount_; }
  // After every input or tick: the notice's picture, as big as the window, is let go once the notice is gone.
  void follow();
  // The panel started again with the notice over it.
  void startAgain() { noticeKept_ = true; }
  // Every picture is painted again (in new words).
  void clear() { cache_.clear(); }

 private:
  static constexpr int kAfterFirstFrameMs = 100;
  // How long after a paint the painting thread and its fonts are let go, if it painted anything since.
  static constexpr int kReleasePainterMs = 1000;

  QWidget& window_;
  const Form1& form_;
  const PanelZoom& zoom_;
  assets::PictureCache cache_;
  qreal cacheRatio_;  // the ratio the cached pictures were drawn at
  QTimer afterFirstFrame_;
  QTimer releasePainter_;
  LetteredStatusLine statusLine_;
  bool firstFrameShown_ = false;
  bool noticeKept_ = true;
  int paintCount_ = 0;
};

// Where the focus ring lies in the widget: around the focused button, reaching out a light band of two pixels
// between dark lines of one at 100 % and growing with the zoom; empty while it does not show.
QRect focusRingRect(const Form1& form, const Focus& focus, const PanelZoom& zoom);

}  // namespace yunuri
