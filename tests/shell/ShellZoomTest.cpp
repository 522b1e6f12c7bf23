// The zoom for presenting: the window steps through its sizes with the keys of browsers, the panel inside
// keeps its own coordinates, and a held press does not survive a change of scale.
#include <QKeyEvent>
#include <QScreen>

#include "ShellFixture.h"
#include "assets/Artwork.h"
#include "shell/PanelZoom.h"

namespace yunuri::shelltest {
namespace {

class ShellZoom : public ShellTest {
 protected:
  void key(int k, Qt::KeyboardModifiers mods = Qt::ControlModifier) { ShellTest::key(k, mods); }
  QPoint scaled(QPoint panelPoint, qreal zoom) const { return (QPointF(panelPoint) * zoom).toPoint(); }
  void expectFixed(QSize size) {
    EXPECT_EQ(panel->size(), size);
    EXPECT_EQ(panel->minimumSize(), size);
    EXPECT_EQ(panel->maximumSize(), size);
  }
};

TEST_F(ShellZoom, StepsThroughTheSizesThatFitTheScreenAndBack) {
  const QSize room =
      panel->screen()->availableGeometry().size() - (panel->frameGeometry().size() - panel->size());
  std::vector<int> fitting;
  for (const int p : PanelZoom::kPercents) {
    if (400 * p / 100 <= room.width() && 340 * p / 100 <= room.height()) fitting.push_back(p);
  }
  ASSERT_GE(fitting.size(), 3U) << "the test screen is too small to step";

  // Ctrl++ comes as Ctrl+= or, with Shift, as Ctrl++; both grow the window one step.
  for (std::size_t i = 1; i < fitting.size(); ++i) {
    key(i % 2 == 1 ? Qt::Key_Equal : Qt::Key_Plus,
        i % 2 == 1 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(panel->zoomPercent(), fitting[i]);
    expectFixed(QSize(400, 340) * fitting[i] / 100);  // the panel and its status strip
  }
  key(Qt::Key_Plus);
  EXPECT_EQ(panel->zoomPercent(), fitting.back()) << "grown beyond the screen";
  key(Qt::Key_Plus, Qt::NoModifier);
  key(Qt::Key_Plus, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(panel->zoomPercent(), fitting.back());

  key(Qt::Key_Minus);
  EXPECT_EQ(panel->zoomPercent(), fitting[fitting.size() - 2]);
  key(Qt::Key_0);
  expectFixed({400, 340});
  key(Qt::Key_Minus);
  expectFixed({400, 340});
}

TEST_F(ShellZoom, TheZoomedPanelTakesClicksAndPointersInItsOwnCoordinates) {
  dismissNotice();
  key(Qt::Key_Plus);
  key(Qt::Key_Plus);
  ASSERT_EQ(panel->zoomPercent(), 150);
  const QPoint dvd(137 + 38, 156 + 9);  // SWm(6), DVD/VTR, as the panel counts
  EXPECT_EQ(panel->widgetToPanel(scaled(dvd, 1.5)), dvd);
  EXPECT_EQ(panel->panelToWidget(QRect(137, 156, 76, 18)), QRect(QPoint(205, 234), QSize(115, 27)));
  click(scaled(dvd, 1.5));
  EXPECT_EQ(form.Caption(), "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡");

  move(centreOf(ArrayId::SWm, 0));
  const qreal screen = panel->devicePixelRatioF();
  EXPECT_EQ(panel->cursor().pixmap().size(), QSize(48, 48) * screen) << "the pointer was not drawn at 150 %";
  EXPECT_EQ(panel->cursor().hotSpot(), assets::pointingFingerCursor(screen, 1.5).hotSpot());

  // Drawn at the new ratio, not enlarged: the panel's own pixels at 150 % where no control lies.
  expectIdleTicksPaintNothing();
  const QImage shown = grabbed();
  const QImage base = assets::renderPicture(Picture::base(BasePicture::MainPanel), 1.5 * screen)
                          .convertToFormat(QImage::Format_RGB32);
  const QRect open = panel->panelToWidget(QRect(100, 20, 40, 20));
  EXPECT_TRUE(sameAt(shown, base, QRect(open.topLeft() * screen, open.size() * screen)));
}

TEST_F(ShellZoom, AZoomInTheMiddleOfAPressLetsItGo) {
  dismissNotice();
  const QPoint up = centreOf(ArrayId::SWv, 0);
  press(up);
  ticks(3);
  ASSERT_TRUE(form.Holding());
  const int level = form.state.VolumeLevel;
  key(Qt::Key_Plus);
  EXPECT_FALSE(form.Holding());
  EXPECT_EQ(form.state.VolumeHeld, 0);
  EXPECT_TRUE(form.Element(ArrayId::SWv, 0).picture.isNone()) << "the up button stays lit";
  release(centreOf(ArrayId::SWv, 0));
  ticks(5);
  EXPECT_EQ(form.state.VolumeLevel, level);
}

TEST(PanelZoomLayout, FullScreenShowsTheLargestStepThatFitsCentredOnWholeDevicePixels) {
  PanelZoom zoom;
  ASSERT_TRUE(zoom.zoomIn({1000, 1000}));  // the window's step does not matter in full screen
  zoom.layOut({1024, 768}, true, 1.0);
  EXPECT_EQ(zoom.scale(), 2.5);
  EXPECT_EQ(zoom.panelArea(), QRectF(12, 9, 1000, 750));
  EXPECT_EQ(zoom.toPanel(QPointF(11.9, 9)).x(), -1) << "the ground is outside the panel";
  zoom.layOut({1366, 700}, true, 1.25);
  EXPECT_EQ(zoom.scale(), 2.0);
  EXPECT_EQ(zoom.panelArea().topLeft() * 1.25, QPointF(354, 63));  // not 353.75, 62.5
  zoom.layOut({1366, 700}, false, 1.25);
  EXPECT_EQ(zoom.scale(), 1.25);
  EXPECT_EQ(zoom.panelArea(), QRectF(0, 0, 500, 375));
}

}  // namespace
}  // namespace yunuri::shelltest
