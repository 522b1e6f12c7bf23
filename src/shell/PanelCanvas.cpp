#include "shell/PanelCanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "assets/Artwork.h"
#include "assets/PaintingThread.h"
#include "assets/Words.h"
#include "input/Focus.h"
#include "shell/PanelPainter.h"
#include "shell/PanelZoom.h"
#include "shell/StatusLine.h"
#include "window/Form1.h"

namespace yunuri {
namespace {

// The ring around a focused button follows its pill or circle: a light band between two dark lines, so that
// it reads on the dark top bar, the orange ground, the blue buttons and the grey cards alike.
const QColor kRingDark(16, 24, 40);
const QColor kRingLight(255, 255, 255);
constexpr int kRingOutset = 4;

int ringOutset(qreal scale) {
  return std::max(kRingOutset, static_cast<int>(std::lround(kRingOutset * scale)));
}

void paintRing(QPainter& painter, const QRect& ring, qreal line) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  const qreal radius = std::min(ring.width(), ring.height()) / 2.0;
  // A band `width` wide whose outer edge lies `inset` inside the ring's bounds.
  const auto band = [&](qreal inset, qreal width, const QColor& colour) {
    const qreal middle = inset + width / 2;
    painter.setPen(QPen(colour, width));
    painter.drawRoundedRect(QRectF(ring).adjusted(middle, middle, -middle, -middle), radius - middle,
                            radius - middle);
  };
  band(0, 4 * line, kRingDark);
  band(line, 2 * line, kRingLight);
}

}  // namespace

QRect focusRingRect(const Form1& form, const Focus& focus, const PanelZoom& zoom) {
  const std::optional<ButtonRef> b = focus.button();
  if (!focus.ringShown() || !b || !form.Showing(b->array, b->index)) return {};
  const DirtyRect r = form.WindowRect(form.Element(b->array, b->index));
  const int out = ringOutset(zoom.scale());
  return zoom.toWidget(QRectF(r.left, r.top, r.width, r.height)).adjusted(-out, -out, out, out);
}

PanelCanvas::PanelCanvas(QWidget& window, const Form1& form, const PanelZoom& zoom)
    : window_(window), form_(form), zoom_(zoom), cacheRatio_(window.devicePixelRatioF()) {
  // The first frame's picture is painted on the painting thread while the window is being made.
  cache_.prefetch(form_.NoticeUp() ? form_.KABE().picture : Picture::base(BasePicture::MainPanel),
                  cacheRatio_);
  afterFirstFrame_.setSingleShot(true);
  QObject::connect(&afterFirstFrame_, &QTimer::timeout, &window_, [this] {
    window_.setWindowIcon(assets::windowIcon());
    cache_.prefetch(Picture::base(BasePicture::MainPanel), cacheRatio_);
    releasePainter_.start(kReleasePainterMs);
  });
  releasePainter_.setSingleShot(true);
  QObject::connect(&releasePainter_, &QTimer::timeout, &window_, [] { assets::releasePaintingThread(); });
}

void PanelCanvas::paint(QPainter& painter, const QRect& exposed, qreal ratio, const QRect& statusLine,
                        const QRect& ring) {
  ++paintCount_;
  // Pictures of another ratio (before a zoom, or on another screen) are not kept.
  if (ratio != cacheRatio_) {
    cache_.clear();
    cacheRatio_ = ratio;
  }
  const QRectF whole(window_.rect());
  const QRectF panel = zoom_.panelArea();
  if (!panel.contains(whole)) {
    QPainterPath ground;  // the widget less the panel
    ground.addRect(whole);
    ground.addRect(panel);
    painter.fillPath(ground, kStatusLineGround);
  }
  painter.save();
  painter.translate(panel.topLeft());
  painter.scale(zoom_.scale(), zoom_.scale());
  paintPanel(painter, form_, cache_, cacheRatio_, zoom_.toPanel(QRectF(exposed).intersected(panel)));
  painter.restore();
  if (statusLine.intersects(exposed)) {
    const QString text = assets::shownWithoutTitle(form_.Caption());
    painter.drawImage(statusLine.topLeft(),
                      statusLine_.image(text, statusLine.size(), window_.devicePixelRatioF()));
  }
  if (!ring.isNull() && ring.intersects(exposed)) paintRing(painter, ring, ringOutset(zoom_.scale()) / 4.0);
  // What the first frame does not need waits until the panel has been on screen for a moment: the icon
  // (the frame shows it a little later) and the panel under the notice (painted on the painting thread long
  // before a visitor can click the notice away).
  if (!firstFrameShown_) {
    firstFrameShown_ = true;
    afterFirstFrame_.start(kAfterFirstFrameMs);
  } else if (!afterFirstFrame_.isActive() && !releasePainter_.isActive()) {
    releasePainter_.start(kReleasePainterMs);
  }
}

void PanelCanvas::follow() {
  // The notice shows again only when the panel starts again, and its picture is as big as the window.
  if (noticeKept_ && !form_.NoticeUp()) {
    noticeKept_ = false;
    cache_.forget(Picture::base(BasePicture::Notice));
  }
}

}  // namespace yunuri
