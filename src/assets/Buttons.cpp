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
#include "window/Layout.h"

namespace yunuri::assets {
namespace {

constexpr int kPillPixels = 11;
constexpr int kOvalPixels = 9;
// The camera keys' two words fill a key at the oval size; a size smaller leaves them air at the rounded ends.
constexpr int kCameraPixels = 8;

Face text(const char* caption, Finish finish = Finish::Blue, int pixels = kOvalPixels) {
  return {Shape::Pill, finish, u(caption), Symbol::Play, pixels};
}
Face symbol(Symbol s, Finish finish = Finish::Blue) {
  return {Shape::Pill, finish, QString(), s, kOvalPixels};
}
Face close() {
  return text("×Close", Finish::Slate, kOvalPixels);
}

const std::array<const char*, 12> kSourceNames = {
    "映像OFF", "デスクトップPC", "ノートPC", "ワイヤレスPC",   "書画カメラ",   "RGB入力",
    "DVD/VTR", "世界対応VTR",    "DVD",      "スタンドカメラ", "ドームカメラ", "ビデオ入力"};

Face sourceFace(int i) {
  return text(kSourceNames[static_cast<std::size_t>(i)], Finish::Blue, kPillPixels);
}

Face topFace(int i) {
  if (i == 2) return {Shape::Circle, Finish::Red, u("終了"), Symbol::Play, 14};
  return text(i == 0 ? "プロジェクタ電源" : "CD/MD操作", Finish::Blue, kPillPixels);
}

Face volumeFace(int i) {
  if (i == 0) return symbol(Symbol::Up);
  if (i == 1) return symbol(Symbol::Down);
  return text("MUTE", Finish::Blue, kOvalPixels);
}

Face powerFace(int i) {
  if (i == 4) return close();
  return text(i % 2 == 0 ? "電源\nON" : "電源\nOFF", Finish::Olive, kOvalPixels);
}

Face cdMdFace(int i) {
  static constexpr std::array<Symbol, 7> kTransport = {Symbol::Previous,    Symbol::Next, Symbol::Rewind,
                                                       Symbol::FastForward, Symbol::Play, Symbol::Pause,
                                                       Symbol::Stop};
  if (i == 0) return text("CD", Finish::Orange);
  if (i == 1) return text("MD", Finish::Orange);
  if (i == 9) return close();
  return symbol(kTransport[static_cast<std::size_t>(i - 2)]);
}

Face exitFace(int i) {
  if (i != 0) return close();
  // Four kanji on one line of a small key would be six pixels each.
  Face exit = text("終了実行", Finish::Red, kOvalPixels);
  exit.lines = u("終了\n実行");
  return exit;
}

// The remotes share one vocabulary of keys.
enum class Key : std::uint8_t {
  Dvd,
  Vtr,
  Prev,
  Next,
  Rew,
  Ff,
  Play,
  Pause,
  Stop,
  Enter,
  Up,
  Down,
  Left,
  Right,
  TopMenu,
  Menu,
  ZoomIn,
  ZoomOut,
  FocusIn,
  FocusOut
};

Face keyFace(Key k) {
  switch (k) {
    case Key::Dvd:
      return text("DVD");
    case Key::Vtr:
      return text("VTR");
    case Key::Prev:
      return symbol(Symbol::Previous);
    case Key::Next:
      return symbol(Symbol::Next);
    case Key::Rew:
      return symbol(Symbol::Rewind);
    case Key::Ff:
      return symbol(Symbol::FastForward);
    case Key::Play:
      return symbol(Symbol::Play);
    case Key::Pause:
      return symbol(Symbol::Pause);
    case Key::Stop:
      return symbol(Symbol::Stop);
    case Key::Enter:
      return text("決定");
    case Key::Up:
      return symbol(Symbol::Up);
    case Key::Down:
      return symbol(Symbol::Down);
    case Key::Left:
      return symbol(Symbol::Left);
    case Key::Right:
      return symbol(Symbol::Right);
    case Key::TopMenu:
      return text("TOP\nMENU", Finish::Blue, kOvalPixels);
    case Key::Menu:
      return text("MENU", Finish::Blue, kOvalPixels);
    case Key::ZoomIn:
      return text("Zoom +", Finish::Blue, kCameraPixels);
    case Key::ZoomOut:
      return text("Zoom −", Finish::Blue, kCameraPixels);
    case Key::FocusIn:
      return text("Focus +", Finish::Blue, kCameraPixels);
    case Key::FocusOut:
      return text("Focus −", Finish::Blue, kCameraPixels);
  }
  return text("");
}

using K = Key;
constexpr std::array<Key, 16> kDeckKeys = {K::Dvd,  K::Vtr,   K::Prev,    K::Next,  K::Rew, K::Ff,
                                           K::Play, K::Pause, K::Stop,    K::Enter, K::Up,  K::Down,
                                           K::Left, K::Right, K::TopMenu, K::Menu};
constexpr std::array<Key, 5> kVtrKeys = {K::Rew, K::Ff, K::Play, K::Pause, K::Stop};
constexpr std::array<Key, 14> kDvdKeys = {K::Prev,  K::Next, K::Rew,  K::Ff,   K::Play,  K::Pause,   K::Stop,
                                          K::Enter, K::Up,   K::Down, K::Left, K::Right, K::TopMenu, K::Menu};
constexpr std::array<Key, 8> kCameraKeys = {K::Up,     K::Left,    K::Right,   K::Down,
                                            K::ZoomIn, K::ZoomOut, K::FocusIn, K::FocusOut};

template <std::size_t N>
Face from(const std::array<Key, N>& keys, int i) {
  return keyFace(keys[static_cast<std::size_t>(i)]);
}

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
  const auto key = qMakePair(caption, pixels);
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
  switch (id) {
    case ArrayId::SWm:
      return sourceFace(index);
    case ArrayId::SWu:
      return topFace(index);
    case ArrayId::SWv:
      return volumeFace(index);
    case ArrayId::SWs:
      return {Shape::Circle, Finish::Blue, u("送出"), Symbol::Play, 11};
    case ArrayId::SWp1:
      return powerFace(index);
    case ArrayId::SWp2:
      return cdMdFace(index);
    case ArrayId::SWp3:
      return exitFace(index);
    case ArrayId::SWr1:
      return from(kDeckKeys, index);
    case ArrayId::SWr2:
      return from(kVtrKeys, index);
    case ArrayId::SWr3:
      return from(kDvdKeys, index);
    case ArrayId::SWr4:
      return from(kCameraKeys, index);
    case ArrayId::MES:
      break;
  }
  return text("");
}

void paintButton(QPainter& p, ArrayId id, int index, const QRectF& box, bool lit) {
  const Face face = buttonFace(id, index);
  const Finish finish = lit ? Finish::Green : face.finish;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setClipPath(shapePath(face.shape, box));
  paintBody(p, face.shape, box, finish);
  // Letters that fill a small key stop at its rim rather than cut into it.
  p.setClipPath(shapePath(face.shape, box.adjusted(1, 1, -1, -1)), Qt::IntersectClip);
  paintLabel(p, face, box, finish);
  p.restore();
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

}  // namespace yunuri::assets
