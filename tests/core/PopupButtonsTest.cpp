#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Captions.h"
#include "PanelReach.h"

namespace yunuri::test {
namespace {

constexpr int kCdMdClose = 9;
constexpr int kExecuteExit = 0;
constexpr int kExitClose = 1;

TEST(CdMdPopup, EveryButtonReportsOnPressAndLightsOnlyWhileHeld) {
  ShownPanel p;
  p.openPopup(kCdMdPopup);
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < static_cast<int>(captions::kCdMd.size()); ++i) {
      SCOPED_TRACE(i);
      p.press(ArrayId::SWp2, i);
      EXPECT_TRUE(p.lit(ArrayId::SWp2, i));
      EXPECT_EQ(p.f.Caption(), captions::kCdMd[i]);
      p.ticks(2);
      p.release(ArrayId::SWp2, i);
      EXPECT_TRUE(p.dark(ArrayId::SWp2, i));
      EXPECT_EQ(p.f.Caption(), captions::kCdMd[i]);
    }
  }
  p.click(ArrayId::SWp2, 1);  // MD, then play: the message names the player, not the medium
  p.click(ArrayId::SWp2, 6);
  EXPECT_EQ(p.f.Caption(), captions::kCdMd[6]);
}

struct CloseButton {
  int popup;
  ArrayId array;
  int index;
  float openTop;
  float parkedTop;
};
const std::array<CloseButton, 3> kCloseButtons = {{
    {kPowerPopup, ArrayId::SWp1, 4, 26, -210},
    {kCdMdPopup, ArrayId::SWp2, kCdMdClose, 26, -218},
    {kExitPopup, ArrayId::SWp3, kExitClose, 53, -198},
}};

TEST(PopupClose, LightsOnPressClosesOnlyOnReleaseAndALostPressOnlyDarkensIt) {
  for (const CloseButton& c : kCloseButtons) {
    SCOPED_TRACE(c.popup);
    ShownPanel p;
    p.openPopup(c.popup);
    const std::string caption = p.f.Caption();
    p.press(c.array, c.index);
    CaptureLost(p.f);
    EXPECT_TRUE(p.dark(c.array, c.index));

    p.press(c.array, c.index);
    EXPECT_TRUE(p.lit(c.array, c.index));
    p.settle();
    EXPECT_EQ(p.f.POP(c.popup).Top, c.openTop);
    EXPECT_TRUE(p.lit(ArrayId::SWu, c.popup));
    p.release(c.array, c.index);
    EXPECT_TRUE(p.dark(c.array, c.index));
    EXPECT_EQ(p.f.Caption(), caption);
    p.settle();
    EXPECT_EQ(p.f.POP(c.popup).Top, c.parkedTop);
    EXPECT_TRUE(p.dark(ArrayId::SWu, c.popup));
    const SliderBytes bytes = PopupBytes(p.f.state, c.popup);
    EXPECT_EQ(bytes.wanted, 0);
    EXPECT_EQ(bytes.moving, 0);
  }
}

const std::vector<std::string> kStartedOnly = {"PrevInstance"};
const std::vector<std::string> kStartedAndEnded = {"PrevInstance", "End"};

TEST(ExitConfirm, ExecuteExitEndsOnItsReleaseWhereverThePointerIsButNotWhenThePressIsLost) {
  ShownPanel p;
  p.openPopup(kExitPopup);
  const std::string caption = p.f.Caption();
  p.press(ArrayId::SWp3, kExecuteExit);
  CaptureLost(p.f);
  EXPECT_TRUE(p.dark(ArrayId::SWp3, kExecuteExit));

  p.press(ArrayId::SWp3, kExecuteExit);
  EXPECT_TRUE(p.lit(ArrayId::SWp3, kExecuteExit));
  p.ticks(5);
  EXPECT_FALSE(p.f.Ended());
  EXPECT_EQ(p.app.calls, kStartedOnly);
  MouseUp(p.f, 5, 5, MouseButton::Left);  // dragged off the button before letting go
  EXPECT_TRUE(p.f.Ended());
  EXPECT_EQ(p.app.calls, kStartedAndEnded);
  EXPECT_EQ(p.f.Caption(), caption);
}

TEST(ExitConfirm, NothingMovesAfterTheEnd) {
  ShownPanel p;
  p.openPopup(kPowerPopup);
  p.click(ArrayId::SWp1, 1);  // left projector cooling down
  p.openPopup(kExitPopup);
  p.click(ArrayId::SWu, kCdMdPopup);  // a popup on its way in
  p.click(ArrayId::SWp3, kExecuteExit);
  ASSERT_TRUE(p.f.Ended());

  const Snapshot ended = snapshot(p.f);
  p.ticks(200);
  p.click(ArrayId::SWm, 3);
  p.click(ArrayId::SWp1, 0);
  p.press(ArrayId::SWv, 0);
  CaptureLost(p.f);
  p.click(ArrayId::SWp3, kExecuteExit);
  EXPECT_EQ(snapshot(p.f), ended);
  EXPECT_FALSE(p.f.Holding());
  EXPECT_EQ(p.app.calls, kStartedAndEnded);
}

}  // namespace
}  // namespace yunuri::test
