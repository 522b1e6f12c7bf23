#include "shell/PanelPainter.h"

#include <array>
#include <vector>

#include "assets/Artwork.h"
#include "assets/PaintingThread.h"
#include "assets/Text.h"

namespace yunuri {
namespace {

QRectF rectOf(const DirtyRect& r) {
  return {r.left, r.top, r.width, r.height};
}

void drawPicture(QPainter& p, assets::PictureCache& cache, qreal ratio, Picture picture, QPointF at) {
  if (picture.isNone()) return;
  p.drawPixmap(at, cache.get(picture, ratio));
}

void drawImages(QPainter& p, const Form1& form, assets::PictureCache& cache, qreal ratio, ArrayId id,
                QPointF origin, const QRectF& area) {
  for (const Image& image : form.Elements(id)) {
    if (image.picture.isNone()) continue;
    const QPointF at = origin + QPointF(image.bounds.left, image.bounds.top);
    if (!area.intersects(QRectF(at, QSizeF(image.bounds.width, image.bounds.height)))) continue;
    drawPicture(p, cache, ratio, image.picture, at);
  }
}

// The meter's words are light on a bar that may be light too (grey when muted): a dark ring keeps them
// readable on any bar and on the dark ground above it.
const QColor kMeterTextRing(40, 40, 44);

void drawMeterOps(QPainter& p, const MeterCanvas& canvas, QPointF origin) {
  const QFont font = assets::meterFont();
  for (const MeterOp& op : canvas.ops) {
    const QColor colour(op.color.r, op.color.g, op.color.b);
    if (op.kind == MeterOp::Kind::Box) {
      const QRectF box = QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized();
      p.fillRect(box.translated(origin), colour);
    } else {
      // The text position is the top left of the text.
      assets::drawRinged(p, origin + QPointF(op.x1, op.y1), QString::fromStdString(op.text), font, colour,
                         kMeterTextRing);
    }
  }
}

// The meter with its drawing, as last painted.
struct MeterFrame {
  std::vector<MeterOp> ops;
  qint64 picture = 0;
  QSizeF size;
  qreal ratio = 0;
  QImage image;
};

// The meter and its number are painted on the painting thread like every picture, so the window's own thread
// never opens a font: one opened there would stay mapped, with its glyph caches, as long as the program runs.
// The last frame is kept, as the meter changes far less often than it is repainted.
void drawMeter(QPainter& p, assets::PictureCache& cache, qreal ratio, Picture picture,
               const MeterCanvas& canvas, const QRectF& box) {
  static MeterFrame last;
  const QImage under = picture.isNone() ? QImage() : cache.get(picture, ratio).toImage();
  if (last.image.isNull() || last.ops != canvas.ops || last.picture != under.cacheKey() ||
      last.size != box.size() || last.ratio != ratio) {
    QImage image((box.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    assets::runOnPaintingThread([&] {
      QPainter painter(&image);
      painter.drawImage(QPointF(0, 0), under);
      drawMeterOps(painter, canvas, {0, 0});
    });
    last = {canvas.ops, under.cacheKey(), box.size(), ratio, std::move(image)};
  }
  p.drawImage(box.topLeft(), last.image);
}

}  // namespace

void paintPanel(QPainter& p, const Form1& form, assets::PictureCache& cache, qreal ratio,
                const QRectF& area) {
  p.save();
  p.setClipRect(area.intersected(QRectF(0, 0, kWindowWidth, kWindowHeight)));
  // The notice is opaque: while it covers the area, nothing under it is painted, nor rendered into the cache.
  const QRectF notice = rectOf(form.WindowRect(form.KABE()));
  if (form.KABE().Visible && notice.contains(area)) {
    drawPicture(p, cache, ratio, form.KABE().picture, notice.topLeft());
    p.restore();
    return;
  }
  drawPicture(p, cache, ratio, Picture::base(BasePicture::MainPanel), {0, 0});
  for (int a = 0; a < kArrayCount; ++a) {
    const auto id = static_cast<ArrayId>(a);
    if (arrayLayout(id).container == Container::Window) drawImages(p, form, cache, ratio, id, {0, 0}, area);
  }

  for (BoxId id : kBoxesBottomFirst) {
    const PictureBox& box = form.Box(id);
    const QRectF r = rectOf(form.WindowRect(box));
    if (!box.Visible || !r.intersects(area)) continue;
    p.save();
    p.setClipRect(r.intersected(area), Qt::IntersectClip);
    if (id == BoxId::MET) {
      drawMeter(p, cache, ratio, box.picture, form.METDrawing, r);
    } else {
      drawPicture(p, cache, ratio, box.picture, r.topLeft());
    }
    for (int a = 0; a < kArrayCount; ++a) {
      const ArrayLayout& l = arrayLayout(static_cast<ArrayId>(a));
      if (l.container == Container::Box && l.box == id)
        drawImages(p, form, cache, ratio, l.id, r.topLeft(), area);
    }
    p.restore();
  }
  p.restore();
}

}  // namespace yunuri
