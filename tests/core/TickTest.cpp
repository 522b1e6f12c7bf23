// The tick as a whole: the order of its steps as seen in the caption, and an idle tick touching nothing.
#include <gtest/gtest.h>

#include <cstring>

#include "Captions.h"
#include "PanelReach.h"

namespace yunuri::test {
namespace {

TEST(Tick, ProjectorsReportOverTheVolumeLimitAndRightOverLeft) {
  ShownPanel p;
  p.f.state.VolumeLevel = 100;
  p.press(ArrayId::SWv, 0);
  p.ticks(1);
  ASSERT_EQ(p.f.Caption(), captions::kLoudest);

  p.f.state.LeftProjectorState = 99;
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), captions::kProjector[0].started);

  p.f.state.LeftProjectorState = 99;
  p.f.state.RightProjectorState = 99;
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), captions::kProjector[1].started);
}

TEST(Tick, AnIdleTickMovesNothingAndLeavesTheCaption) {
  ShownPanel p;
  p.selectSource(3);
  const PanelState before = p.f.state;
  for (int i = 0; i < 5; ++i) Tick(p.f);
  EXPECT_TRUE(p.f.TakeDirty().empty());
  EXPECT_FALSE(p.f.TakeCaptionChanged());
  EXPECT_EQ(std::memcmp(&before, &p.f.state, sizeof before), 0);
  EXPECT_EQ(p.f.state.LoopIndex, 6);
}

}  // namespace
}  // namespace yunuri::test
