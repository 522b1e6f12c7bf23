#include <gtest/gtest.h>

#include <vector>

#include "Captions.h"
#include "PanelReach.h"

// The ways in besides the mouse: keys, touch points and accessible actions reach the same handlers, one press
// at a time, and only on buttons a visitor can see.
namespace yunuri::test {
namespace {

constexpr int kUp = 0;
constexpr int kDown = 1;
// Platform key codes are opaque to the panel; any two distinct numbers stand for Space and Return.
constexpr int kSpace = 32;
constexpr int kReturn = 13;
constexpr int kExecuteExit = 0;

TEST(InputPath, AKeyHoldsAPressThatOnlyTheKeyLetsGo) {
  ShownPanel p;
  KeyDown(p.f, kSpace, ArrayId::SWv, kUp);
  p.ticks(5);
  EXPECT_EQ(p.f.state.VolumeLevel, 55);
  // Neither a mouse release nor a finger lifted lets go of the key's press, and neither starts another.
  MouseUp(p.f, 0, 0, MouseButton::Left);
  TouchDown(p.f, 200, 150);
  TouchUp(p.f, 200, 150);
  p.click(ArrayId::SWv, 2);
  p.ticks(5);
  EXPECT_EQ(p.f.state.VolumeLevel, 60);
  EXPECT_EQ(p.f.state.MuteOn, 0);
  KeyUp(p.f, kSpace);
  p.ticks(5);
  EXPECT_EQ(p.f.state.VolumeLevel, 60);
  EXPECT_FALSE(p.f.Holding());
}

TEST(InputPath, AFingerPressesLikeTheLeftButtonAndOnlyItsLiftReleases) {
  ShownPanel p;
  const auto [x, y] = p.centre(ArrayId::SWv, kUp);
  TouchDown(p.f, x, y);
  p.ticks(3);
  MouseUp(p.f, x, y, MouseButton::Left);
  KeyUp(p.f, kSpace);
  p.ticks(2);
  EXPECT_EQ(p.f.state.VolumeLevel, 55);
  TouchUp(p.f, 0, 0);
  EXPECT_FALSE(p.f.Holding());

  Panel fresh;  // a tap on the notice is its click
  TouchDown(fresh.f, 200, 150);
  TouchUp(fresh.f, 200, 150);
  EXPECT_FALSE(fresh.f.KABE().Visible);
}

TEST(InputPath, KeysAndActionsReachOnlyWhatAVisitorCanSee) {
  Panel p;  // everything lies under the notice
  EXPECT_TRUE(FocusChain(p.f).empty());
  EXPECT_FALSE(Activate(p.f, ArrayId::SWm, 2));
  KeyDown(p.f, kSpace, ArrayId::SWm, 2);
  KeyUp(p.f, kSpace);
  EXPECT_EQ(p.f.state.MonitorSource, 0);
  KeyDownOnNotice(p.f, kSpace);  // Space on the notice is its click
  KeyUp(p.f, kSpace);
  EXPECT_FALSE(p.f.KABE().Visible);
  p.ticks(kSettleTicks);

  // The exit popup is parked out of view: its execute button cannot be pressed from the keyboard or a screen
  // reader until the popup is down.
  EXPECT_FALSE(Activate(p.f, ArrayId::SWp3, kExecuteExit));
  EXPECT_FALSE(p.f.Ended());
  EXPECT_TRUE(Activate(p.f, ArrayId::SWm, 2));
  EXPECT_EQ(p.f.Caption(), captions::kMonitor[2]);

  // An action while another press is held is refused, like a second button.
  p.press(ArrayId::SWv, kUp);
  EXPECT_FALSE(Activate(p.f, ArrayId::SWm, 3));
  EXPECT_EQ(p.f.state.MonitorSource, 2);
  p.release(ArrayId::SWv, kUp);
}

TEST(InputPath, EscClosesThePopupOpenedLast) {
  ShownPanel p;
  EXPECT_FALSE(CloseTopPopup(p.f));
  p.openPopup(kCdMdPopup);
  p.openPopup(kPowerPopup);
  EXPECT_TRUE(CloseTopPopup(p.f));
  p.ticks(kSettleTicks);
  EXPECT_EQ(p.f.state.PowerPopupOpen, 0);
  EXPECT_EQ(p.f.state.CdMdPopupOpen, 1);
  // Reopened, the power popup is the latest again; a popup still sliding in closes all the same.
  p.click(ArrayId::SWu, kPowerPopup);
  p.ticks(1);
  EXPECT_TRUE(CloseTopPopup(p.f));
  p.ticks(kSettleTicks);
  EXPECT_EQ(p.f.state.PowerPopupOpen, 0);
  EXPECT_EQ(p.f.state.CdMdPopupOpen, 1);
  EXPECT_TRUE(CloseTopPopup(p.f));
  EXPECT_EQ(p.f.state.CdMdPopupOpen, 0);
  EXPECT_FALSE(p.f.Ended());
}

TEST(InputPath, FocusFollowsTheVisualOrderOfWhatIsInView) {
  ShownPanel p;
  std::vector<ButtonRef> chain = FocusChain(p.f);
  ASSERT_EQ(chain.size(), 3U + 12 + 2 + 3);
  EXPECT_EQ(chain[0], (ButtonRef{ArrayId::SWu, 0}));
  EXPECT_EQ(chain[3], (ButtonRef{ArrayId::SWm, 1}));  // the top of the arc
  EXPECT_EQ(chain[4], (ButtonRef{ArrayId::SWm, 0}));
  EXPECT_EQ(chain.back(), (ButtonRef{ArrayId::SWv, 2}));
  EXPECT_EQ(NextFocus(p.f, chain.back(), 1), chain.front());
  EXPECT_EQ(NextFocus(p.f, std::nullopt, -1), chain.back());

  // The DVD/VTR deck's remote slides in after the popups; the exit popup hides the sends and the volume's ▲.
  p.selectSource(6);
  p.openPopup(kExitPopup);
  chain = FocusChain(p.f);
  EXPECT_EQ(chain.size(), 3U + 12 + 2 + 2 + 16);
  EXPECT_EQ(chain[15], (ButtonRef{ArrayId::SWv, 1}));
  EXPECT_EQ(chain[17], (ButtonRef{ArrayId::SWp3, 0}));
  EXPECT_EQ(chain.back(), (ButtonRef{ArrayId::SWr1, 15}));

  // Arrows stay within a group and go to the nearest button that way.
  EXPECT_EQ(FocusToward(p.f, {ArrayId::SWm, 1}, 0, 1), (ButtonRef{ArrayId::SWm, 2}));
  EXPECT_EQ(FocusToward(p.f, {ArrayId::SWm, 2}, -1, 0), (ButtonRef{ArrayId::SWm, 0}));
  EXPECT_EQ(FocusToward(p.f, {ArrayId::SWr1, 0}, 1, 0), (ButtonRef{ArrayId::SWr1, 1}));
  EXPECT_EQ(FocusToward(p.f, {ArrayId::SWr1, 1}, 0, 1), (ButtonRef{ArrayId::SWr1, 3}));
  EXPECT_EQ(FocusToward(p.f, {ArrayId::SWv, 0}, 0, -1), std::nullopt);
}

// A key's press belongs to the key and to the button focused when it went down, as a toolkit's button does.
TEST(InputPath, AKeyPressBelongsToItsKeyAndIsLostWithTheFocus) {
  ShownPanel p;
  // Another key tapped while Space holds ▲ neither ends the ramp nor presses ▼; only Space lets go.
  KeyDown(p.f, kSpace, ArrayId::SWv, kUp);
  KeyDown(p.f, kReturn, ArrayId::SWv, kDown);
  KeyUp(p.f, kReturn);
  p.ticks(3);
  EXPECT_EQ(p.f.state.VolumeLevel, 53);
  EXPECT_EQ(p.f.Caption(), captions::kLouder);
  KeyUp(p.f, kSpace);
  p.ticks(2);
  EXPECT_EQ(p.f.state.VolumeLevel, 53);

  // Return refused while Space holds a source repeats after Space is up: it still presses nothing until it
  // has come up, and then it does.
  KeyDown(p.f, kSpace, ArrayId::SWm, 4);
  KeyDown(p.f, kReturn, ArrayId::SWm, 5);
  KeyUp(p.f, kSpace);
  KeyDown(p.f, kReturn, ArrayId::SWm, 5);  // its auto-repeat
  EXPECT_EQ(p.f.state.MonitorSource, 4);
  EXPECT_FALSE(p.f.Holding());
  KeyUp(p.f, kReturn);
  KeyDown(p.f, kReturn, ArrayId::SWm, 5);
  EXPECT_EQ(p.f.state.MonitorSource, 5);
  KeyUp(p.f, kReturn);

  // Focus moved off ▲ while Space holds it: the ramp ends there, and Space coming up does nothing more.
  KeyDown(p.f, kSpace, ArrayId::SWv, kUp);
  p.ticks(2);
  KeyPressLost(p.f);
  p.ticks(2);
  KeyUp(p.f, kSpace);
  EXPECT_EQ(p.f.state.VolumeLevel, 55);

  // Space held on 終了実行, then Tab: the program does not end. Esc while a key holds only loses the press.
  p.openPopup(kExitPopup);
  KeyDown(p.f, kSpace, ArrayId::SWp3, kExecuteExit);
  KeyPressLost(p.f);
  KeyUp(p.f, kSpace);
  EXPECT_FALSE(p.f.Ended());
  KeyDown(p.f, kSpace, ArrayId::SWp3, 1);  // ×Close
  EXPECT_FALSE(CloseTopPopup(p.f));
  KeyUp(p.f, kSpace);
  EXPECT_EQ(p.f.state.ExitPopupOpen, 1);

  // Focus lost by the window: a key that went down before counts as up.
  KeyDown(p.f, kSpace, ArrayId::SWv, kUp);
  KeysLost(p.f);
  EXPECT_FALSE(p.f.Holding());
  KeyDown(p.f, kReturn, ArrayId::SWm, 6);
  EXPECT_EQ(p.f.state.MonitorSource, 6);
}

TEST(InputPath, AnActionOnARampButtonMovesTheLevelOnePoint) {
  ShownPanel p;
  EXPECT_TRUE(Activate(p.f, ArrayId::SWv, kUp));
  EXPECT_TRUE(p.f.Holding());
  p.ticks(3);
  EXPECT_EQ(p.f.state.VolumeLevel, 51);
  EXPECT_FALSE(p.f.Holding());
  EXPECT_TRUE(Activate(p.f, ArrayId::SWv, kDown));
  EXPECT_FALSE(Activate(p.f, ArrayId::SWv, kDown));  // one press at a time, until the tick
  p.ticks(1);
  EXPECT_EQ(p.f.state.VolumeLevel, 50);
}

// Keyboard focus never rests on a button out of sight, and follows a popup opened from the keyboard.
TEST(InputPath, FocusFollowsWhatTheKeyboardOpensAndClosesAndNeverVanishes) {
  Panel p;
  EXPECT_TRUE(DismissNotice(p.f));
  const ButtonRef top{ArrayId::SWu, kExitPopup};
  EXPECT_EQ(FocusFollow(p.f, std::nullopt), (ButtonRef{ArrayId::SWu, 0}));
  EXPECT_EQ(FocusFollow(p.f, std::nullopt), std::nullopt);  // told once

  // Opened by a key, the popup takes the focus once it has slid in, not before.
  KeyDown(p.f, kSpace, top.array, top.index);
  KeyUp(p.f, kSpace);
  p.ticks(1);
  EXPECT_EQ(FocusFollow(p.f, top), top);
  p.ticks(kSettleTicks);
  EXPECT_EQ(FocusFollow(p.f, top), (ButtonRef{ArrayId::SWp3, kExecuteExit}));
  // Esc gives it back to the top button at once.
  EXPECT_TRUE(CloseTopPopup(p.f));
  EXPECT_EQ(FocusFollow(p.f, ButtonRef{ArrayId::SWp3, kExecuteExit}), top);

  // Opened by the mouse, a popup leaves the focus where it is; when it slides over the focused source, the
  // focus goes to the nearest button in view.
  const ButtonRef covered{ArrayId::SWm, 2};
  p.click(ArrayId::SWu, kCdMdPopup);
  p.ticks(kSettleTicks);
  ASSERT_FALSE(p.f.Showing(covered.array, covered.index));
  const std::optional<ButtonRef> to = FocusFollow(p.f, covered);
  ASSERT_TRUE(to.has_value());
  EXPECT_TRUE(p.f.Showing(to->array, to->index));
  EXPECT_EQ(CatalogueEntry(to->array, to->index).area, Area::CdMdPopup);  // the nearest, over it

  // A remote key whose panel leaves as another source comes in: the focus goes to that source.
  p.click(ArrayId::SWu, kCdMdPopup);
  p.ticks(kSettleTicks);
  p.click(ArrayId::SWm, 6);
  p.ticks(kSettleTicks);
  p.click(ArrayId::SWm, 8);
  p.ticks(kSettleTicks);
  EXPECT_EQ(FocusFollow(p.f, ButtonRef{ArrayId::SWr1, 0}), (ButtonRef{ArrayId::SWm, 8}));
}

}  // namespace
}  // namespace yunuri::test
