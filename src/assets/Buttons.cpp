#include "assets/Buttons.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPair>
#include <algorithm>
#include <array>
#include <cmath>

#include "assets/Decor.h"
#include "assets/Fonts.h"
#include "assets/Palette.h"
#include "assets/Text.h"
#include "assets/Words.h"
#include "window/Layout.h"

namespace yunuri::assets {
namespace {

QPainterPath shapePath(Shape shape, const QRectF& r) {
  QPainterPath path;
  if (shape == Shape::Circle) {
    path.addEllipse(r);
  } else {
    const qreal radius = r.height() / 2;
    path.addRoundedRect(r, radius, radius);
  }
  return path;
}

// Body, rim and gloss: a lit face and an unlit face differ only in their colours.
void paintBody(QPainter& p, Shape shape, const QRectF& box, const Finish finish) {
  const ButtonColours c = buttonColours(finish);
  const QRectF outer = box.adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient body(box.topLeft(), box.bottomLeft());
  body.setColorAt(0, c.light);
  body.setColorAt(0.55, c.mid);
  body.setColorAt(1, c.dark);
  p.setPen(QPen(c.rim, 1.0));
  p.setBrush(body);
  p.drawPath(shapePath(shape, outer));

  // Gloss over the upper half, inset from the rim.
  const QRectF glossBox(outer.left() + outer.width() * 0.12, outer.top() + 1.2, outer.width() * 0.76,
                        outer.height() * 0.42);
  QLinearGradient gloss(glossBox.topLeft(), glossBox.bottomLeft());
  gloss.setColorAt(0, QColor(255, 255, 255, 105));
  gloss.setColorAt(1, QColor(255, 255, 255, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(gloss);
  p.drawPath(shapePath(shape, glossBox));
}

// How tall a caption's letters stand, its lines one gap apart. Measuring shapes the text, and the same few
// captions are measured for every picture and ratio, so each is measured once per painting thread.
qreal inkHeight(const QString& caption, int pixels, qreal lineGap) {
  thread_local QHash<QPair<QString, int>, qreal> measured;
  // The same words stand differently in the Latin face.
  const auto key = qMakePair(caption, pixels * 2 + (latinLettering() ? 1 : 0));
  if (const auto it = measured.constFind(key); it != measured.constEnd()) return *it;
  const QFontMetricsF metrics(gothic(pixels));
  qreal height = 0;
  for (const QString& line : caption.split(QLatin1Char('\n'))) {
    height += metrics.tightBoundingRect(line).height() + (height > 0 ? lineGap : 0);
  }
  measured.insert(key, height);
  return height;
}

// The part of a button its caption may use. On a pill, the rounded ends leave the full width at the middle
// row and less above and below it, so the room depends on how tall the letters stand; the rim stays clear.
QRectF captionArea(const Face& face, const QRectF& box) {
  constexpr qreal kRim = 1;
  constexpr qreal kLineGap = 1;
  if (face.shape == Shape::Circle) return box.adjusted(box.width() * 0.12, 0, -box.width() * 0.12, 0);
  const qreal height = inkHeight(face.printed(), face.pixels, kLineGap);
  const qreal radius = box.height() / 2;
  const qreal halfHeight = std::min(radius - kRim, height / 2);
  const qreal inset = radius - std::sqrt(radius * radius - halfHeight * halfHeight) + kRim;
  return box.adjusted(inset, 0, -inset, 0);
}

void paintLabel(QPainter& p, const Face& face, const QRectF& box, Finish finish) {
  const ButtonColours c = buttonColours(finish);
  if (face.text.isEmpty()) {
    paintSymbol(p, face.symbol, box.translated(0.6, 0.6), c.textShadow);
    paintSymbol(p, face.symbol, box, c.text);
    return;
  }
  drawFittedShadowed(p, captionArea(face, box), face.printed(),
                     gothic(face.pixels, face.shape == Shape::Circle), c.text, c.textShadow, 0.7);
}

}  // namespace

Face buttonFace(ArrayId id, int index) {
  const ButtonEntry& e = CatalogueEntry(id, index);
  return {e.shape, e.finish, shown(e.label), e.symbol, e.pixels, shown(e.lines)};
}

TextFit captionFit(const QPainter& p, ArrayId id, int index, const QRectF& box) {
  const Face face = buttonFace(id, index);
  return fitOf(p, captionArea(face, box), face.printed(), gothic(face.pixels, face.shape == Shape::Circle));
}

namespace {

// `lettering` is where the caption is set: the whole face, or the part a mark leaves it.
void paintFace(QPainter& p, const Face& face, const QRectF& box, Finish finish, const QRectF& lettering) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setClipPath(shapePath(face.shape, box));
  paintBody(p, face.shape, box, finish);
  // Letters that fill a small key stop at its rim rather than cut into it.
  p.setClipPath(shapePath(face.shape, box.adjusted(1, 1, -1, -1)), Qt::IntersectClip);
  paintLabel(p, face, lettering, finish);
  p.restore();
}

// The sign for "no connection", on white so that it stands out of the greyed face.
void paintNoLinkMark(QPainter& p, QPointF centre, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::white);
  p.setPen(QPen(colour::kRedInk, radius * 0.4));
  paintCrossedRing(p, centre, radius);
  p.restore();
}

}  // namespace

void paintButton(QPainter& p, ArrayId id, int index, const QRectF& box, bool lit) {
  const Face face = buttonFace(id, index);
  paintFace(p, face, box, lit ? Finish::Green : face.finish, box);
}

void paintButtonShadow(QPainter& p, ArrayId id, int index, const QRectF& box) {
  const Face face = buttonFace(id, index);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (int step = 3; step >= 1; --step) {
    p.setBrush(QColor(0, 0, 0, 22));
    p.drawPath(shapePath(face.shape, box.translated(0.6 * step, 0.9 * step).adjusted(-0.4, -0.4, 0.4, 0.4)));
  }
  p.restore();
}

void paintButtonsOn(QPainter& p, bool onWindow, BoxId box) {
  for (int a = 0; a < kArrayCount; ++a) {
    const auto id = static_cast<ArrayId>(a);
    const ArrayLayout& l = arrayLayout(id);
    if (!l.isButton) continue;
    const bool here =
        onWindow ? l.container == Container::Window : (l.container == Container::Box && l.box == box);
    if (!here) continue;
    for (int i = 0; i < static_cast<int>(l.elements.size()); ++i) {
      const Rect r = paintedRect(id, i);
      const QRectF rect(r.left, r.top, r.width, r.height);
      if (!showsThrough(p, rect)) continue;
      paintButtonShadow(p, id, i, rect);
      paintButton(p, id, i, rect, false);
    }
  }
}

QImage renderButton(ArrayId id, int index, bool lit, qreal devicePixelRatio) {
  const Size s = litSize(id, index);
  QImage image(QSize(s.width, s.height) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  paintButton(p, id, index, QRectF(0, 0, s.width, s.height), lit);
  return image;
}

QImage renderUnlinkedButton(ArrayId id, int index, qreal devicePixelRatio) {
  const Size s = litSize(id, index);
  QImage image(QSize(s.width, s.height) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const QRectF box(0, 0, s.width, s.height);
  // The mark takes the right end of the face and the caption is set in what is left, so neither hides the
  // other.
  const qreal radius = std::min(box.width(), box.height()) * 0.22;
  const QPointF centre(box.right() - box.height() * 0.18 - radius, box.center().y());
  paintFace(p, buttonFace(id, index), box, Finish::Slate, box.adjusted(0, 0, -2 * radius, 0));
  paintNoLinkMark(p, centre, radius);
  return image;
}

}  // namespace yunuri::assets
