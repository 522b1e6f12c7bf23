// The twelve monitor source buttons and the remote panels they bring into the remote area.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "Captions.h"
#include "PanelReach.h"

namespace yunuri::test {
namespace {

// The remote panel each source brings in.
constexpr std::array<int, 12> kPanelOfSource = {0, 1, 1, 1, 1, 1, 2, 3, 4, 1, 5, 1};

constexpr float kIn[] = {-76, -61, -46, -31, -16, -1, 4};
constexpr float kOut[] = {-11, -26, -41, -56, -71, -86, -101, -91};

TEST(MonitorSource, EachSourceLightsAloneWritesItsCaptionAndBringsInItsPanel) {
  for (int source = 0; source < 12; ++source) {
    SCOPED_TRACE(source);
    const std::string_view caption = captions::kMonitor[source];
    const int panel = kPanelOfSource[source];
    ShownPanel p;
    p.click(ArrayId::SWm, source);
    const PanelState& s = p.f.state;
    EXPECT_EQ(s.MonitorSource, source);
    EXPECT_EQ(p.f.Caption(), caption);
    EXPECT_EQ(p.litCount(ArrayId::SWm), 1);
    EXPECT_EQ(p.f.Element(ArrayId::SWm, source).picture, p.f.Twin(ArrayId::SWm, source));
    EXPECT_EQ(s.LoopIndex, 12);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(s.PanelShown[i], i == panel ? 1 : 0) << i;
      EXPECT_EQ(s.PanelMoving[i], 1) << i;
    }

    p.ticks(1);
    EXPECT_EQ(s.LoopIndex, 6);
    p.ticks(7);
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(p.f.Sousa(i).Left, i == panel ? 4 : -91) << i;
      EXPECT_EQ(s.PanelMoving[i], 0) << i;
    }
    EXPECT_EQ(p.f.Caption(), caption);  // slides write nothing
  }
}

TEST(MonitorSource, OnePanelGoesOutWhileTheNextComesInOnTheSameTicks) {
  ShownPanel p;
  // Video off's panel is in; walk through every panel so each one comes in and then goes out.
  const int sourceOfPanel[] = {0, 1, 6, 7, 8, 10};
  int shown = 0;
  for (int next : {1, 2, 3, 4, 5, 0}) {
    SCOPED_TRACE(next);
    p.click(ArrayId::SWm, sourceOfPanel[next]);
    for (int t = 0; t < 8; ++t) {
      p.ticks(1);
      EXPECT_EQ(p.f.Sousa(shown).Left, kOut[t]) << "tick " << t + 1;
      EXPECT_EQ(p.f.Sousa(next).Left, kIn[t < 7 ? t : 6]) << "tick " << t + 1;
      if (t == 0) {
        // The hidden panels are confirmed where they are in one tick.
        for (int i = 0; i < 6; ++i) {
          if (i == shown || i == next) continue;
          EXPECT_EQ(p.f.Sousa(i).Left, -91) << i;
          EXPECT_EQ(p.f.state.PanelMoving[i], 0) << i;
        }
      }
    }
    EXPECT_EQ(p.f.state.PanelMoving[shown], 0);
    EXPECT_EQ(p.f.state.PanelMoving[next], 0);
    shown = next;
  }
}

TEST(MonitorSource, PressingTheSelectedSourceAgainConfirmsEverythingInOneTick) {
  ShownPanel p;
  p.click(ArrayId::SWm, 6);
  p.ticks(8);
  p.click(ArrayId::SWv, 0);  // another caption in between
  p.click(ArrayId::SWm, 6);
  EXPECT_EQ(p.f.Caption(), captions::kMonitor[6]);
  EXPECT_EQ(p.litCount(ArrayId::SWm), 1);
  EXPECT_EQ(p.f.Element(ArrayId::SWm, 6).picture, p.f.Twin(ArrayId::SWm, 6));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(p.f.state.PanelMoving[i], 1);
  p.ticks(1);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(p.f.Sousa(i).Left, i == 2 ? 4 : -91) << i;
    EXPECT_EQ(p.f.state.PanelMoving[i], 0) << i;
  }
}

TEST(MonitorSource, ANewSourceMidSlideTurnsTheComingPanelBackFromWhereItIs) {
  ShownPanel p;
  p.click(ArrayId::SWm, 6);
  p.ticks(3);
  ASSERT_EQ(p.f.Sousa(2).Left, -46);
  p.click(ArrayId::SWm, 7);
  const float dvdVtr[] = {-61, -76, -91, -91};
  for (int t = 0; t < 4; ++t) {
    p.ticks(1);
    EXPECT_EQ(p.f.Sousa(2).Left, dvdVtr[t]) << "tick " << t + 1;
    EXPECT_EQ(p.f.Sousa(3).Left, kIn[t]) << "tick " << t + 1;
  }
  EXPECT_EQ(p.f.state.PanelMoving[2], 0);

  // And a panel on its way out comes back in from where it is.
  p.click(ArrayId::SWm, 8);
  p.ticks(2);
  ASSERT_EQ(p.f.Sousa(3).Left, -61);
  p.click(ArrayId::SWm, 7);
  p.ticks(1);
  EXPECT_EQ(p.f.Sousa(3).Left, -46);
  p.ticks(4);
  EXPECT_EQ(p.f.Sousa(3).Left, 4);
  EXPECT_EQ(p.f.state.PanelMoving[3], 0);
}

TEST(MonitorSource, PanelsPopupsAndProjectorsAllAdvanceOnTheSameTick) {
  ShownPanel p;
  p.f.state.LeftProjectorState = 1;  // warming up
  p.click(ArrayId::SWm, 10);
  p.click(ArrayId::SWu, 0);
  p.ticks(1);
  EXPECT_EQ(p.f.Sousa(5).Left, -76);
  EXPECT_EQ(p.f.Sousa(0).Left, -11);
  EXPECT_EQ(p.f.POP(0).Top, -180);
  EXPECT_EQ(p.f.state.LeftProjectorState, 2);
}

}  // namespace
}  // namespace yunuri::test
