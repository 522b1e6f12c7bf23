// The two panel pointers and the application icon, drawn as vector shapes at the pixel ratio asked for.
#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>
#include <array>
#include <utility>

#include "assets/Artwork.h"
#include "assets/Fonts.h"
#include "assets/PaintingThread.h"
#include "assets/Palette.h"

namespace yunuri::assets {
namespace {

constexpr int kCursorSize = 32;
constexpr QPoint kFingerTip(8, 1);
constexpr QPoint kFistCentre(13, 14);
// The sizes window managers ask for; larger icons come from the installed theme icons, and each size here is
// sent to the X server, which keeps it for the life of the window.
constexpr std::array<int, 6> kIconSizes = {16, 24, 32, 48, 64, 128};
constexpr int kLetterPixels = 100;

QPainterPath rounded(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath fingerHand() {
  QPainterPath hand = rounded(QRectF(6, 1, 4.6, 16), 2.3);
  hand = hand.united(rounded(QRectF(10.2, 8.5, 4, 8), 2));
  hand = hand.united(rounded(QRectF(14, 9.5, 4, 8), 2));
  hand = hand.united(rounded(QRectF(17.6, 10.5, 3.8, 7.5), 1.9));
  hand = hand.united(rounded(QRectF(6, 13, 15.4, 9.5), 3.5));
  hand = hand.united(rounded(QRectF(8, 21, 11.5, 4.5), 1));
  QTransform thumb;
  thumb.translate(6.5, 17);
  thumb.rotate(-38);
  hand = hand.united(thumb.map(rounded(QRectF(-2, -8, 4.2, 9), 2.1)));
  return hand.simplified();
}

QPainterPath fistHand() {
  QPainterPath hand = rounded(QRectF(6.5, 10, 15.4, 11.5), 3.5);
  for (int i = 0; i < 4; ++i) hand = hand.united(rounded(QRectF(7 + i * 3.6, 7.5, 3.8, 7), 1.9));
  hand = hand.united(rounded(QRectF(4, 12, 5, 6.5), 2.5));
  hand = hand.united(rounded(QRectF(9, 20.5, 11, 4.5), 1));
  return hand.simplified();
}

QImage drawHand(const QPainterPath& hand, const std::vector<QLineF>& creases, qreal ratio) {
  QImage image(QSize(kCursorSize, kCursorSize) * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(0.5, 0.5);
  QLinearGradient g(0, 0, 0, 26);
  g.setColorAt(0, Qt::white);
  g.setColorAt(1, QColor(226, 226, 226));
  p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(hand);
  p.setPen(QPen(QColor(0, 0, 0, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
  for (const QLineF& l : creases) p.drawLine(l);
  return image;
}

QCursor cursorOf(const QImage& image, QPoint hotSpot, qreal screenRatio, qreal zoom, HotSpotUnits units) {
  QPixmap pixmap = QPixmap::fromImage(image);
  // Logically the pointer is as large as the zoomed panel's; the screen's ratio fills it with device pixels.
  pixmap.setDevicePixelRatio(screenRatio);
  const qreal scale = units == HotSpotUnits::ImagePixels ? screenRatio * zoom : zoom;
  return QCursor(pixmap, qRound(hotSpot.x() * scale), qRound(hotSpot.y() * scale));
}

// The letter is taken from the font once, at one size, and scaled for every icon size.
const QPainterPath& letterOutline() {
  static const QPainterPath outline = [] {
    QPainterPath path;
    // The icon's letter is Japanese in every language the panel shows.
    QFont font = gothic(kLetterPixels, true);
    font.setFamily(gothicFamily());
    path.addText(0, 0, font, QString::fromUtf8("ゆ"));
    return path;
  }();
  return outline;
}

}  // namespace

void paintIcon(QPainter& p, qreal s) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF plate(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kFrame);
  p.drawRoundedRect(plate, s * 0.2, s * 0.2);
  QLinearGradient body(0, plate.top(), 0, plate.bottom());
  body.setColorAt(0, colour::kPanelTop);
  body.setColorAt(1, colour::kPanelBottom);
  p.setBrush(body);
  const qreal rim = qMax(1.0, s * 0.05);
  p.drawRoundedRect(plate.adjusted(rim, rim, -rim, -rim), s * 0.16, s * 0.16);
  // The big red button with the title's first letter.
  const QRectF button(s * 0.2, s * 0.2, s * 0.6, s * 0.6);
  QRadialGradient red(button.center() - QPointF(s * 0.1, s * 0.12), s * 0.42);
  red.setColorAt(0, QColor(255, 120, 100));
  red.setColorAt(1, QColor(170, 14, 12));
  p.setBrush(red);
  p.setPen(QPen(QColor(90, 6, 6), qMax(0.8, s * 0.02)));
  p.drawEllipse(button);
  const qreal scale = s * 0.4 / kLetterPixels;
  QPainterPath letter = letterOutline() * QTransform::fromScale(scale, scale);
  const QRectF b = letter.boundingRect();
  letter.translate(button.center() - b.center());
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(letter);
}

namespace {

QImage renderPointingFinger(qreal ratio) {
  return drawHand(fingerHand(),
                  {QLineF(10.4, 11, 10.4, 15), QLineF(14.1, 11.5, 14.1, 15.5), QLineF(17.7, 12.5, 17.7, 16)},
                  ratio);
}

QImage renderClosedHand(qreal ratio) {
  std::vector<QLineF> creases;
  for (int i = 1; i < 4; ++i) creases.emplace_back(7 + i * 3.6, 9, 7 + i * 3.6, 13);
  return drawHand(fistHand(), creases, ratio);
}

}  // namespace

HotSpotUnits platformHotSpotUnits() {
  return QGuiApplication::platformName() == QLatin1String("xcb") ? HotSpotUnits::ImagePixels
                                                                 : HotSpotUnits::LogicalPixels;
}

QCursor closedHandCursor(qreal screenRatio, qreal zoom, HotSpotUnits units) {
  return cursorOf(renderClosedHand(screenRatio * zoom), kFistCentre, screenRatio, zoom, units);
}

QCursor pointingFingerCursor(qreal screenRatio, qreal zoom, HotSpotUnits units) {
  return cursorOf(renderPointingFinger(screenRatio * zoom), kFingerTip, screenRatio, zoom, units);
}

QImage renderIcon(int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  paintIcon(p, pixels);
  return image;
}

namespace {

// The icon painted at a size only when that size is asked for, on the painting thread: the window hands each
// size to the display server once, and pixmaps kept in the icon would stay in memory as long as the window.
class PaintedIconEngine : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    QImage image;
    runOnPaintingThread([&] { image = renderIcon(qMin(size.width(), size.height())); });
    return QPixmap::fromImage(std::move(image));
  }
  QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    const int side = qMin(size.width(), size.height());
    return {side, side};
  }
  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    QList<QSize> sizes;
    for (const int side : kIconSizes) sizes.append(QSize(side, side));
    return sizes;
  }
  QString key() const override { return QStringLiteral("yunuri-painted"); }
  QIconEngine* clone() const override { return new PaintedIconEngine; }
};

}  // namespace

QIcon windowIcon() {
  return QIcon(new PaintedIconEngine);
}

}  // namespace yunuri::assets
