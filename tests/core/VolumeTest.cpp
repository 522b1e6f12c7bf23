// Volume up, down and MUTE held through ticks, and what the meter draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Captions.h"
#include "PanelReach.h"
#include "audio/Volume.h"

namespace yunuri::test {
namespace {

constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kGrey{192, 192, 192};
constexpr Rgb kWhite{255, 255, 255};

// What the meter should show for a level: the bar, the number with its leading blank, and the sign.
std::vector<MeterOp> meter(int level, bool muted) {
  const float x = level < 10 ? 3.0F : (level < 100 ? 0.0F : -3.0F);
  return {
      {MeterOp::Kind::Box, 0, 77, 15, static_cast<float>(77 - 0.77 * level), muted ? kGrey : kOrange, {}},
      {MeterOp::Kind::Text, x, 30.5F, 0, 0, kWhite, " " + std::to_string(level)},
      {MeterOp::Kind::Text, 6, 38.5F, 0, 0, kWhite, "%"},
  };
}

struct Ready : ShownPanel {
  const PanelState& s() const { return f.state; }
  bool lit(int i) const { return Panel::lit(ArrayId::SWv, i); }
  bool dark(int i) const { return Panel::dark(ArrayId::SWv, i); }
  const std::vector<MeterOp>& drawn() const { return f.METDrawing.ops; }
  // Holds button i through n ticks, checking the level and the meter after each.
  void holdThrough(int i, int n, int step, bool muted) {
    for (int t = 0; t < n; ++t) {
      const int expected = s().VolumeLevel + step;
      ticks(1);
      ASSERT_EQ(s().VolumeLevel, expected);
      ASSERT_TRUE(lit(i));
      ASSERT_EQ(drawn(), meter(expected, muted));
    }
  }
};

TEST(Volume, HoldingUpFrom50ReachesTheTopIn50TicksThenReportsItEveryTick) {
  Ready p;
  const std::vector<MeterOp> atStart = p.drawn();
  p.press(ArrayId::SWv, 0);
  EXPECT_EQ(p.f.Caption(), captions::kLouder);
  EXPECT_TRUE(p.lit(0));
  EXPECT_EQ(p.s().VolumeHeld, 1);
  EXPECT_EQ(p.s().VolumeDirection, 1);
  EXPECT_EQ(p.drawn(), atStart);  // the press draws nothing

  p.holdThrough(0, 50, +1, false);
  EXPECT_EQ(p.f.Caption(), captions::kLouder);
  for (int t = 0; t < 3; ++t) {
    p.f.SetCaption(captions::kTitle);  // to see the message written again
    p.ticks(1);
    EXPECT_EQ(p.s().VolumeLevel, 100);
    EXPECT_TRUE(p.dark(0));
    EXPECT_EQ(p.f.Caption(), captions::kLoudest);
    EXPECT_EQ(p.drawn(), meter(100, false));
  }
  p.release(ArrayId::SWv, 0);
  EXPECT_EQ(p.s().VolumeHeld, 0);
  EXPECT_EQ(p.s().VolumeDirection, 0);

  // Pressing up at the top: the press's own message and picture, then the tick takes both back.
  p.press(ArrayId::SWv, 0);
  EXPECT_EQ(p.f.Caption(), captions::kLouder);
  EXPECT_TRUE(p.lit(0));
  p.ticks(1);
  EXPECT_TRUE(p.dark(0));
  EXPECT_EQ(p.f.Caption(), captions::kLoudest);
}

TEST(Volume, HoldingDownEmptiesTheBarAndReportsSilence) {
  Ready p;
  p.press(ArrayId::SWv, 1);
  EXPECT_EQ(p.f.Caption(), captions::kSofter);
  EXPECT_EQ(p.s().VolumeDirection, 2);
  p.holdThrough(1, 50, -1, false);
  EXPECT_EQ(p.f.Caption(), captions::kSofter);
  p.ticks(2);
  EXPECT_EQ(p.s().VolumeLevel, 0);
  EXPECT_TRUE(p.dark(1));
  EXPECT_EQ(p.f.Caption(), captions::kSilent);
  const MeterOp& bar = p.drawn().at(0);
  EXPECT_EQ(bar.y1, 77);
  EXPECT_EQ(bar.y2, 77);
  p.release(ArrayId::SWv, 1);
  EXPECT_TRUE(p.dark(1));
}

TEST(Volume, APressAndReleaseBetweenTicksLeavesLevelAndMeterAlone) {
  Ready p;
  const std::vector<MeterOp> atStart = p.drawn();
  for (int i : {0, 1}) {
    p.click(ArrayId::SWv, i);
    EXPECT_TRUE(p.dark(i));
    p.ticks(1);
    EXPECT_EQ(p.s().VolumeLevel, 50);
    EXPECT_EQ(p.drawn(), atStart);
  }
  EXPECT_EQ(p.f.Caption(), captions::kSofter);

  // MUTE shows the new colour at once, even when no tick sees it held.
  p.click(ArrayId::SWv, 2);
  EXPECT_EQ(p.drawn(), meter(50, true));
  p.ticks(1);
  EXPECT_EQ(p.s().VolumeLevel, 50);
  p.click(ArrayId::SWv, 2);
  EXPECT_EQ(p.drawn(), meter(50, false));
}

TEST(Volume, WhileMutedTheLevelStillRampsInGreyWithoutLimitMessages) {
  Ready p;
  p.click(ArrayId::SWv, 2);
  p.press(ArrayId::SWv, 0);
  EXPECT_EQ(p.f.Caption(), captions::kMutedNote);
  p.holdThrough(0, 50, +1, true);
  p.ticks(2);
  EXPECT_EQ(p.s().VolumeLevel, 100);
  EXPECT_TRUE(p.dark(0));
  EXPECT_EQ(p.f.Caption(), captions::kMutedNote);
  p.release(ArrayId::SWv, 0);

  p.press(ArrayId::SWv, 1);
  EXPECT_EQ(p.f.Caption(), captions::kMutedNote);
  p.holdThrough(1, 100, -1, true);
  p.ticks(2);
  EXPECT_TRUE(p.dark(1));
  EXPECT_EQ(p.f.Caption(), captions::kMutedNote);
  p.release(ArrayId::SWv, 1);
  EXPECT_TRUE(p.lit(2));
  EXPECT_EQ(p.s().MuteOn, 1);
}

TEST(Volume, MuteTwiceMutesThenUnmutesAndItsButtonOutlivesTheRelease) {
  Ready p;
  p.press(ArrayId::SWv, 2);
  EXPECT_EQ(p.s().MuteOn, 1);
  EXPECT_EQ(p.s().VolumeHeld, 1);
  EXPECT_EQ(p.s().VolumeDirection, 0);
  EXPECT_EQ(p.f.Caption(), captions::kSilent);
  EXPECT_TRUE(p.lit(2));
  p.ticks(2);  // held across ticks: redrawn, nothing ramps
  EXPECT_EQ(p.s().VolumeLevel, 50);
  EXPECT_EQ(p.drawn(), meter(50, true));
  p.release(ArrayId::SWv, 2);
  EXPECT_TRUE(p.lit(2));
  EXPECT_EQ(p.s().VolumeHeld, 0);

  p.press(ArrayId::SWv, 2);
  EXPECT_EQ(p.s().MuteOn, 0);
  EXPECT_EQ(p.f.Caption(), captions::kUnmuted);
  EXPECT_TRUE(p.dark(2));
  EXPECT_EQ(p.drawn(), meter(50, false));
  p.release(ArrayId::SWv, 2);
  EXPECT_TRUE(p.dark(2));
}

TEST(Volume, TheMeterDrawsBarNumberAndSignFromLevelAndMute) {
  for (int level : {0, 9, 10, 50, 99, 100}) {
    for (Byte muted : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "level " << level << " muted " << int{muted});
      Ready p;
      p.f.state.VolumeLevel = static_cast<Byte>(level);
      p.f.state.MuteOn = muted;
      MeterRepaint(p.f);
      EXPECT_EQ(p.drawn(), meter(level, muted == 1));  // the start-up drawing is gone
    }
  }
}

TEST(Volume, LosingTheMouseWhileHoldingEndsTheRampLikeARelease) {
  Ready p;
  p.press(ArrayId::SWv, 0);
  p.ticks(3);
  CaptureLost(p.f);
  EXPECT_FALSE(p.f.Holding());
  EXPECT_EQ(p.s().VolumeHeld, 0);
  EXPECT_EQ(p.s().VolumeDirection, 0);
  EXPECT_TRUE(p.dark(0));
  const std::vector<MeterOp> drawn = p.drawn();
  p.ticks(5);
  EXPECT_EQ(p.s().VolumeLevel, 53);
  EXPECT_EQ(p.drawn(), drawn);
  const auto [x, y] = p.centre(ArrayId::SWv, 0);
  MouseUp(p.f, x, y, MouseButton::Left);  // the late release finds nothing held
  EXPECT_EQ(p.s().VolumeLevel, 53);
}

}  // namespace
}  // namespace yunuri::test
