// What the window shows, read back from the widget's pixels and judged by what the panel is known to look
// like (its colours and where things are), not by asking the renderer again; and what it repaints.
#include "ShellFixture.h"

namespace yunuri::shelltest {
namespace {

using ShellPaint = ShellTest;

const QRect kSourceOff(10, 60, 77, 19);      // SWm(0)
const QRect kNotebookPc(179, 60, 77, 19);    // SWm(2), under the notice's card
const QRect kVolumeUp(349, 219, 33, 21);     // SWv(0)
const QRect kNoticeMargin(30, 60, 12, 200);  // the notice card's blank left margin
const QRect kNoticeBand(36, 20, 18, 14);     // the card's orange band, left of its words
const QRect kNoticeTitle(90, 44, 220, 54);   // 「ゆぬり～」 in large red letters
const QRect kNoticeText(46, 110, 308, 120);  // the notice's paragraphs
const QRect kCardMargin(6, 110, 4, 180);     // Sousa(0) in view: its cream left margin,
const QRect kCardText(10, 125, 79, 70);      // 「機器を選択して下さい。」,
const QRect kCardArrow(32, 231, 30, 8);      // and the orange arrow towards the sources

// The panel's colours, by kind: buttons are blue at rest and green when lit, cards cream with dark ink.
bool blue(QRgb c) {
  return qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 30;
}
bool green(QRgb c) {
  return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}
bool white(QRgb c) {
  return qRed(c) >= 225 && qGreen(c) >= 225 && qBlue(c) >= 225;
}
bool cream(QRgb c) {
  return qRed(c) >= 240 && qGreen(c) >= 225 && qBlue(c) >= 200 && qBlue(c) + 3 < qRed(c);
}
bool ink(QRgb c) {
  return qRed(c) < 120 && qGreen(c) < 110 && qBlue(c) < 100;
}
bool red(QRgb c) {
  return qRed(c) >= 150 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool orange(QRgb c) {
  return qRed(c) >= 200 && qGreen(c) >= 90 && qGreen(c) <= 210 && qBlue(c) < 120;
}

// The share (0..1) of the pixels of `area` that are of a kind.
double share(const QImage& image, const QRect& area, bool (*kind)(QRgb)) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += kind(image.pixel(x, y)) ? 1 : 0;
  }
  return static_cast<double>(count) / (area.width() * area.height());
}

// The notice covers the panel: its cream card with the orange band, the red title and the dark words, and no
// button showing through.
void expectNotice(const QImage& shown) {
  EXPECT_GT(share(shown, kNoticeMargin, cream), 0.95);
  EXPECT_GT(share(shown, kNoticeBand, orange), 0.9);
  EXPECT_GT(share(shown, kNoticeTitle, red), 0.05);
  EXPECT_GT(share(shown, kNoticeText, ink), 0.05);
  EXPECT_EQ(share(shown, kNotebookPc, blue), 0.0);
}

TEST_F(ShellPaint, AtStartTheNoticeCoversEverything) {
  expectNotice(grabbed());
}

TEST_F(ShellPaint, AfterTheNoticeThePanelShowsWithVideoOffLitAndTheSelectDeviceCard) {
  dismissNotice();
  const QImage shown = grabbed();
  EXPECT_EQ(share(shown, kNoticeTitle, red), 0.0) << "the notice is still there";
  EXPECT_GT(share(shown, kSourceOff, green), 0.6) << "SWm(0) is not lit";
  EXPECT_EQ(share(shown, kSourceOff, blue), 0.0);
  EXPECT_GT(share(shown, kSourceOff, white), 0.02) << "SWm(0) has no label";
  EXPECT_GT(share(shown, kNotebookPc, blue), 0.6) << "SWm(2) is not at rest";
  EXPECT_EQ(share(shown, kNotebookPc, green), 0.0);
  EXPECT_GT(share(shown, kNotebookPc, white), 0.02) << "SWm(2) has no label";
  EXPECT_GT(share(shown, kCardMargin, cream), 0.95) << "the select-a-device card is not in view";
  EXPECT_GT(share(shown, kCardText, ink), 0.04) << "the card says nothing";
  EXPECT_GT(share(shown, kCardArrow, orange), 0.9) << "the card's arrow is missing";
}

TEST_F(ShellPaint, APressLightsTheButtonAndItsReleaseDarkensIt) {
  dismissNotice();
  const QPoint centre = kVolumeUp.center();
  press(centre);
  EXPECT_GT(share(grabbed(), kVolumeUp, green), 0.6);
  EXPECT_EQ(share(grabbed(), kVolumeUp, blue), 0.0);
  release(centre);
  EXPECT_GT(share(grabbed(), kVolumeUp, blue), 0.6);
  EXPECT_EQ(share(grabbed(), kVolumeUp, green), 0.0);
}

TEST_F(ShellPaint, RightAndMiddlePressesReachThePanelToo) {
  dismissNotice();
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    press(kVolumeUp.center(), button);
    EXPECT_EQ(form.state.VolumeHeld, 1) << "button " << button;
    release(kVolumeUp.center(), button);
    EXPECT_EQ(form.state.VolumeHeld, 0) << "button " << button;
  }
}

TEST_F(ShellPaint, ARightClickDoesNotDismissTheNotice) {
  press({200, 150}, Qt::RightButton);
  release({200, 150}, Qt::RightButton);
  ticks(7);
  EXPECT_TRUE(form.KABE().Visible);
  expectNotice(grabbed());
}

TEST_F(ShellPaint, AnIdleTickPaintsNothing) {
  dismissNotice();
  settle();
  const int before = panel->paintCount();
  for (int i = 0; i < 50; ++i) {
    panel->tick();
    settle();
  }
  EXPECT_EQ(panel->paintCount(), before);

  // The count does move when something changes, so the check above can fail.
  press(kVolumeUp.center());
  settle();
  EXPECT_GT(panel->paintCount(), before);
  release(kVolumeUp.center());
}

}  // namespace
}  // namespace yunuri::shelltest
