// What the window shows, read back from the widget's pixels, and what it repaints.
#include "ShellFixture.h"
#include "assets/Artwork.h"

namespace yunuri::shelltest {
namespace {

using ShellPaint = ShellTest;

const QRect kWhole(0, 0, 400, 300);
const QRect kSourceOff(10, 60, 77, 19);   // SWm(0)
const QRect kVolumeUp(349, 219, 33, 21);  // SWv(0)
const QRect kCard(4, 85, 91, 212);        // Sousa(0) in view

QImage rendered(BasePicture picture) {
  return assets::renderPicture(Picture::base(picture), 1.0).convertToFormat(QImage::Format_RGB32);
}

TEST_F(ShellPaint, AtStartTheNoticeCoversEverything) {
  EXPECT_TRUE(sameAt(grabbed(), rendered(BasePicture::Notice), kWhole));
}

TEST_F(ShellPaint, AfterTheNoticeThePanelShowsWithVideoOffLitAndTheSelectDeviceCard) {
  dismissNotice();
  const QImage shown = grabbed();
  EXPECT_FALSE(sameAt(shown, rendered(BasePicture::Notice), kWhole));
  EXPECT_TRUE(sameAt(shown, panelWith(Picture::lit(ArrayId::SWm, 0), kSourceOff.topLeft()), kSourceOff));
  EXPECT_FALSE(sameAt(shown, rendered(BasePicture::MainPanel), kSourceOff)) << "SWm(0) is not lit";
  EXPECT_TRUE(sameAt(shown, panelWith(Picture::base(BasePicture::Sousa0), kCard.topLeft()), kCard));
}

TEST_F(ShellPaint, APressLightsTheButtonAndItsReleaseDarkensIt) {
  dismissNotice();
  const QPoint centre = kVolumeUp.center();
  press(centre);
  EXPECT_TRUE(sameAt(grabbed(), panelWith(Picture::lit(ArrayId::SWv, 0), kVolumeUp.topLeft()), kVolumeUp));
  release(centre);
  EXPECT_TRUE(sameAt(grabbed(), rendered(BasePicture::MainPanel), kVolumeUp));
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
  EXPECT_TRUE(form.KABE.Visible);
  EXPECT_TRUE(sameAt(grabbed(), rendered(BasePicture::Notice), kWhole));
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
