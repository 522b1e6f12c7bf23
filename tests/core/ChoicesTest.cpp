// What reads as checked, and the changes the shell passes on to screen readers: each change once, none for a
// projector button's blinking.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "PanelReach.h"
#include "window/Told.h"

namespace yunuri::test {
namespace {

using Changes = std::vector<ButtonRef>;

Changes sorted(Changes c) {
  std::sort(c.begin(), c.end(), [](const ButtonRef& a, const ButtonRef& b) {
    return a.array != b.array ? a.array < b.array : a.index < b.index;
  });
  return c;
}

TEST(Choices, AreReportedOnceAsTheyChangeAndNotForABlink) {
  ShownPanel p;
  Told told;
  // As made: video off, both projectors on, sound on.
  EXPECT_EQ(sorted(told.checkedChanges(p.f)),
            (Changes{{ArrayId::SWm, 0}, {ArrayId::SWp1, 0}, {ArrayId::SWp1, 2}}));
  EXPECT_TRUE(told.checkedChanges(p.f).empty());

  p.selectSource(8);
  EXPECT_EQ(sorted(told.checkedChanges(p.f)), (Changes{{ArrayId::SWm, 0}, {ArrayId::SWm, 8}}));
  p.click(ArrayId::SWv, 2);
  EXPECT_EQ(told.checkedChanges(p.f), (Changes{{ArrayId::SWv, 2}}));
  EXPECT_TRUE(p.f.Checked(ArrayId::SWv, 2));

  p.openPopup(kPowerPopup);
  p.click(ArrayId::SWp1, kLeftButtons.off);
  EXPECT_EQ(sorted(told.checkedChanges(p.f)), (Changes{{ArrayId::SWp1, 0}, {ArrayId::SWp1, 1}}));
  // Cooling down, OFF blinks but stays the checked one.
  for (int t = 0; t < 98; ++t) {
    p.ticks(1);
    ASSERT_TRUE(told.checkedChanges(p.f).empty()) << "tick " << t;
    ASSERT_TRUE(p.f.Checked(ArrayId::SWp1, kLeftButtons.off));
  }
  EXPECT_FALSE(p.f.Checked(ArrayId::SWp1, kLeftButtons.on));
  EXPECT_FALSE(p.f.Checked(ArrayId::SWp1, 4));  // the close button is never a choice
}

}  // namespace
}  // namespace yunuri::test
