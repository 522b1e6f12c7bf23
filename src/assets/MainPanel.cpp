// The window background and the start-up notice that covers it.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRegion>
#include <QStringList>
#include <mutex>
#include <optional>

#include "assets/Artwork.h"
#include "assets/Buttons.h"
#include "assets/Decor.h"
#include "assets/DeviceDrawings.h"
#include "assets/Fonts.h"
#include "assets/Palette.h"
#include "assets/Pictures.h"
#include "assets/Text.h"
#include "assets/Words.h"
#include "window/Form1.h"
#include "window/Groups.h"
#include "window/Layout.h"

namespace yunuri::assets {
namespace {

constexpr qreal kFrameWidth = 2;
constexpr qreal kBarBottom = 29;
const QRectF kPanel(kFrameWidth, kFrameWidth, kWindowWidth - 2 * kFrameWidth,
                    kWindowHeight - 2 * kFrameWidth);
const QRectF kRemoteWell(3, 84, 93, 214);
const QRectF kScreenCard(299, 56, 97, 134);
const QRectF kVolumeCard(299, 193, 97, 104);
const QRectF kMeterSlot(325, 216, 21, 82);
constexpr qreal kDeviceTileWidth = 24;
constexpr qreal kDeviceGap = 3;

QRectF rectOf(const Rect& r) {
  return {static_cast<qreal>(r.left), static_cast<qreal>(r.top), static_cast<qreal>(r.width),
          static_cast<qreal>(r.height)};
}

void paintFrameAndBody(QPainter& p) {
  p.fillRect(QRectF(0, 0, kWindowWidth, kWindowHeight), colour::kFrame);
  QLinearGradient body(0, kBarBottom, 0, kWindowHeight);
  body.setColorAt(0, colour::kPanelTop);
  body.setColorAt(0.45, colour::kPanelMid);
  body.setColorAt(1, colour::kPanelBottom);
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawRoundedRect(kPanel, 5, 5);
  // A broad soft light from the upper left, as on a lit wall plate.
  QRadialGradient light(QPointF(120, 60), 260);
  light.setColorAt(0, QColor(255, 255, 255, 60));
  light.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(light);
  p.drawRoundedRect(kPanel, 5, 5);
}

void paintTopBar(QPainter& p) {
  QPainterPath bar;
  bar.addRoundedRect(QRectF(kFrameWidth, kFrameWidth, kPanel.width(), kBarBottom), 5, 5);
  QPainterPath square;
  square.addRect(QRectF(kFrameWidth, 12, kPanel.width(), kBarBottom - 10));
  QLinearGradient g(0, 0, 0, kBarBottom);
  g.setColorAt(0, colour::kBarTop);
  g.setColorAt(1, colour::kBarBottom);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(bar.united(square));
  p.setPen(QPen(QColor(255, 170, 70), 1.0));
  p.drawLine(QPointF(kFrameWidth, kBarBottom + 0.5), QPointF(kWindowWidth - kFrameWidth, kBarBottom + 0.5));
  paintLogo(p, QRectF(8, 6, 120, 17), true);

  // A dark bezel seats the big exit button in the bar.
  const QRectF exitButton = rectOf(paintedRect(ArrayId::SWu, 2));
  QRadialGradient bezel(exitButton.center(), exitButton.width() / 2 + 3);
  bezel.setColorAt(0.85, QColor(20, 18, 16));
  bezel.setColorAt(1, QColor(90, 84, 80));
  p.setBrush(bezel);
  p.setPen(QPen(QColor(255, 255, 255, 90), 0.8));
  p.drawEllipse(exitButton.adjusted(-3, -3, 3, 3));
}

void paintSourceColumn(QPainter& p) {
  paintHeading(p, rectOf(printed::kSourceHeading.rect), shown(printed::kSourceHeading.text));
  paintWell(p, kRemoteWell, 5, colour::kWell);

  // A faint guide along the arc, tying the device tiles together.
  QPainterPath arc;
  bool first = true;
  for (int i = 0; i < kSourceCount; ++i) {
    if (kSources[static_cast<std::size_t>(i)].drawing == Drawing::None) continue;
    const QRectF pill = rectOf(paintedRect(ArrayId::SWm, i));
    const QPointF at(pill.left() - kDeviceGap - kDeviceTileWidth / 2, pill.center().y());
    if (first) {
      arc.moveTo(at);
    } else {
      arc.lineTo(at);
    }
    first = false;
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 110), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(arc);

  for (int i = 0; i < kSourceCount; ++i) {
    const Drawing drawing = kSources[static_cast<std::size_t>(i)].drawing;
    if (drawing == Drawing::None) continue;
    const QRectF pill = rectOf(paintedRect(ArrayId::SWm, i));
    const QRectF tile(pill.left() - kDeviceGap - kDeviceTileWidth, pill.center().y() - 9, kDeviceTileWidth,
                      18);
    if (!showsThrough(p, tile)) continue;
    paintSoftShadow(p, tile, 4, 2);
    paintCard(p, tile, 4);
    paintDevice(p, drawing, tile.adjusted(1.5, 1.5, -0.5, -0.5));
  }
}

void paintArrowSign(QPainter& p) {
  if (!showsThrough(p, QRectF(228, 97, 75, 112))) return;
  QPainterPath sign;
  sign.addPolygon(QPolygonF({QPointF(228, 110), QPointF(283, 110), QPointF(283, 97), QPointF(302, 152),
                             QPointF(283, 207), QPointF(283, 194), QPointF(228, 194)}));
  sign.closeSubpath();
  p.save();
  p.translate(1, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawPath(sign);
  p.restore();
  QLinearGradient g(0, 97, 0, 207);
  g.setColorAt(0, QColor(78, 72, 70));
  g.setColorAt(1, QColor(40, 36, 34));
  p.setPen(QPen(QColor(255, 176, 64), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(g);
  p.drawPath(sign);
  p.setPen(Qt::white);
  // Broken by hand at the phrase boundaries; the words read as a sign, not as running text.
  drawFitted(p, QRectF(231, 112, 62, 78),
             shown(YUNURI_TR("Panel", "モニター映像を\n選択し、\nスクリーンへ\n送出して\n下さい。")),
             gothic(10, true), Qt::AlignLeft | Qt::AlignVCenter);
}

void paintScreenSymbol(QPainter& p, int k) {
  const QRectF send = rectOf(paintedRect(ArrayId::SWs, k));
  const QRectF label = rectOf(paintedRect(ArrayId::MES, k));
  const QRectF screen(label.left() + 4, send.top() - 1, label.width() - 7, 23);
  if (!showsThrough(p, screen.united(label))) return;
  p.setPen(QPen(QColor(50, 50, 56), 0.8));
  QLinearGradient roller(screen.topLeft(), screen.topLeft() + QPointF(0, 3));
  roller.setColorAt(0, QColor(160, 160, 168));
  roller.setColorAt(1, QColor(70, 70, 78));
  p.setBrush(roller);
  p.drawRoundedRect(QRectF(screen.left() - 1.5, screen.top(), screen.width() + 3, 3), 1.5, 1.5);
  QLinearGradient surface(screen.topLeft(), screen.bottomRight());
  surface.setColorAt(0, QColor(250, 252, 255));
  surface.setColorAt(1, QColor(196, 214, 236));
  p.setBrush(surface);
  p.drawRect(QRectF(screen.left(), screen.top() + 3, screen.width(), screen.height() - 3));
  p.setPen(QColor(30, 60, 130));
  drawFitted(p, screen.adjusted(0, 3, 0, 0), k == 0 ? QStringLiteral("Left") : QStringLiteral("Right"),
             gothic(10, true));
  // The strip where the name of the source on that screen appears.
  paintWell(p, label.adjusted(-0.5, -0.5, 0.5, 0.5), 3, QColor(46, 40, 36));
}

void paintMeterScale(QPainter& p) {
  if (!showsThrough(p, QRectF(304, kMeterSlot.top(), kMeterSlot.right() - 304, kMeterSlot.height()))) return;
  paintWell(p, kMeterSlot, 3, QColor(40, 36, 34));
  const Rect met{boxLayout(BoxId::MET).left, boxLayout(BoxId::MET).top, boxLayout(BoxId::MET).width,
                 boxLayout(BoxId::MET).height};
  p.setPen(QPen(colour::kInk, 0.8));
  for (int level = 0; level <= 100; level += 25) {
    const qreal y = met.bottom() - met.height * level / 100.0;
    const qreal length = level % 50 == 0 ? 6 : 4;
    p.drawLine(QPointF(kMeterSlot.left() - 2 - length, y), QPointF(kMeterSlot.left() - 2, y));
  }
  // A speaker at the top of the scale.
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kInk);
  const QPointF s(304, 222);
  p.drawRect(QRectF(s.x(), s.y() + 2.5, 3, 4));
  p.drawPolygon(QPolygonF({QPointF(s.x() + 3, s.y() + 2.5), QPointF(s.x() + 7, s.y()),
                           QPointF(s.x() + 7, s.y() + 9), QPointF(s.x() + 3, s.y() + 6.5)}));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour::kInk, 0.9, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(s.x() + 5, s.y() + 1.5, 6, 6), -50 * 16, 100 * 16);
}

void paintRightColumn(QPainter& p) {
  for (const QRectF& card : {kScreenCard, kVolumeCard}) {
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
  }
  for (const TextEntry& heading : {printed::kScreenHeading, printed::kVolumeHeading}) {
    paintHeading(p, rectOf(heading.rect), shown(heading.text), 9);
  }
  paintScreenSymbol(p, 0);
  paintScreenSymbol(p, 1);
  paintMeterScale(p);
}

// The notice's paragraphs flow down its column six pixels apart, each as tall as its lines: how many lines
// depends on the language's words and on the pixels the letters snap to.
NoticeParagraphs flowNotice(QPainter& p, bool paint) {
  NoticeParagraphs laid;
  qreal top = printed::kNoticeColumn.top;
  for (std::size_t k = 0; k < laid.size(); ++k) {
    QRectF room = rectOf(printed::kNoticeColumn);
    room.setTop(top);
    const QString text = shown(printed::kNotice[k].text);
    const qreal used = paint ? drawWrapped(p, room, text, gothic(11), Qt::AlignLeft, 8, 1.25)
                             : wrappedHeight(p, room, text, gothic(11), 8, 1.25);
    laid[k] = QRectF(room.left(), top, room.width(), used);
    top += used + 6;
  }
  return laid;
}

}  // namespace

static_assert(std::tuple_size_v<NoticeParagraphs> == printed::kNotice.size());

NoticeParagraphs noticeParagraphs(qreal ratio) {
  // Asked for each time a screen reader wants the paragraphs' extents; laid out again only when their words,
  // the face they are lettered in or the ratio changed. The words, not the face alone, tell one language from
  // another: two languages lettered in a Latin face flow differently.
  struct Laid {
    QStringList words;
    bool latin;
    qreal ratio;
    NoticeParagraphs rects;
  };
  static std::mutex guard;
  static std::optional<Laid> last;
  QStringList words;
  for (const TextEntry& paragraph : printed::kNotice) words << shown(paragraph.text);
  const std::lock_guard lock(guard);
  if (!last || last->words != words || last->latin != latinLettering() || last->ratio != ratio) {
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(ratio);
    QPainter p(&scratch);
    last = Laid{words, latinLettering(), ratio, flowNotice(p, false)};
  }
  return last->rects;
}

void paintMainPanel(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  paintFrameAndBody(p);
  paintTopBar(p);
  paintSourceColumn(p);
  paintArrowSign(p);
  paintRightColumn(p);
  paintButtonsOn(p, true, BoxId::MET);
  p.restore();
}

void paintNotice(QPainter& p) {
  const QRectF card(26, 14, 348, 272);
  constexpr qreal kCardRadius = 10;
  // Under the veil only the panel's rim shows around the opaque card, so what the card hides is not painted
  // at all: the notice, the first thing on screen, does not wait for the whole panel. The card's corners and
  // soft edge are left to show through.
  const QRegion hidden = QRegion(card.adjusted(2, kCardRadius, -2, -kCardRadius).toRect()) +
                         QRegion(card.adjusted(kCardRadius, 2, -kCardRadius, -2).toRect());
  p.save();
  p.setClipRegion(QRegion(0, 0, kWindowWidth, kWindowHeight) - hidden);
  paintMainPanel(p);
  p.restore();
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRectF(0, 0, kWindowWidth, kWindowHeight), QColor(16, 12, 8, 150));
  paintSoftShadow(p, card, kCardRadius, 6);
  paintCard(p, card, kCardRadius);

  // Orange band with the product line.
  QPainterPath band;
  band.addRoundedRect(card.adjusted(1, 1, -1, 0), 9, 9);
  QPainterPath cut;
  cut.addRect(QRectF(card.left(), card.top() + 26, card.width(), card.height()));
  QLinearGradient g(card.topLeft(), card.topLeft() + QPointF(0, 26));
  g.setColorAt(0, colour::kPanelTop.lighter(110));
  g.setColorAt(1, QColor(222, 110, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(band.subtracted(cut));
  drawFittedShadowed(p, QRectF(card.left(), card.top(), card.width(), 26), shown(printed::kNoticeBand),
                     gothic(13, true), Qt::white, QColor(110, 40, 0, 200), 0.8);

  // The title in large red letters with a white rim.
  const QRectF titleBox(card.left(), card.top() + 30, card.width(), 54);
  QFont title = gothic(44, true);
  QPainterPath titlePath;
  const QString titleText = shown(kTitle);
  const QFontMetricsF m(title);
  const qreal tx = titleBox.center().x() - m.horizontalAdvance(titleText) / 2;
  titlePath.addText(QPointF(tx, titleBox.center().y() + (m.ascent() - m.descent()) / 2), title, titleText);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawPath(titlePath.translated(1.5, 2));
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(titlePath);
  QLinearGradient red(0, titleBox.top(), 0, titleBox.bottom());
  red.setColorAt(0, QColor(240, 50, 40));
  red.setColorAt(1, QColor(170, 10, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(red);
  p.drawPath(titlePath);
  p.setPen(QColor(110, 90, 70));
  drawFitted(p, QRectF(card.left(), titleBox.bottom() - 1, card.width(), 12),
             QStringLiteral("Ver " YUNURI_VERSION), gothic(10));
  p.setPen(QPen(colour::kCreamEdge, 1));
  p.drawLine(QPointF(card.left() + 24, titleBox.bottom() + 15.5),
             QPointF(card.right() - 24, titleBox.bottom() + 15.5));

  // The notice itself, one paragraph at a time.
  p.setPen(colour::kInk);
  flowNotice(p, true);
  paintLogo(p, QRectF(card.center().x() - 62, card.bottom() - 24, 124, 17), false);
  p.restore();
}

}  // namespace yunuri::assets
