// The picture of the room against the panel driven as a visitor drives it: each part changes when what it
// shows changes, and only then; painted in parts it is the picture painted whole.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QString>

#include "assets/RoomPicture.h"
#include "shell/Language.h"
#include "support/Panel.h"
#include "window/RoomView.h"

namespace yunuri {
namespace {

using assets::RoomPart;
using assets::roomPart;

constexpr qreal kRatio = 2;

QImage picture(const Form1& f, qreal ratio = kRatio) {
  return assets::renderRoom(ViewOf(f), ratio);
}

// A part of a picture, in the picture's device pixels.
QImage partOf(const QImage& image, RoomPart part) {
  const qreal r = image.devicePixelRatio();
  const QRect p = roomPart(part);
  return image.copy(QRectF(p.x() * r, p.y() * r, p.width() * r, p.height() * r).toAlignedRect());
}

// How much light a part gives: the sum of its pixels' brightness.
qint64 brightness(const QImage& image) {
  qint64 sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  }
  return sum;
}

// Pixels as red as the marks that say "no sound".
int redPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += c.red() > 150 && c.green() < 80 && c.blue() < 80 ? 1 : 0;
    }
  }
  return count;
}

TEST(RoomPicture, EachPartFollowsWhatThePanelDid) {
  test::ShownPanel p;
  const QImage start = picture(p.f);

  // A send changes the left screen and nothing on the right.
  p.selectSource(6);
  const QImage chosen = picture(p.f);
  EXPECT_NE(partOf(chosen, RoomPart::Monitor), partOf(start, RoomPart::Monitor));
  EXPECT_EQ(partOf(chosen, RoomPart::LeftScreen), partOf(start, RoomPart::LeftScreen));
  p.click(ArrayId::SWs, 0);
  const QImage sent = picture(p.f);
  EXPECT_NE(partOf(sent, RoomPart::LeftScreen), partOf(chosen, RoomPart::LeftScreen));
  EXPECT_EQ(partOf(sent, RoomPart::RightScreen), partOf(chosen, RoomPart::RightScreen));

  // MUTE puts a red mark on the sound, and pressed again takes it away.
  EXPECT_EQ(redPixels(partOf(sent, RoomPart::Sound)), 0);
  p.click(ArrayId::SWv, 2);
  const QImage muted = picture(p.f);
  EXPECT_GT(redPixels(partOf(muted, RoomPart::Sound)), 50);
  p.click(ArrayId::SWv, 2);
  EXPECT_EQ(partOf(picture(p.f), RoomPart::Sound), partOf(sent, RoomPart::Sound));

  // Off, then on again: the left projector warms up and its glow grows tick by tick; the screen stays blank.
  p.openPopup(0);
  p.click(ArrayId::SWp1, 1);
  p.click(ArrayId::SWp1, 0);
  p.ticks(10);
  const QImage early = picture(p.f);
  p.ticks(60);
  const QImage later = picture(p.f);
  EXPECT_GT(brightness(partOf(later, RoomPart::LeftProjector)),
            brightness(partOf(early, RoomPart::LeftProjector)));
  EXPECT_EQ(partOf(later, RoomPart::LeftScreen), partOf(early, RoomPart::LeftScreen));
  EXPECT_EQ(partOf(later, RoomPart::RightProjector), partOf(sent, RoomPart::RightProjector));
  p.ticks(40);
  EXPECT_EQ(partOf(picture(p.f), RoomPart::LeftScreen), partOf(sent, RoomPart::LeftScreen));
}

// What a change repaints over the last picture must come out as the whole picture painted afresh, at a ratio
// whose pixels the parts' edges do not fall on.
TEST(RoomPicture, PaintedInPartsIsThePicturePaintedWhole) {
  constexpr qreal kFractional = 1.25;
  test::ShownPanel p;
  picture(p.f, kFractional);
  p.selectSource(9);
  p.click(ArrayId::SWs, 1);
  p.click(ArrayId::SWv, 2);
  p.openPopup(0);
  p.click(ArrayId::SWp1, 1);  // the left projector cools down
  p.ticks(20);
  const QImage inParts = picture(p.f, kFractional);
  picture(p.f, 1);  // another ratio: the next picture is painted whole
  const QImage whole = picture(p.f, kFractional);
  EXPECT_EQ(inParts, whole);
  EXPECT_EQ(picture(p.f, kFractional), whole);
}

TEST(RoomPicture, EnglishChangesTheWordsAndNothingElse) {
  test::ShownPanel p;
  p.selectSource(4);
  p.click(ArrayId::SWs, 0);
  const QImage japanese = picture(p.f);
  ASSERT_TRUE(setLanguage(QStringLiteral("en")));
  const QImage english = picture(p.f);
  setLanguage(QString::fromLatin1(kPanelLanguage));
  // The screen and the monitor showing the document camera name it in the other language.
  EXPECT_NE(partOf(english, RoomPart::LeftScreen), partOf(japanese, RoomPart::LeftScreen));
  EXPECT_NE(partOf(english, RoomPart::Monitor), partOf(japanese, RoomPart::Monitor));
  // The projectors carry no words.
  for (const RoomPart part : {RoomPart::LeftProjector, RoomPart::RightProjector}) {
    EXPECT_EQ(partOf(english, part), partOf(japanese, part));
  }
  EXPECT_EQ(picture(p.f), japanese);
}

}  // namespace
}  // namespace yunuri
