// A held button lets go when the window loses the mouse, whatever takes it away.
#include "ShellFixture.h"

namespace yunuri::shelltest {
namespace {

const QPoint kVolumeUp(349 + 16, 219 + 10);  // SWv(0)

class ShellCapture : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    panel->activateWindow();
    settle();
    dismissNotice();
  }

  // Holds volume up for a few ticks; returns the level reached.
  int holdVolumeUp() {
    press(kVolumeUp);
    ticks(3);
    EXPECT_TRUE(form.Holding());
    EXPECT_EQ(form.state.VolumeHeld, 1);
    return form.state.VolumeLevel;
  }

  // After the loss: nothing held, the button dark, and further ticks leave the level alone.
  void expectLetGo(int level) {
    EXPECT_FALSE(form.Holding());
    EXPECT_EQ(form.state.VolumeHeld, 0);
    EXPECT_TRUE(form.Element(ArrayId::SWv, 0).picture.isNone()) << "the up button stays lit";
    ticks(5);
    EXPECT_EQ(form.state.VolumeLevel, level);
  }
};

TEST_F(ShellCapture, HoldingTheUpButtonRaisesTheVolumeEachTick) {
  const int start = form.state.VolumeLevel;
  EXPECT_EQ(holdVolumeUp(), start + 3);
  release(kVolumeUp);
  expectLetGo(start + 3);
}

TEST_F(ShellCapture, AReleaseAwayFromTheButtonStillLetsItGo) {
  const int level = holdVolumeUp();
  release({20, 20});
  expectLetGo(level);
}

TEST_F(ShellCapture, AnotherWindowTakingTheFocusLetsGo) {
  ASSERT_TRUE(panel->isActiveWindow());
  const int level = holdVolumeUp();
  QWidget other;
  other.show();
  other.activateWindow();
  settle();
  ASSERT_FALSE(panel->isActiveWindow());
  expectLetGo(level);
}

TEST_F(ShellCapture, HidingTheWindowLetsGo) {
  const int level = holdVolumeUp();
  panel->hide();
  expectLetGo(level);
}

TEST_F(ShellCapture, MinimisingTheWindowLetsGo) {
  const int level = holdVolumeUp();
  panel->showMinimized();
  settle();
  expectLetGo(level);
}

TEST_F(ShellCapture, AMoveWithNoButtonDownMeansTheReleaseWentElsewhere) {
  const int level = holdVolumeUp();
  move({100, 100}, Qt::LeftButton);
  EXPECT_TRUE(form.Holding()) << "a drag with the button down keeps the press";
  move({100, 100}, Qt::NoButton);
  expectLetGo(level);
}

TEST_F(ShellCapture, AFreshPressAfterALostReleaseIsNotSwallowed) {
  holdVolumeUp();
  // The release went to another client; the next press of the user must work.
  const QPoint volumeDown(349 + 16, 248 + 10);
  press(volumeDown);
  EXPECT_EQ(form.state.VolumeDirection, 2);
  EXPECT_TRUE(form.Element(ArrayId::SWv, 0).picture.isNone());
  EXPECT_FALSE(form.Element(ArrayId::SWv, 1).picture.isNone());
  release(volumeDown);
}

TEST_F(ShellCapture, ASecondButtonDuringAHoldBelongsToTheHold) {
  const int level = holdVolumeUp();
  send(QEvent::MouseButtonPress, kVolumeUp, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
  send(QEvent::MouseButtonRelease, kVolumeUp, Qt::RightButton, Qt::LeftButton);
  EXPECT_TRUE(form.Holding());
  EXPECT_EQ(form.state.VolumeHeld, 1);
  release(kVolumeUp);
  expectLetGo(level);
}

}  // namespace
}  // namespace yunuri::shelltest
