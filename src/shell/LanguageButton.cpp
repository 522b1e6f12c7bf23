#include "shell/LanguageButton.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTouchEvent>
#include <algorithm>

#include "shell/Language.h"
#include "shell/PanelAccessible.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

constexpr int kMargin = 12;
// The usual smallest touch target, in device-independent pixels.
constexpr int kTouchTarget = 48;
constexpr int kPadding = 16;
constexpr int kPixels = 20;
constexpr int kGlobe = 22;
constexpr int kGap = 10;

// Light letters on a deep blue, a light edge that sets it off from the near-black ground: about 8:1.
const QColor kFace(36, 70, 110);
const QColor kFacePressed(58, 100, 150);
const QColor kLetters(240, 236, 232);
const QColor kFocus(246, 196, 69);

// A globe of a circle, its equator and two parallels, and one meridian's ellipse.
void paintGlobe(QPainter& p, const QRectF& r, const QColor& colour) {
  p.setPen(QPen(colour, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(r);
  p.drawEllipse(r.adjusted(r.width() * 0.27, 0, -r.width() * 0.27, 0));
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  QPainterPath parallels;
  for (const qreal at : {0.25, 0.75}) {
    const qreal y = r.top() + r.height() * at;
    const qreal inset = r.width() * 0.07;
    parallels.moveTo(r.left() + inset, y);
    parallels.lineTo(r.right() - inset, y);
  }
  p.drawPath(parallels);
}

}  // namespace

LanguageButton::LanguageButton(QWidget* window) : QPushButton(window) {
  setObjectName(QStringLiteral("language"));
  // Reached with Tab; a click leaves the keyboard with the panel.
  setFocusPolicy(Qt::TabFocus);
  // A finger presses it as it presses the panel: the panel's window takes touch points, so this one must.
  setAttribute(Qt::WA_AcceptTouchEvents);
  QFont f = font();
  f.setPixelSize(kPixels);
  setFont(f);
  // As wide as the longest name, so that a switch neither moves it nor the panel.
  int widest = 0;
  for (const QString& code : builtInLanguages()) {
    widest = std::max(widest, fontMetrics().horizontalAdvance(languageName(code)));
  }
  setFixedSize(std::max(kTouchTarget, kPadding + kGlobe + kGap + widest + kPadding),
               std::max(kTouchTarget, fontMetrics().height() + kPadding));
  connect(this, &QPushButton::clicked, this, [] { setLanguage(nextLanguage()); });
  relabel();
  hide();
}

QSize LanguageButton::cornerRoom() const {
  return size() + QSize(2 * kMargin, 2 * kMargin);
}

void LanguageButton::relabel() {
  setText(languageName(nextLanguage()));
  setAccessibleDescription(accessibleText(YUNURI_TR("Panel", "表示する言語を切り替えます (Ctrl+L)")));
  update();
}

void LanguageButton::place(const QRectF& panel, bool fullScreen) {
  const QRect window = parentWidget()->rect();
  const QRect corner(window.right() + 1 - kMargin - width(), window.top() + kMargin, width(), height());
  move(corner.topLeft());
  setVisible(fullScreen && !panel.intersects(corner.adjusted(-kMargin, 0, 0, kMargin)));
}

void LanguageButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool focused = hasFocus();
  const qreal edge = focused ? 3 : 1.5;
  const QRectF face = QRectF(rect()).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
  p.setPen(QPen(focused ? kFocus : kLetters, edge));
  p.setBrush(isDown() ? kFacePressed : kFace);
  p.drawRoundedRect(face, 8, 8);
  const QRectF globe(kPadding, (height() - kGlobe) / 2.0, kGlobe, kGlobe);
  paintGlobe(p, globe, kLetters);
  p.setPen(kLetters);
  p.setFont(font());
  const QRectF words(globe.right() + kGap, 0, width() - globe.right() - kGap - kPadding, height());
  p.drawText(words, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text());
}

void LanguageButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) relabel();
  QPushButton::changeEvent(event);
}

bool LanguageButton::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::TouchBegin:
      setDown(true);
      event->accept();
      return true;
    case QEvent::TouchUpdate:
      event->accept();
      return true;
    case QEvent::TouchEnd: {
      const auto* touch = static_cast<QTouchEvent*>(event);
      const bool inside =
          !touch->points().isEmpty() && rect().contains(touch->points().first().position().toPoint());
      setDown(false);
      if (inside) click();
      event->accept();
      return true;
    }
    case QEvent::TouchCancel:
      setDown(false);
      event->accept();
      return true;
    default:
      return QPushButton::event(event);
  }
}

}  // namespace yunuri
