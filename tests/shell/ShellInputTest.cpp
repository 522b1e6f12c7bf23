// Touch points and keys on the real widget: the same presses as the mouse, and a cancelled touch or a lost
// focus ends a held press without acting.
#include <QKeyEvent>
#include <QPointingDevice>
#include <QTest>
#include <QTouchEvent>

#include "ShellFixture.h"

namespace yunuri::shelltest {
namespace {

const QPoint kVolumeUp(349 + 16, 219 + 10);  // SWv(0)
const QPoint kExitTop(339 + 24, 3 + 24);     // SWu(2)
const QPoint kExecuteExit(300 + 29 + 16, 53 + 134 + 10);
const QPoint kExitClose(300 + 29 + 16, 53 + 172 + 10);

class ShellInput : public ShellTest {
 protected:
  // Touch points go through the platform's delivery, which maps them onto the widget as a screen's would.
  static QPointingDevice* screen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
  }
  QTest::QTouchEventWidgetSequence fingers() { return QTest::touchEvent(panel.get(), screen()); }
  // The platform takes the touch back.
  void cancelTouch() {
    QTouchEvent event(QEvent::TouchCancel, screen());
    QApplication::sendEvent(panel.get(), &event);
  }

  void SetUp() override {
    ShellTest::SetUp();
    panel->activateWindow();
    panel->setFocus();
    settle();
    dismissNotice();
  }

  void key(QEvent::Type type, int k, bool autoRepeat = false) {
    QKeyEvent event(type, k, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(panel.get(), &event);
  }
  void openExitPopup() {
    click(kExitTop);
    ticks(10);
  }
};

TEST_F(ShellInput, TheFirstFingerHoldsAPressAndOtherFingersAreIgnored) {
  const int start = form.state.VolumeLevel;
  fingers().press(7, kVolumeUp);
  ticks(3);
  // A second finger lands on MUTE and lifts: nothing of it acts.
  const QPoint mute(349 + 16, 276 + 10);
  fingers().stationary(7).press(8, mute);
  fingers().stationary(7).release(8, mute);
  ticks(2);
  EXPECT_EQ(form.state.MuteOn, 0);
  EXPECT_EQ(form.state.VolumeLevel, start + 5);
  fingers().release(7, kVolumeUp);
  EXPECT_FALSE(form.Holding());
  ticks(3);
  EXPECT_EQ(form.state.VolumeLevel, start + 5);
}

TEST_F(ShellInput, ACancelledTouchNeitherClosesNorEnds) {
  openExitPopup();
  for (const QPoint at : {kExecuteExit, kExitClose}) {
    fingers().press(1, at);
    EXPECT_TRUE(form.Holding());
    cancelTouch();
    EXPECT_FALSE(form.Holding());
  }
  ticks(10);
  EXPECT_TRUE(app.calls.empty());
  EXPECT_EQ(form.state.ExitPopupOpen, 1);
  EXPECT_EQ(form.POP(2).Top, 53);
  EXPECT_TRUE(form.Element(ArrayId::SWp3, 0).picture.isNone());
  // A touch that lifts on the close button does close.
  fingers().press(2, kExitClose);
  fingers().release(2, kExitClose);
  EXPECT_EQ(form.state.ExitPopupOpen, 0);
}

TEST_F(ShellInput, HeldSpaceRampsOnceThroughRepeatsAndFocusLossLetsGo) {
  for (int i = 0; i < 18; ++i) key(QEvent::KeyPress, Qt::Key_Tab);
  ASSERT_EQ(panel->focusedButton(), (ButtonRef{ArrayId::SWv, 0}));
  const int start = form.state.VolumeLevel;
  key(QEvent::KeyPress, Qt::Key_Space);
  ticks(2);
  // Auto-repeat arrives as release and press pairs: the press goes on.
  key(QEvent::KeyRelease, Qt::Key_Space, true);
  key(QEvent::KeyPress, Qt::Key_Space, true);
  ticks(2);
  EXPECT_EQ(form.state.VolumeLevel, start + 4);
  EXPECT_TRUE(form.Holding());
  key(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_FALSE(form.Holding());

  key(QEvent::KeyPress, Qt::Key_Space);
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(panel.get(), &out);
  EXPECT_FALSE(form.Holding());
  ticks(3);
  EXPECT_EQ(form.state.VolumeLevel, start + 4);
}

TEST_F(ShellInput, TheFocusRingShowsOnlyAfterTheKeyboardIsUsed) {
  const QImage mouseOnly = grabbed();
  click(kExitTop);
  click(kExitTop);  // open and close again: the panel looks as before
  ticks(20);
  EXPECT_TRUE(sameAt(grabbed(), mouseOnly, panel->rect()));
  key(QEvent::KeyPress, Qt::Key_Tab);
  settle();
  // Tab goes on from the button clicked last, 終了, to the first source.
  EXPECT_FALSE(sameAt(grabbed(), mouseOnly, QRect(208 - 2, 36 - 2, 77 + 4, 19 + 4))) << "no ring on SWm(1)";
  click({20, 20});
  settle();
  EXPECT_TRUE(sameAt(grabbed(), mouseOnly, panel->rect()));
}

TEST_F(ShellInput, EscClosesTheOpenPopupAndNothingElse) {
  openExitPopup();
  key(QEvent::KeyPress, Qt::Key_Escape);
  key(QEvent::KeyRelease, Qt::Key_Escape);
  EXPECT_EQ(form.state.ExitPopupOpen, 0);
  key(QEvent::KeyPress, Qt::Key_Escape);
  EXPECT_TRUE(app.calls.empty());
}

// A key's press is the focused button's: Tab, a click elsewhere or Esc while the key is down lose it, as a
// toolkit's button lets go without acting when focus leaves it.
TEST_F(ShellInput, MovingTheFocusWhileAKeyHoldsLosesThePress) {
  openExitPopup();
  panel->focusButton({ArrayId::SWp3, 0});  // 終了実行
  key(QEvent::KeyPress, Qt::Key_Space);
  key(QEvent::KeyPress, Qt::Key_Tab);
  key(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_TRUE(app.calls.empty());
  EXPECT_FALSE(form.Ended());

  panel->focusButton({ArrayId::SWv, 1});  // ▼, in view beside the popup
  const int start = form.state.VolumeLevel;
  key(QEvent::KeyPress, Qt::Key_Space);
  ticks(2);
  click({20, 20});
  ticks(2);
  key(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_EQ(form.state.VolumeLevel, start - 2);
  key(QEvent::KeyPress, Qt::Key_Space);
  ticks(2);
  key(QEvent::KeyPress, Qt::Key_Escape);
  ticks(2);
  key(QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_EQ(form.state.VolumeLevel, start - 4);
  EXPECT_EQ(form.state.ExitPopupOpen, 1);  // Esc lost the press and closed nothing

  // Opened from the keyboard, a popup takes the focus once it is in; Esc gives it back to its top button.
  key(QEvent::KeyPress, Qt::Key_Escape);
  ticks(10);
  panel->focusButton({ArrayId::SWu, 0});
  key(QEvent::KeyPress, Qt::Key_Space);
  key(QEvent::KeyRelease, Qt::Key_Space);
  ticks(10);
  EXPECT_EQ(panel->focusedButton(), (ButtonRef{ArrayId::SWp1, 0}));
  key(QEvent::KeyPress, Qt::Key_Escape);
  EXPECT_EQ(panel->focusedButton(), (ButtonRef{ArrayId::SWu, 0}));
}

}  // namespace
}  // namespace yunuri::shelltest
