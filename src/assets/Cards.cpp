// The remote panels, the popups, the empty meter and the screen labels.
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "assets/Buttons.h"
#include "assets/Decor.h"
#include "assets/DeviceDrawings.h"
#include "assets/Fonts.h"
#include "assets/Palette.h"
#include "assets/Pictures.h"
#include "assets/Text.h"
#include "assets/Words.h"
#include "window/Groups.h"
#include "window/Layout.h"

namespace yunuri::assets {
namespace {

constexpr qreal kRemoteHeader = 21;
constexpr qreal kTailHeight = 9;
constexpr qreal kTailHalfWidth = 7;
constexpr qreal kBubbleBorder = 4;

QRectF rectOf(const Rect& r) {
  return {static_cast<qreal>(r.left), static_cast<qreal>(r.top), static_cast<qreal>(r.width),
          static_cast<qreal>(r.height)};
}

// What a text is printed as: a translation with its own breaks, or the Japanese broken by hand.
QString printedForm(const TextEntry& t) {
  QString translated = shown(t.text);
  if (t.lines.empty() ||
      translated != QString::fromUtf8(t.text.data(), static_cast<qsizetype>(t.text.size()))) {
    return translated;
  }
  return QString::fromUtf8(t.lines.data(), static_cast<qsizetype>(t.lines.size()));
}

void paintRemoteHeader(QPainter& p, const BoxLayout& box) {
  const qreal width = box.width;
  QPainterPath header;
  header.addRoundedRect(QRectF(0.5, 0.5, width - 1, kRemoteHeader + 6), 6, 6);
  QPainterPath below;
  below.addRect(QRectF(0, kRemoteHeader, width, 10));
  QLinearGradient g(0, 0, 0, kRemoteHeader);
  g.setColorAt(0, colour::kHeadingBand.lighter(140));
  g.setColorAt(1, colour::kHeadingBand);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(header.subtracted(below));
  // Laid out where the card stands in view.
  const QRectF heading = rectOf(printed::kRemoteHeading.rect).translated(-box.openLeft, -box.openTop);
  drawFittedShadowed(p, heading, shown(printed::kRemoteHeading.text), gothic(11, true), Qt::white,
                     QColor(30, 16, 4, 180), 0.6);
}

// The text-only panels: a hint and a drawing that says what to do.
void paintRemoteHint(QPainter& p, const RemotePanel& remote, const QRectF& card) {
  p.setPen(colour::kInk);
  for (const TextEntry& t : PrintedTexts()) {
    if (t.box == remote.box) drawFitted(p, rectOf(t.rect), printedForm(t), gothic(13, true));
  }
  const QPointF c(card.center().x(), 150);
  if (remote.art == CardArt::ArrowToSources) {
    QLinearGradient g(c.x() - 24, 0, c.x() + 24, 0);
    g.setColorAt(0, QColor(255, 190, 90));
    g.setColorAt(1, QColor(230, 110, 20));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 70, 10), 1));
    p.drawPolygon(
        QPolygonF({QPointF(c.x() - 26, c.y() - 8), QPointF(c.x() + 4, c.y() - 8),
                   QPointF(c.x() + 4, c.y() - 18), QPointF(c.x() + 28, c.y()), QPointF(c.x() + 4, c.y() + 18),
                   QPointF(c.x() + 4, c.y() + 8), QPointF(c.x() - 26, c.y() + 8)}));
    return;
  }
  if (remote.art != CardArt::RealRemote) return;
  paintDevice(p, Drawing::DiscDeck, QRectF(c.x() - 36, c.y() - 14, 44, 32));
  p.setBrush(QColor(70, 70, 76));
  p.setPen(QPen(QColor(30, 30, 34), 0.8));
  p.drawRoundedRect(QRectF(c.x() + 14, c.y() - 22, 16, 40), 4, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 60, 50));
  p.drawEllipse(QPointF(c.x() + 22, c.y() - 15), 2.5, 2.5);
  p.setBrush(QColor(200, 200, 210));
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 2; ++col) {
      p.drawEllipse(QPointF(c.x() + 18.5 + col * 7, c.y() - 5 + row * 7), 1.8, 1.8);
    }
  }
}

// Under the header of the panels that have room (the deck's keys fill its panel): which device the keys work.
void paintRemoteCaption(QPainter& p, int panel, qreal width) {
  const int source = SourceOfRemote(panel);
  const QRectF row(6, kRemoteHeader + 2, width - 12, 13);
  paintDevice(p, kSources[static_cast<std::size_t>(source)].drawing,
              QRectF(row.left() + 2, row.top() + 0.5, 16, 12));
  p.setPen(colour::kInk);
  drawFitted(p, row.adjusted(20, 0, 0, 0), shortName(source), gothic(9, true),
             Qt::AlignLeft | Qt::AlignVCenter);
}

// The dome camera's direction keys sit on a round pad.
void paintDirectionPad(QPainter& p) {
  const Rect up = paintedRect(ArrayId::SWr4, 0);
  const Rect down = paintedRect(ArrayId::SWr4, 3);
  const QPointF c(up.left + up.width / 2.0, (up.top + down.bottom()) / 2.0);
  const qreal r = (down.bottom() - up.top) / 2.0 + 3;
  QRadialGradient g(c, r);
  g.setColorAt(0, QColor(210, 200, 185));
  g.setColorAt(0.85, QColor(190, 176, 156));
  g.setColorAt(1, QColor(160, 140, 116));
  p.setPen(QPen(QColor(140, 120, 96), 0.8));
  p.setBrush(g);
  p.drawEllipse(c, r, r);
}

QPainterPath bubblePath(qreal width, qreal height, qreal tailX) {
  QPainterPath body;
  body.addRoundedRect(QRectF(0.5, kTailHeight, width - 1, height - kTailHeight - 0.5), 7, 7);
  QPainterPath tail;
  tail.addPolygon(QPolygonF({QPointF(tailX - kTailHalfWidth, kTailHeight + 2), QPointF(tailX, 0.5),
                             QPointF(tailX + kTailHalfWidth, kTailHeight + 2)}));
  tail.closeSubpath();
  return body.united(tail);
}

// Where the popup's tail points: under the centre of the top button that opens it.
qreal tailX(int popup) {
  const BoxLayout& box = boxLayout(kPopups[static_cast<std::size_t>(popup)].box);
  const Rect button = paintedRect(ArrayId::SWu, popup);
  const qreal x = button.left + button.width / 2.0 - box.openLeft;
  return std::clamp(x, 12.0, box.width - 12.0);
}

void paintBubble(QPainter& p, int popup, qreal width, qreal height) {
  const QPainterPath frame = bubblePath(width, height, tailX(popup));
  QLinearGradient g(0, 0, 0, height);
  g.setColorAt(0, colour::kPopupFrame.lighter(130));
  g.setColorAt(1, colour::kPopupFrame.darker(130));
  p.setPen(QPen(QColor(28, 28, 30), 1.0));
  p.setBrush(g);
  p.drawPath(frame);
  paintCard(p,
            QRectF(kBubbleBorder, kTailHeight + kBubbleBorder, width - 2 * kBubbleBorder,
                   height - kTailHeight - 2 * kBubbleBorder),
            4);
}

void paintPopupHeading(QPainter& p, const TextEntry& heading) {
  paintHeading(p, rectOf(heading.rect), shown(heading.text), 9);
}

void paintCaption(QPainter& p, const TextEntry& caption) {
  p.setPen(colour::kInk);
  drawFitted(p, rectOf(caption.rect), shown(caption.text), gothic(9, true));
}

void paintNote(QPainter& p, const TextEntry& note) {
  drawWrapped(p, rectOf(note.rect), shown(note.text), gothic(9), Qt::AlignLeft | Qt::AlignVCenter, 7, 1.05);
}

void paintPowerPopup(QPainter& p) {
  paintPopupHeading(p, printed::kPowerHeading);
  paintCaption(p, printed::kLeftProjector);
  paintCaption(p, printed::kRightProjector);
  p.setPen(colour::kRedInk);
  paintNote(p, printed::kPowerNote);
}

void paintCdMdPopup(QPainter& p) {
  paintPopupHeading(p, printed::kCdMdHeading);
}

void paintExitPopup(QPainter& p) {
  paintPopupHeading(p, printed::kExitHeading);
  p.setPen(colour::kInk);
  paintNote(p, printed::kExitQuestion);
}

// What each popup prints besides its buttons, by popup.
constexpr std::array<void (*)(QPainter&), kPopupCount> kPopupContents = {paintPowerPopup, paintCdMdPopup,
                                                                         paintExitPopup};

}  // namespace

void paintRemote(QPainter& p, int panel) {
  const RemotePanel& remote = kRemotePanels[static_cast<std::size_t>(panel)];
  const BoxLayout& box = boxLayout(remote.box);
  const QRectF card(0, 0, box.width, box.height);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  paintCard(p, card, 6);
  paintRemoteHeader(p, box);
  if (!remote.keys) {
    paintRemoteHint(p, remote, card);
  } else {
    if (remote.namesDevice) paintRemoteCaption(p, panel, box.width);
    if (remote.art == CardArt::DirectionPad) paintDirectionPad(p);
    if (remote.art == CardArt::Tape)
      paintDevice(p, Drawing::WorldTape, QRectF(card.center().x() - 30, 130, 60, 44));
    paintButtonsOn(p, false, remote.box);
  }
  p.restore();
}

void paintPopup(QPainter& p, int popup) {
  const BoxId id = kPopups[static_cast<std::size_t>(popup)].box;
  const BoxLayout& box = boxLayout(id);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  paintBubble(p, popup, box.width, box.height);
  kPopupContents[static_cast<std::size_t>(popup)](p);
  paintButtonsOn(p, false, id);
  p.restore();
}

void paintMeter(QPainter& p) {
  const BoxLayout& box = boxLayout(BoxId::MET);
  QLinearGradient g(0, 0, 0, box.height);
  g.setColorAt(0, QColor(92, 92, 96));
  g.setColorAt(1, QColor(28, 28, 30));
  p.fillRect(QRectF(0, 0, box.width, box.height), g);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 34));
  for (int y = 1; y < box.height; y += 2) {
    for (int x = 1 + (y / 2) % 2; x < box.width; x += 2) p.drawEllipse(QPointF(x + 0.5, y + 0.5), 0.42, 0.42);
  }
  p.restore();
}

void paintLabel(QPainter& p, int source) {
  const Size s = litSize(ArrayId::MES, 0);
  // Room for the shadow around the letters, so that none touches the strip's edge.
  const QRectF box(1.5, 0, s.width - 4, s.height);
  const QString name = shortName(source);
  const QFont font = gothic(11, true);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(0, 0, 0, 150));
  for (const QPointF off : {QPointF(1, 1), QPointF(0, 1), QPointF(1, 0), QPointF(-0.5, 0.5)}) {
    drawFitted(p, box.translated(off), name, font);
  }
  p.setPen(colour::kLabelYellow);
  drawFitted(p, box, name, font);
  p.restore();
}

}  // namespace yunuri::assets
