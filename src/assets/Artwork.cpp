// Plain artwork: every picture at its exact size with its buttons and labels. Pictures are painted from the
// layout tables, so a lit button always lies exactly over the unlit one painted under it.
#include "assets/Artwork.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "window/Layout.h"

namespace yunuri::assets {
namespace {

const std::array<const char*, 12> kSourceNames = {
    "映像OFF", "デスクトップPC", "ノートPC", "ワイヤレスPC",   "書画カメラ",   "RGB入力",
    "DVD/VTR", "世界対応VTR",    "DVD",      "スタンドカメラ", "ドームカメラ", "ビデオ入力"};

QString buttonLabel(ArrayId id, int i) {
  switch (id) {
    case ArrayId::SWm:
      return QString::fromUtf8(kSourceNames[static_cast<std::size_t>(i)]);
    case ArrayId::SWu: {
      static const std::array<const char*, 3> k = {"プロジェクタ電源", "CD/MD操作", "終了"};
      return QString::fromUtf8(k[static_cast<std::size_t>(i)]);
    }
    case ArrayId::SWv: {
      static const std::array<const char*, 3> k = {"▲", "▼", "MUTE"};
      return QString::fromUtf8(k[static_cast<std::size_t>(i)]);
    }
    case ArrayId::SWs:
      return QString::fromUtf8("送出");
    case ArrayId::MES:
      return QString::fromUtf8(kSourceNames[static_cast<std::size_t>(i)]);
    default:
      return QString::number(i);
  }
}

QString fontFamily() {
  static const QString family = [] {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"MS PGothic", "IPAPGothic", "Noto Sans CJK JP"}) {
      if (families.contains(QString::fromUtf8(name))) return QString::fromUtf8(name);
    }
    return QString();
  }();
  return family;
}

QFont font(int pixels) {
  QFont f(fontFamily());
  f.setPixelSize(pixels);
  return f;
}

void paintButton(QPainter& p, ArrayId id, int i, const QRectF& r, bool lit) {
  p.setRenderHint(QPainter::Antialiasing);
  const QColor fill = lit ? QColor(40, 200, 70) : QColor(40, 90, 200);
  p.setPen(QPen(QColor(20, 30, 60), 1));
  p.setBrush(fill);
  const QRectF shape = r.adjusted(0.5, 0.5, -0.5, -0.5);
  if (id == ArrayId::SWs || (id == ArrayId::SWu && i == 2)) {
    p.drawEllipse(shape);
  } else {
    p.drawRoundedRect(shape, r.height() / 2, r.height() / 2);
  }
  p.setPen(Qt::white);
  p.setFont(font(r.height() > 30 ? 12 : 9));
  p.drawText(r, Qt::AlignCenter, buttonLabel(id, i));
}

void paintButtonsOf(QPainter& p, BoxId box, bool onWindow) {
  for (int a = 0; a < kArrayCount; ++a) {
    const auto id = static_cast<ArrayId>(a);
    const ArrayLayout& l = arrayLayout(id);
    if (!l.isButton) continue;
    if (onWindow ? l.container != Container::Window : (l.container != Container::Box || l.box != box))
      continue;
    for (int i = 0; i < static_cast<int>(l.elements.size()); ++i) {
      const Rect r = paintedRect(id, i);
      paintButton(p, id, i, QRectF(r.left, r.top, r.width, r.height), false);
    }
  }
}

void paintBase(QPainter& p, BasePicture b, QSize size) {
  const QRectF all(QPointF(0, 0), size);
  switch (b) {
    case BasePicture::MainPanel:
      p.fillRect(all, QColor(250, 200, 140));
      paintButtonsOf(p, BoxId::MET, true);
      break;
    case BasePicture::Notice:
      p.fillRect(all, QColor(120, 100, 80));
      p.fillRect(all.adjusted(40, 40, -40, -40), QColor(255, 248, 225));
      p.setPen(QColor(200, 30, 30));
      p.setFont(font(32));
      p.drawText(all, Qt::AlignCenter, QString::fromUtf8("ゆぬり～"));
      break;
    case BasePicture::Meter: {
      QLinearGradient g(0, 0, 0, size.height());
      g.setColorAt(0, QColor(90, 90, 90));
      g.setColorAt(1, QColor(40, 40, 40));
      p.fillRect(all, g);
      break;
    }
    default: {
      const int n = static_cast<int>(b);
      p.fillRect(all, QColor(255, 248, 225));
      p.setPen(QColor(60, 60, 60));
      p.drawRect(all.adjusted(0, 0, -1, -1));
      if (n >= static_cast<int>(BasePicture::Pop0)) {
        paintButtonsOf(
            p, static_cast<BoxId>(static_cast<int>(BoxId::POP0) + n - static_cast<int>(BasePicture::Pop0)),
            false);
      } else {
        paintButtonsOf(
            p,
            static_cast<BoxId>(static_cast<int>(BoxId::Sousa0) + n - static_cast<int>(BasePicture::Sousa0)),
            false);
      }
      break;
    }
  }
}

BoxId boxOf(BasePicture b) {
  for (int i = 0; i < kBoxCount; ++i) {
    if (boxLayout(static_cast<BoxId>(i)).picture == b) return static_cast<BoxId>(i);
  }
  return BoxId::KABE;
}

}  // namespace

QSize pictureSize(Picture picture) {
  switch (picture.kind) {
    case Picture::Kind::None:
      return {};
    case Picture::Kind::Base: {
      const auto b = static_cast<BasePicture>(picture.index);
      if (b == BasePicture::MainPanel) return {kWindowWidth, kWindowHeight};
      const BoxLayout& l = boxLayout(boxOf(b));
      return {l.width, l.height};
    }
    case Picture::Kind::Lit: {
      const Size s = litSize(picture.array, picture.index);
      return {s.width, s.height};
    }
    case Picture::Kind::Label: {
      const Size s = litSize(ArrayId::MES, 0);
      return {s.width, s.height};
    }
  }
  return {};
}

QImage renderPicture(Picture picture, qreal devicePixelRatio) {
  const QSize size = pictureSize(picture);
  QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  if (size.isEmpty()) return image;
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  switch (picture.kind) {
    case Picture::Kind::Base:
      paintBase(p, static_cast<BasePicture>(picture.index), size);
      break;
    case Picture::Kind::Lit:
      paintButton(p, picture.array, picture.index, QRectF(QPointF(0, 0), size), true);
      break;
    case Picture::Kind::Label:
      p.setFont(font(10));
      p.setPen(QColor(30, 30, 30));
      p.drawText(QRectF(QPointF(1, 1), size), Qt::AlignCenter, buttonLabel(ArrayId::MES, picture.index));
      p.setPen(QColor(255, 230, 0));
      p.drawText(QRectF(QPointF(0, 0), size), Qt::AlignCenter, buttonLabel(ArrayId::MES, picture.index));
      break;
    case Picture::Kind::None:
      break;
  }
  return image;
}

QFont meterFont() {
  return font(9);
}

QIcon windowIcon() {
  QImage icon(64, 64, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(240, 150, 60));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(4, 4, 56, 56), 12, 12);
  return QIcon(QPixmap::fromImage(icon));
}

QCursor closedHandCursor() {
  return QCursor(Qt::ClosedHandCursor);
}
QCursor pointingFingerCursor() {
  return QCursor(Qt::PointingHandCursor);
}

}  // namespace yunuri::assets
