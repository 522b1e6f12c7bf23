// The tick as a whole: the order of its steps as seen in the caption, and an idle tick touching nothing.
#include <gtest/gtest.h>

#include <cstring>

#include "FakeApp.h"

namespace yunuri::test {
namespace {

constexpr std::string_view kLoudest = "ゆぬり～  室内の音声が最大になりました｡";
constexpr std::string_view kLeftStarted = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡";
constexpr std::string_view kRightStarted = "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡";

struct Ready : Panel {
  Ready() {
    dismissNotice();
    ticks(7);
  }
};

TEST(Tick, ProjectorsReportOverTheVolumeLimitAndRightOverLeft) {
  Ready p;
  p.f.state.VolumeLevel = 100;
  p.press(ArrayId::SWv, 0);
  p.ticks(1);
  ASSERT_EQ(p.f.Caption(), kLoudest);

  p.f.state.LeftProjectorState = 99;
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kLeftStarted);

  p.f.state.LeftProjectorState = 99;
  p.f.state.RightProjectorState = 99;
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kRightStarted);
}

TEST(Tick, AnIdleTickMovesNothingAndLeavesTheCaption) {
  Ready p;
  p.click(ArrayId::SWm, 3);
  p.ticks(8);
  p.f.TakeDirty();
  p.f.TakeCaptionChanged();
  const PanelState before = p.f.state;
  p.ticks(5);
  EXPECT_TRUE(p.f.TakeDirty().empty());
  EXPECT_FALSE(p.f.TakeCaptionChanged());
  EXPECT_EQ(std::memcmp(&before, &p.f.state, sizeof before), 0);
  EXPECT_EQ(p.f.state.LoopIndex, 6);
}

}  // namespace
}  // namespace yunuri::test
