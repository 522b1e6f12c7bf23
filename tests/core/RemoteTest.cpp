#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "Captions.h"
#include "PanelReach.h"

namespace yunuri::test {
namespace {

constexpr int kDomeCameraSource = 10;
constexpr int kDesktopPcSource = 1;

struct Remote {
  const char* name;
  int source;
  ArrayId buttons;
  BoxId panel;
  std::span<const std::string_view> captions;
};

const std::array<Remote, 4> kRemotes = {{
    {"DVD/VTR", 6, ArrayId::SWr1, BoxId::Sousa2, captions::kDvdVtrRemote},
    {"multi-standard VTR", 7, ArrayId::SWr2, BoxId::Sousa3, captions::kVtrRemote},
    {"DVD", 8, ArrayId::SWr3, BoxId::Sousa4, captions::kDvdRemote},
    {"dome camera", kDomeCameraSource, ArrayId::SWr4, BoxId::Sousa5, captions::kDomeCameraRemote},
}};

bool inside(const PictureBox& box, int x, int y) {
  const auto fx = static_cast<float>(x);
  const auto fy = static_cast<float>(y);
  return x >= 0 && fx >= box.Left && fx < box.Left + static_cast<float>(box.Width) && fy >= box.Top &&
         fy < box.Top + static_cast<float>(box.Height);
}

TEST(Remote, EveryButtonReportsOnPressAndLightsOnlyWhileHeld) {
  for (const Remote& r : kRemotes) {
    SCOPED_TRACE(r.name);
    ShownPanel p;
    p.selectSource(r.source);
    ASSERT_EQ(p.f.Elements(r.buttons).size(), r.captions.size());
    // Twice over, so that each button follows a different one the second time and repeats its caption.
    for (int pass = 0; pass < 2; ++pass) {
      for (int i = 0; i < static_cast<int>(r.captions.size()); ++i) {
        SCOPED_TRACE(i);
        p.press(r.buttons, i);
        EXPECT_TRUE(p.lit(r.buttons, i));
        EXPECT_EQ(p.litCount(r.buttons), 1);
        EXPECT_EQ(p.f.Caption(), r.captions[i]);
        p.ticks(3);
        EXPECT_TRUE(p.lit(r.buttons, i));
        p.release(r.buttons, i);
        EXPECT_EQ(p.litCount(r.buttons), 0);
        EXPECT_EQ(p.f.Caption(), r.captions[i]);
      }
    }
    p.press(r.buttons, 0);
    CaptureLost(p.f);
    EXPECT_EQ(p.litCount(r.buttons), 0);
    EXPECT_EQ(p.f.Caption(), r.captions[0]);
  }
}

TEST(Remote, ButtonsAreDeadOnceTheirPanelHasGone) {
  for (const Remote& r : kRemotes) {
    SCOPED_TRACE(r.name);
    ShownPanel p;
    p.selectSource(r.source);
    std::vector<std::pair<int, int>> where;
    where.reserve(r.captions.size());
    for (int i = 0; i < static_cast<int>(r.captions.size()); ++i) where.push_back(p.centre(r.buttons, i));
    p.selectSource(kDesktopPcSource);
    const Snapshot before = snapshot(p.f);
    for (const auto& [x, y] : where) {
      p.clickAt(x, y);
      EXPECT_EQ(snapshot(p.f), before) << x << "," << y;
    }
  }
}

TEST(Remote, ButtonsUnderAPanelSlidingOverThemAreNotReached) {
  constexpr int kMidSlideTicks = 3;
  for (const Remote& r : kRemotes) {
    if (r.panel == BoxId::Sousa5) continue;  // the topmost remote: nothing slides over it
    SCOPED_TRACE(r.name);
    ShownPanel p;
    p.selectSource(r.source);
    p.click(ArrayId::SWm, kDomeCameraSource);
    p.ticks(kMidSlideTicks);
    int covered = 0;
    for (int i = 0; i < static_cast<int>(r.captions.size()); ++i) {
      const auto [x, y] = p.centre(r.buttons, i);
      if (!inside(p.f.Box(r.panel), x, y) || !inside(p.f.Sousa(5), x, y)) continue;
      ++covered;
      p.press(r.buttons, i);
      EXPECT_TRUE(p.dark(r.buttons, i)) << i;
      EXPECT_NE(p.f.Caption(), r.captions[i]) << i;
      p.release(r.buttons, i);
    }
    EXPECT_GT(covered, 0);
  }
}

}  // namespace
}  // namespace yunuri::test
