#include <gtest/gtest.h>

#include <vector>

#include "Captions.h"
#include "PanelReach.h"

// The ways in besides the mouse: keys, touch points and accessible actions reach the same handlers, one press
// at a time, and only on buttons a visitor can see.
namespace yunuri::test {
namespace {

constexpr int kUp = 0;
constexpr int kExecuteExit = 0;

TEST(InputPath, AKeyHoldsAPressThatOnlyTheKeyLetsGo) {
  ShownPanel p;
  KeyDown(p.f, ArrayId::SWv, kUp);
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
  KeyUp(p.f);
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
  KeyUp(p.f);
  p.ticks(2);
  EXPECT_EQ(p.f.state.VolumeLevel, 55);
  TouchUp(p.f, 0, 0);
  EXPECT_FALSE(p.f.Holding());

  Panel fresh;  // a tap on the notice is its click
  TouchDown(fresh.f, 200, 150);
  TouchUp(fresh.f, 200, 150);
  EXPECT_FALSE(fresh.f.KABE.Visible);
}

TEST(InputPath, KeysAndActionsReachOnlyWhatAVisitorCanSee) {
  Panel p;  // everything lies under the notice
  EXPECT_TRUE(FocusChain(p.f).empty());
  EXPECT_FALSE(Activate(p.f, ArrayId::SWm, 2));
  KeyDown(p.f, ArrayId::SWm, 2);
  EXPECT_EQ(p.f.state.MonitorSource, 0);
  KeyDownOnNotice(p.f);  // Space on the notice is its click
  KeyUp(p.f);
  EXPECT_FALSE(p.f.KABE.Visible);
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

}  // namespace
}  // namespace yunuri::test
