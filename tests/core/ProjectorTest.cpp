#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Captions.h"
#include "PanelReach.h"

namespace yunuri::test {
namespace {

constexpr int kPhaseTicks = 99;

struct Side {
  const char* name;
  ProjectorButtons buttons;
  captions::ProjectorCaptions says;
};

const Side kLeft{"left", kLeftButtons, captions::kProjector[0]};
const Side kRight{"right", kRightButtons, captions::kProjector[1]};
const Side* const kSides[] = {&kLeft, &kRight};

// A panel with the projector power popup open.
struct PowerPanel : ShownPanel {
  PowerPanel() { openPopup(kPowerPopup); }
  Byte phase(const Side& s) const { return f.state.*s.buttons.phase; }
  void drive(const Side& s, int value) { driveProjector(*this, s.buttons, value); }
};

// The ticks after the press on which the blinking button changes, and what it changes to.
std::vector<std::pair<int, bool>> expectedBlink() {
  std::vector<std::pair<int, bool>> changes;
  for (int t = 4; t <= 94; t += 10) {
    changes.emplace_back(t, false);
    if (t + 5 < kPhaseTicks) changes.emplace_back(t + 5, true);
  }
  changes.emplace_back(kPhaseTicks, true);
  return changes;
}

// From rest, and switched the other way mid-phase: the new phase runs whole from its beginning and the old
// one is never reported.
TEST(ProjectorPhase, BlinksForNinetyNineTicksThenSettlesWithItsMessage) {
  struct Row {
    bool switchOn;
    int from;
  };
  const Row rows[] = {{true, 0}, {false, 100}, {false, 40}, {false, 99}, {true, 150}, {true, 199}};
  for (const Side* s : kSides) {
    for (const auto [switchOn, from] : rows) {
      SCOPED_TRACE(std::string(s->name) + (switchOn ? " ON from " : " OFF from ") + std::to_string(from));
      PowerPanel p;
      p.drive(*s, from);
      const int button = switchOn ? s->buttons.on : s->buttons.off;
      const int partner = switchOn ? s->buttons.off : s->buttons.on;
      const std::string_view start = switchOn ? s->says.warming : s->says.cooling;

      p.click(ArrayId::SWp1, button);
      EXPECT_TRUE(p.lit(ArrayId::SWp1, button));
      EXPECT_TRUE(p.dark(ArrayId::SWp1, partner));
      EXPECT_EQ(p.f.Caption(), start);
      EXPECT_EQ(p.phase(*s), switchOn ? 1 : 101);

      std::vector<std::pair<int, bool>> changes;
      bool wasLit = true;
      for (int t = 1; t <= kPhaseTicks; ++t) {
        p.ticks(1);
        const bool nowLit = p.lit(ArrayId::SWp1, button);
        EXPECT_TRUE(nowLit || p.dark(ArrayId::SWp1, button)) << t;
        if (nowLit != wasLit) changes.emplace_back(t, nowLit);
        wasLit = nowLit;
        EXPECT_TRUE(p.dark(ArrayId::SWp1, partner)) << t;
        if (t < kPhaseTicks) {
          EXPECT_EQ(p.f.Caption(), start) << t;
        }
      }
      EXPECT_EQ(changes, expectedBlink());
      EXPECT_EQ(p.f.Caption(), switchOn ? s->says.started : s->says.stopped);
      EXPECT_EQ(p.phase(*s), switchOn ? 100 : 0);

      const Snapshot settled = snapshot(p.f);
      p.ticks(30);
      EXPECT_EQ(snapshot(p.f), settled);
    }
  }
}

TEST(ProjectorPhase, APressThePhaseDoesNotAllowChangesNothing) {
  struct Row {
    bool on;
    int value;
  };
  const Row rows[] = {{true, 100}, {true, 1},    {true, 50},   {true, 99},
                      {false, 0},  {false, 101}, {false, 150}, {false, 199}};
  for (const Side* s : kSides) {
    for (const Row& r : rows) {
      SCOPED_TRACE(std::string(s->name) + (r.on ? " ON at " : " OFF at ") + std::to_string(r.value));
      PowerPanel p;
      p.drive(*s, r.value);
      const Snapshot before = snapshot(p.f);
      const int button = r.on ? s->buttons.on : s->buttons.off;
      p.press(ArrayId::SWp1, button);
      EXPECT_EQ(snapshot(p.f), before);
      p.release(ArrayId::SWp1, button);
      EXPECT_EQ(snapshot(p.f), before);
    }
  }
}

TEST(ProjectorPhase, BothEndingOnOneTickLeaveTheRightMessage) {
  for (const bool switchOn : {true, false}) {
    SCOPED_TRACE(switchOn ? "ON" : "OFF");
    PowerPanel p;
    if (switchOn) {
      p.drive(kLeft, 0);
      p.drive(kRight, 0);
    }
    // Pressed right first, so that press order cannot explain the result.
    p.click(ArrayId::SWp1, switchOn ? kRight.buttons.on : kRight.buttons.off);
    p.click(ArrayId::SWp1, switchOn ? kLeft.buttons.on : kLeft.buttons.off);
    p.ticks(kPhaseTicks);
    EXPECT_EQ(p.f.Caption(), switchOn ? kRight.says.started : kRight.says.stopped);
    EXPECT_EQ(p.phase(kLeft), switchOn ? 100 : 0);
    EXPECT_EQ(p.phase(kRight), switchOn ? 100 : 0);
  }
}

TEST(ProjectorPhase, EndMessageOutlastsTheVolumeLimitOfTheSameTick) {
  PowerPanel p;
  p.click(ArrayId::SWp1, kLeft.buttons.off);
  p.ticks(48);
  p.press(ArrayId::SWv, 0);  // volume up, held from 50
  p.ticks(50);
  ASSERT_EQ(p.f.state.VolumeLevel, 100);
  ASSERT_EQ(p.phase(kLeft), 199);
  p.ticks(1);
  EXPECT_TRUE(p.dark(ArrayId::SWv, 0));
  EXPECT_EQ(p.f.Caption(), kLeft.says.stopped);
  EXPECT_EQ(p.phase(kLeft), 0);
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), captions::kLoudest);
}

TEST(ProjectorButtons, OnAndOffStayLitWhenLetGo) {
  PowerPanel p;
  p.press(ArrayId::SWp1, kLeft.buttons.off);
  p.release(ArrayId::SWp1, kLeft.buttons.off);
  EXPECT_TRUE(p.lit(ArrayId::SWp1, kLeft.buttons.off));
  p.press(ArrayId::SWp1, kLeft.buttons.on);
  CaptureLost(p.f);
  EXPECT_TRUE(p.lit(ArrayId::SWp1, kLeft.buttons.on));
  EXPECT_TRUE(p.dark(ArrayId::SWp1, kLeft.buttons.off));
  EXPECT_EQ(p.phase(kLeft), 1);
}

TEST(ProjectorButtons, PhaseRunsOnWhileThePopupIsAway) {
  constexpr int kClose = 4;
  PowerPanel p;
  p.click(ArrayId::SWp1, kRight.buttons.off);
  p.click(ArrayId::SWp1, kClose);
  p.ticks(14);
  ASSERT_LT(p.f.POP(0).Top, 0);
  EXPECT_EQ(p.phase(kRight), 115);

  p.openPopup(kPowerPopup);  // ten more ticks
  EXPECT_EQ(p.phase(kRight), 125);
  EXPECT_TRUE(p.dark(ArrayId::SWp1, kRight.buttons.off));
  p.ticks(5);
  EXPECT_TRUE(p.lit(ArrayId::SWp1, kRight.buttons.off));

  p.click(ArrayId::SWp1, kClose);
  p.ticks(kPhaseTicks - 29);
  EXPECT_EQ(p.f.POP(0).Top, -210);
  EXPECT_EQ(p.f.Caption(), kRight.says.stopped);
  EXPECT_EQ(p.phase(kRight), 0);
  EXPECT_TRUE(p.lit(ArrayId::SWp1, kRight.buttons.off));
}

}  // namespace
}  // namespace yunuri::test
