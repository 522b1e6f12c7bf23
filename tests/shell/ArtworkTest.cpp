// The artwork against the layout: lit pictures sit exactly on the buttons painted under them, every picture
// has its control's size, and a high-DPI render is drawn, not enlarged.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "assets/Artwork.h"
#include "assets/Buttons.h"
#include "assets/Fonts.h"
#include "assets/PaintingThread.h"
#include "assets/PictureCache.h"
#include "audio/Volume.h"
#include "input/StartUp.h"
#include "shell/PanelPainter.h"
#include "support/FakeApp.h"
#include "tools/IconSvg.h"
#include "window/Layout.h"

namespace yunuri {
namespace {

struct Element {
  ArrayId array;
  int index;
};

std::vector<Element> allButtons() {
  std::vector<Element> out;
  for (int a = 0; a < kArrayCount; ++a) {
    const ArrayLayout& l = arrayLayout(static_cast<ArrayId>(a));
    if (!l.isButton) continue;
    for (int i = 0; i < static_cast<int>(l.elements.size()); ++i) out.push_back({l.id, i});
  }
  return out;
}

std::string nameOf(const Element& e) {
  return "array " + std::to_string(static_cast<int>(e.array)) + " element " + std::to_string(e.index);
}

// The base picture a button is painted into, and where (relative to that picture) its element lies.
Picture containerPicture(const ArrayLayout& l) {
  if (l.container == Container::Window) return Picture::base(BasePicture::MainPanel);
  return Picture::base(boxLayout(l.box).picture);
}

int channelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

QImage plain(const QImage& image) {
  return image.convertToFormat(QImage::Format_ARGB32);
}

TEST(ArtworkPictures, EveryPictureHasItsControlSizeAtEveryRatio) {
  for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
    for (const Element& e : allButtons()) {
      const Size s = litSize(e.array, e.index);
      const QImage lit = assets::renderPicture(Picture::lit(e.array, e.index), ratio);
      EXPECT_EQ(lit.deviceIndependentSize().toSize(), QSize(s.width, s.height))
          << nameOf(e) << " at " << ratio;
      EXPECT_EQ(lit.devicePixelRatio(), ratio);
    }
  }
  EXPECT_EQ(assets::pictureSize(Picture::lit(ArrayId::SWm, 9)), QSize(77, 19));
  EXPECT_EQ(assets::pictureSize(Picture::lit(ArrayId::SWu, 2)), QSize(49, 49));
  EXPECT_EQ(assets::pictureSize(Picture::lit(ArrayId::SWs, 1)), QSize(39, 39));
  EXPECT_EQ(assets::pictureSize(Picture::lit(ArrayId::SWr4, 7)), QSize(33, 21));
  EXPECT_EQ(assets::pictureSize(Picture::label(10)), QSize(50, 15));
  EXPECT_EQ(assets::pictureSize(Picture::base(BasePicture::MainPanel)), QSize(400, 300));
  EXPECT_EQ(assets::pictureSize(Picture::base(BasePicture::Notice)), QSize(400, 300));
  EXPECT_EQ(assets::pictureSize(Picture::base(BasePicture::Sousa0)), QSize(91, 212));
  EXPECT_EQ(assets::pictureSize(Picture::base(BasePicture::Pop0)), QSize(91, 210));
  EXPECT_EQ(assets::pictureSize(Picture::base(static_cast<BasePicture>(10))), QSize(91, 218));
  EXPECT_EQ(assets::pictureSize(Picture::base(static_cast<BasePicture>(11))), QSize(91, 198));
  EXPECT_EQ(assets::pictureSize(Picture::base(BasePicture::Meter)), QSize(15, 77));
}

TEST(ArtworkButtons, BackgroundShowsThePaintedButtonUnderEveryElement) {
  std::map<int, QImage> bases;
  for (const Element& e : allButtons()) {
    const ArrayLayout& l = arrayLayout(e.array);
    const Picture base = containerPicture(l);
    auto it = bases.find(base.index);
    if (it == bases.end()) it = bases.emplace(base.index, plain(assets::renderPicture(base, 1.0))).first;
    const QImage button = plain(assets::renderButton(e.array, e.index, false, 1.0));
    const Rect at = paintedRect(e.array, e.index);
    int covered = 0;
    int mismatched = 0;
    for (int y = 0; y < button.height(); ++y) {
      for (int x = 0; x < button.width(); ++x) {
        const QRgb want = button.pixel(x, y);
        if (qAlpha(want) != 255) continue;
        ++covered;
        if (channelDistance(want, it->second.pixel(at.left + x, at.top + y)) > 8) ++mismatched;
      }
    }
    EXPECT_GT(covered, button.width() * button.height() / 2) << nameOf(e);
    EXPECT_LE(mismatched, covered / 50) << nameOf(e) << ": the artwork under it is not its button";
  }
}

TEST(ArtworkButtons, LitAndUnlitShapesLineUp) {
  for (const qreal ratio : {1.0, 2.0}) {
    for (const Element& e : allButtons()) {
      const QImage unlit = plain(assets::renderButton(e.array, e.index, false, ratio));
      const QImage lit = plain(assets::renderPicture(Picture::lit(e.array, e.index), ratio));
      ASSERT_EQ(unlit.size(), lit.size()) << nameOf(e);
      int worst = 0;
      for (int y = 0; y < lit.height(); ++y) {
        for (int x = 0; x < lit.width(); ++x) {
          worst = std::max(worst, std::abs(qAlpha(lit.pixel(x, y)) - qAlpha(unlit.pixel(x, y))));
        }
      }
      EXPECT_LE(worst, 2) << nameOf(e) << " at " << ratio;
    }
  }
}

TEST(ArtworkButtons, LitButtonsAreGreenAndTransparentOutsideTheirShape) {
  for (const Element& e : allButtons()) {
    const QImage lit = plain(assets::renderPicture(Picture::lit(e.array, e.index), 1.0));
    EXPECT_EQ(qAlpha(lit.pixel(0, 0)), 0) << nameOf(e);
    EXPECT_EQ(qAlpha(lit.pixel(lit.width() - 1, lit.height() - 1)), 0) << nameOf(e);
    // Letters may fill a small key from rim to rim; the body around them is green.
    int opaque = 0;
    int green = 0;
    for (int y = 0; y < lit.height(); ++y) {
      for (int x = 0; x < lit.width(); ++x) {
        const QRgb c = lit.pixel(x, y);
        if (qAlpha(c) != 255) continue;
        ++opaque;
        if (qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40) ++green;
      }
    }
    EXPECT_GT(green, opaque / 2) << nameOf(e);
  }
}

TEST(ArtworkButtons, CaptionsAreTheRoomsWords) {
  const std::vector<std::string> sources = {"映像OFF",    "デスクトップPC", "ノートPC",     "ワイヤレスPC",
                                            "書画カメラ", "RGB入力",        "DVD/VTR",      "世界対応VTR",
                                            "DVD",        "スタンドカメラ", "ドームカメラ", "ビデオ入力"};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(assets::buttonFace(ArrayId::SWm, i).text.toStdString(), sources[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(assets::buttonFace(ArrayId::SWu, 0).text.toStdString(), "プロジェクタ電源");
  EXPECT_EQ(assets::buttonFace(ArrayId::SWu, 1).text.toStdString(), "CD/MD操作");
  EXPECT_EQ(assets::buttonFace(ArrayId::SWu, 2).text.toStdString(), "終了");
  EXPECT_EQ(assets::buttonFace(ArrayId::SWs, 0).text.toStdString(), "送出");
  EXPECT_EQ(assets::buttonFace(ArrayId::SWv, 2).text.toStdString(), "MUTE");
  EXPECT_EQ(assets::buttonFace(ArrayId::SWp3, 0).text.toStdString(), "終了実行");
  EXPECT_EQ(assets::buttonFace(ArrayId::SWp2, 9).text.toStdString(), "×Close");
  EXPECT_EQ(assets::buttonFace(ArrayId::SWr1, 9).text.toStdString(), "決定");
  EXPECT_EQ(assets::buttonFace(ArrayId::SWr4, 5).text.toStdString(), "Zoom −");
  // Symbol keys carry no caption.
  EXPECT_TRUE(assets::buttonFace(ArrayId::SWr2, 2).text.isEmpty());
  EXPECT_EQ(assets::buttonFace(ArrayId::SWr2, 2).symbol, assets::Symbol::Play);
  EXPECT_EQ(assets::buttonFace(ArrayId::SWp2, 8).symbol, assets::Symbol::Stop);
}

TEST(ArtworkLabels, EveryNameFitsItsStripLegibly) {
  for (int i = 0; i < 12; ++i) {
    const QImage label = plain(assets::renderPicture(Picture::label(i), 2.0));
    int left = label.width();
    int right = -1;
    int yellow = 0;
    for (int y = 0; y < label.height(); ++y) {
      for (int x = 0; x < label.width(); ++x) {
        const QRgb c = label.pixel(x, y);
        if (qAlpha(c) < 40) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        if (qAlpha(c) > 200 && qRed(c) > 200 && qGreen(c) > 180 && qBlue(c) < 120) ++yellow;
      }
    }
    EXPECT_GT(left, 0) << "label " << i << " runs off its left edge";
    EXPECT_LT(right, label.width() - 1) << "label " << i << " runs off its right edge";
    // Letters of a readable size leave a good amount of solid yellow.
    EXPECT_GT(yellow, 60) << "label " << i;
    EXPECT_EQ(qAlpha(label.pixel(label.width() / 2, 0)), 0) << "label " << i << " has a ground";
  }
}

TEST(ArtworkLegibility, SmallCaptionsAtOneHundredPercentAreSolidLetters) {
  // At ratio 1 a caption is set on whole pixels in black and white, so its letters are pixels of the pure
  // caption colour; grey-smoothed or squeezed letters of these sizes leave next to none.
  for (const Element& e : allButtons()) {
    const QString caption = assets::buttonFace(e.array, e.index).text;
    if (caption.isEmpty()) continue;
    for (const bool lit : {false, true}) {
      const QImage button = plain(assets::renderButton(e.array, e.index, lit, 1.0));
      int solid = 0;
      for (int y = 0; y < button.height(); ++y) {
        for (int x = 0; x < button.width(); ++x) solid += button.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
      }
      const auto letters = static_cast<int>(caption.size() - caption.count(u' ') - caption.count(u'\n'));
      EXPECT_GE(solid, 8 * letters) << nameOf(e) << (lit ? " lit" : "");
    }
  }
}

// Distinct strong horizontal steps: a sharp render has many, an enlarged one smears them.
int sharpEdges(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 1; x < image.width(); ++x) {
      if (channelDistance(image.pixel(x, y), image.pixel(x - 1, y)) > 60) ++count;
    }
  }
  return count;
}

TEST(ArtworkHighDpi, TwiceTheRatioIsDrawnNotEnlarged) {
  const QImage one = plain(assets::renderPicture(Picture::base(BasePicture::MainPanel), 1.0));
  const QImage two = plain(assets::renderPicture(Picture::base(BasePicture::MainPanel), 2.0));
  ASSERT_EQ(two.size(), one.size() * 2);
  const QImage enlarged = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GT(sharpEdges(two), sharpEdges(enlarged) * 5 / 4);
  QSet<QRgb> colours2;
  QSet<QRgb> colours1;
  for (int y = 0; y < two.height(); ++y)
    for (int x = 0; x < two.width(); ++x) colours2.insert(two.pixel(x, y));
  for (int y = 0; y < one.height(); ++y)
    for (int x = 0; x < one.width(); ++x) colours1.insert(one.pixel(x, y));
  EXPECT_GT(colours2.size(), colours1.size());
}

// The families that carry Japanese, as fontconfig's own command lists them (each under all its names).
QStringList japaneseFamiliesInstalled() {
  QProcess list;
  list.start(QStringLiteral("fc-list"), {QStringLiteral(":lang=ja"), QStringLiteral("family")});
  if (!list.waitForFinished() || list.exitCode() != 0) return {};
  return QString::fromUtf8(list.readAllStandardOutput())
      .split(QRegularExpression(QStringLiteral("[,\n]")), Qt::SkipEmptyParts);
}

TEST(ArtworkFonts, TheLettersAreInTheFirstJapaneseGothicInstalledOfThePreferredOnes) {
  const QStringList installed = japaneseFamiliesInstalled();
  ASSERT_FALSE(installed.isEmpty()) << "no Japanese font installed: install fonts-ipafont-gothic";
  const QString family = assets::gothicFamily();
  EXPECT_TRUE(installed.contains(family)) << family.toStdString() << " carries no Japanese";
  EXPECT_TRUE(assets::gothicHasJapanese());
  // MS PGothic first, then its metric twin, then Noto: the first of them installed letters the panel.
  for (const char* preferred : {"MS PGothic", "IPAPGothic", "Noto Sans CJK JP"}) {
    if (installed.contains(QLatin1String(preferred))) {
      EXPECT_EQ(family.toStdString(), preferred);
      break;
    }
  }
  // The font the painting asks for is that family indeed, and it has the panel's letters.
  const QFont letters = assets::gothic(12);
  EXPECT_EQ(QFontInfo(letters).family().toStdString(), family.toStdString());
  for (const char16_t letter : std::u16string_view(u"機器を選択ﾓﾆﾀｰ")) {
    EXPECT_TRUE(QFontMetrics(letters).inFont(QChar(letter))) << "U+" << std::hex << int(letter);
  }
  EXPECT_EQ(assets::meterFont().pixelSize(), 9);
  EXPECT_EQ(assets::meterFont().family(), family);
}

// How far below a cursor's hot spot, in its column, the first opaque pixel of the image lies; -1 when none
// does.
int inkBelowHotSpot(const QCursor& cursor) {
  const QImage image = cursor.pixmap().toImage();
  const QPoint hot = cursor.hotSpot();
  for (int y = hot.y(); y < image.height(); ++y) {
    if (qAlpha(image.pixel(hot.x(), y)) >= 128) return y - hot.y();
  }
  return -1;
}

TEST(ArtworkDesktop, PointersAreDrawnAtEveryRatioWithTheHotSpotOnTheShape) {
  // The screen's ratio and the zoom; the X server takes the hot spot in the image's own pixels.
  const std::vector<std::pair<qreal, qreal>> cases = {{1, 1}, {1.25, 1}, {1.5, 1}, {2, 1},
                                                      {3, 1}, {1, 1.25}, {1, 3},   {1.5, 2}};
  for (const auto& [screen, zoom] : cases) {
    SCOPED_TRACE(testing::Message() << "screen " << screen << ", zoom " << zoom);
    const qreal ratio = screen * zoom;
    const QCursor finger = assets::pointingFingerCursor(screen, zoom, assets::HotSpotUnits::ImagePixels);
    const QCursor fist = assets::closedHandCursor(screen, zoom, assets::HotSpotUnits::ImagePixels);
    EXPECT_EQ(finger.pixmap().size(), QSize(32, 32) * ratio);
    EXPECT_EQ(finger.pixmap().deviceIndependentSize(), QSizeF(32, 32) * zoom);
    // The tip of the finger: ink at the hot spot or at most a device pixel (rounded up) below it.
    const int ink = inkBelowHotSpot(finger);
    EXPECT_GE(ink, 0);
    EXPECT_LE(ink, std::ceil(ratio));
    EXPECT_EQ(qAlpha(fist.pixmap().toImage().pixel(fist.hotSpot())), 255) << "the hot spot is off the fist";
    // Elsewhere the hot spot is in the pixmap's logical pixels: the same point of the drawing.
    const QCursor logical = assets::pointingFingerCursor(screen, zoom, assets::HotSpotUnits::LogicalPixels);
    const QPointF there = QPointF(logical.hotSpot()) * screen;
    EXPECT_LE((there - QPointF(finger.hotSpot())).manhattanLength(), 2 * screen);
  }
  const QList<QSize> sizes = assets::windowIcon().availableSizes();
  for (const int s : {16, 32, 48, 128}) EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
  const QImage icon = plain(assets::renderIcon(48));
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(24, 24)), 255);
}

// The installed SVG icon, read back by Qt's SVG renderer, draws what the PNG icons show: a generator that
// dropped the gradients, the letter's path or the coordinates would differ over whole areas.
TEST(ArtworkDesktop, TheScalableIconDrawsAsThePaintedOne) {
  constexpr int kSide = 64;
  QSvgRenderer svg(tools::iconSvg());
  ASSERT_TRUE(svg.isValid());
  QImage drawn(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  drawn.fill(Qt::transparent);
  QPainter p(&drawn);
  svg.render(&p, QRectF(0, 0, kSide, kSide));
  p.end();
  drawn = plain(drawn);
  const QImage painted = plain(assets::renderIcon(kSide));
  int differing = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) differing += channelDistance(drawn.pixel(x, y), painted.pixel(x, y)) > 24;
  }
  // Anti-aliased edges may round differently; a wrong shape or colour covers far more than 2 % of the icon.
  EXPECT_LT(differing, kSide * kSide / 50) << differing << " pixels differ";
}

QImage paint(const Form1& form) {
  QImage image(kWindowWidth, kWindowHeight, QImage::Format_ARGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  assets::PictureCache cache;
  paintPanel(p, form, cache, 1.0, QRectF(0, 0, kWindowWidth, kWindowHeight));
  return image;
}

TEST(ArtworkPainter, JobsRunOnOnePoolThreadAndNestedJobsDoNotWait) {
  const QThread* gui = QThread::currentThread();
  const QThread* outer = nullptr;
  const QThread* inner = nullptr;
  assets::runOnPaintingThread([&] {
    outer = QThread::currentThread();
    assets::runOnPaintingThread([&] { inner = QThread::currentThread(); });
  });
  EXPECT_NE(outer, gui);
  EXPECT_EQ(inner, outer);
  EXPECT_TRUE(QThreadPool::globalInstance()->contains(outer));
  EXPECT_EQ(QThreadPool::globalInstance()->maxThreadCount(), 1);
}

TEST(ArtworkPainter, CachedAndPrefetchedPicturesAreThoseRenderedOnTheGuiThread) {
  // Text and fills come out the same wherever the painting thread paints them, and a prefetched picture is
  // the one asked for at the ratio asked for.
  const auto popup = [](int i) {
    return Picture::base(static_cast<BasePicture>(static_cast<int>(BasePicture::Pop0) + i));
  };
  const auto remote = [](int i) {
    return Picture::base(static_cast<BasePicture>(static_cast<int>(BasePicture::Sousa0) + i));
  };
  for (const qreal ratio : {1.0, 2.0}) {
    assets::PictureCache cache;
    assets::PictureCache prefetched;
    prefetched.prefetch(Picture::base(BasePicture::Notice), ratio);
    prefetched.prefetch(popup(1), ratio);
    prefetched.prefetch(popup(1), ratio);
    prefetched.prefetch(remote(2), 3 - ratio);
    for (const Picture picture : {Picture::base(BasePicture::Notice), Picture::base(BasePicture::MainPanel),
                                  popup(1), remote(2), Picture::label(3), Picture::lit(ArrayId::SWm, 9)}) {
      const QImage direct = plain(assets::renderPicture(picture, ratio));
      const std::string what = "kind " + std::to_string(static_cast<int>(picture.kind)) + " index " +
                               std::to_string(picture.index) + " ratio " + std::to_string(ratio);
      EXPECT_EQ(plain(cache.get(picture, ratio).toImage()), direct) << what;
      EXPECT_EQ(plain(prefetched.get(picture, ratio).toImage()), direct) << what << " prefetched";
    }
  }
  // Letting go of pictures still being painted is safe.
  assets::PictureCache dropped;
  dropped.prefetch(Picture::base(BasePicture::Notice), 2);
  dropped.clear();
  EXPECT_EQ(dropped.get(popup(0), 1).size(), assets::pictureSize(popup(0)));
}

TEST(ArtworkPictures, TheNoticeDimsTheWholePanelAroundItsCard) {
  // The notice paints only the part of the panel its card leaves in view; that part must be the panel.
  for (const qreal ratio : {1.0, 2.0}) {
    const QImage notice = plain(assets::renderPicture(Picture::base(BasePicture::Notice), ratio));
    QImage dimmed = assets::renderPicture(Picture::base(BasePicture::MainPanel), ratio);
    {
      QPainter p(&dimmed);
      p.fillRect(QRectF(0, 0, kWindowWidth, kWindowHeight), QColor(16, 12, 8, 150));
    }
    dimmed = plain(dimmed);
    int compared = 0;
    for (int y = 0; y < notice.height(); ++y) {
      for (int x = 0; x < notice.width(); ++x) {
        // Clear of the card and its soft shadow (26..374 x 14..286, spread 6).
        const qreal lx = x / ratio;
        const qreal ly = y / ratio;
        if (lx >= 16 && lx < 384 && ly >= 4 && ly < 296) continue;
        ASSERT_LE(channelDistance(notice.pixel(x, y), dimmed.pixel(x, y)), 2)
            << x << "," << y << " ratio " << ratio;
        ++compared;
      }
    }
    EXPECT_GT(compared, 1000);
  }
}

TEST(ArtworkLegibility, TheMeterNumberReadsOnTheOrangeAndOnTheMutedGreyBar) {
  FakeApp app;
  Form1 form(app);
  Form_Load(form);
  form.SetVisible(form.KABE(), false);
  const BoxLayout& met = boxLayout(BoxId::MET);
  // The rows of the "%" printed at the middle of the meter, on the bar of level 50.
  const QRect onBar(met.left, met.top + met.height / 2 + 1, met.width, 8);
  for (const Byte muted : {Byte{0}, Byte{1}}) {
    form.state.MuteOn = muted;
    MeterRepaint(form);
    const QImage frame = paint(form);
    int letters = 0;
    int ring = 0;
    for (int y = onBar.top(); y <= onBar.bottom(); ++y) {
      for (int x = onBar.left(); x <= onBar.right(); ++x) {
        const QRgb c = frame.pixel(x, y);
        if (c == qRgb(255, 255, 255)) ++letters;
        if (qGray(c) < 80) ++ring;
      }
    }
    EXPECT_GE(letters, 8) << "muted " << int{muted};
    // White on light grey or orange needs a dark edge to be read.
    EXPECT_GE(ring, letters) << "muted " << int{muted};
  }
}

TEST(ArtworkPainter, LitPicturesMeterAndBoxesAreDrawnWhereTheControlsSay) {
  FakeApp app;
  Form1 form(app);
  Form_Load(form);
  form.SetVisible(form.KABE(), false);

  // SWm(0) shows its lit picture at start; SWm(1) is bare, so the blue button of the artwork shows.
  const QImage start = paint(form);
  const QRgb lit = start.pixel(48, 76);
  const QRgb bare = start.pixel(246, 52);
  EXPECT_GT(qGreen(lit), qBlue(lit) + 40);
  EXPECT_GT(qBlue(bare), qGreen(bare) + 40);

  // The meter bar of level 50 fills the lower half of MET in orange; the upper half is the dark ground.
  const QRgb bar = start.pixel(330, 292);
  EXPECT_EQ(bar, qRgb(255, 128, 0));
  const QRgb ground = start.pixel(341, 222);
  EXPECT_LT(qRed(ground), 120);

  // The exit popup moved into view lies over the top of the meter and shows its own picture there.
  const BoxLayout& pop = boxLayout(BoxId::POP2);
  form.SetTop(form.POP(2), static_cast<float>(pop.openTop));
  const QImage open = paint(form);
  const QImage popup = plain(assets::renderPicture(Picture::base(pop.picture), 1.0));
  const QPoint onMeter(341, 222);
  EXPECT_EQ(open.pixel(onMeter), popup.pixel(onMeter - QPoint(pop.openLeft, pop.openTop)));
  EXPECT_NE(open.pixel(onMeter), start.pixel(onMeter));
  EXPECT_EQ(open.pixel(330, 292), qRgb(255, 128, 0));
}

}  // namespace
}  // namespace yunuri
