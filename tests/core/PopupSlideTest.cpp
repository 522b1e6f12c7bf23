// The three popups under their top buttons: every position and every top-button picture, tick by tick,
// driven through real clicks.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "PanelReach.h"
#include "devices/Popups.h"

namespace yunuri::test {
namespace {

// Reads a popup's bytes by popup.
struct Ready : ShownPanel {
  Byte wanted(int k) { return PopupBytes(f.state, k).wanted; }
  Byte moving(int k) { return PopupBytes(f.state, k).moving; }
};

// The right end of the projector power button, which its popup never covers, even while it slides.
void clickPowerButtonUncovered(Panel& p) {
  p.clickAt(225, 14);
}

struct PopupCase {
  int k;
  float closed;
  float open;
  std::vector<float> in;
  std::vector<float> out;
};

const PopupCase kPopups[] = {
    {0,
     -210,
     26,
     {-180, -150, -120, -90, -60, -30, 0, 26},
     {-4, -34, -64, -94, -124, -154, -184, -214, -210}},
    {1,
     -218,
     26,
     {-188, -158, -128, -98, -68, -38, -8, 22, 26},
     {-4, -34, -64, -94, -124, -154, -184, -214, -244, -218}},
    {2,
     -198,
     53,
     {-168, -138, -108, -78, -48, -18, 12, 42, 53},
     {23, -7, -37, -67, -97, -127, -157, -187, -217, -198}},
};

TEST(PopupSlide, EveryPopupOpensAndClosesTickByTickWithItsTopButton) {
  for (const PopupCase& c : kPopups) {
    SCOPED_TRACE(c.k);
    Ready p;
    const std::string caption = p.f.Caption();
    const PictureBox& pop = p.f.POP(c.k);

    p.click(ArrayId::SWu, c.k);
    EXPECT_EQ(pop.Top, c.closed);  // the press moves nothing and changes no picture
    EXPECT_TRUE(p.dark(ArrayId::SWu, c.k));
    for (std::size_t t = 0; t < c.in.size(); ++t) {
      p.ticks(1);
      EXPECT_EQ(pop.Top, c.in[t]) << "in, tick " << t + 1;
      EXPECT_TRUE(p.lit(ArrayId::SWu, c.k)) << "in, tick " << t + 1;
      EXPECT_EQ(p.moving(c.k), t + 1 < c.in.size() ? 1 : 0);
    }

    p.click(ArrayId::SWu, c.k);
    EXPECT_EQ(pop.Top, c.open);
    EXPECT_TRUE(p.lit(ArrayId::SWu, c.k));
    for (std::size_t t = 0; t < c.out.size(); ++t) {
      p.ticks(1);
      EXPECT_EQ(pop.Top, c.out[t]) << "out, tick " << t + 1;
      EXPECT_TRUE(p.dark(ArrayId::SWu, c.k)) << "out, tick " << t + 1;
      EXPECT_EQ(p.moving(c.k), t + 1 < c.out.size() ? 1 : 0);
    }

    p.ticks(3);
    EXPECT_EQ(pop.Top, c.closed);
    EXPECT_EQ(pop.Left, boxLayout(pop.id).left);
    EXPECT_EQ(p.f.Caption(), caption);  // neither the presses nor the slides write a caption
  }
}

TEST(PopupSlide, ASecondPressMidSlideReversesFromWhereThePopupIs) {
  Ready p;
  clickPowerButtonUncovered(p);
  p.ticks(3);
  ASSERT_EQ(p.f.POP(0).Top, -120);
  clickPowerButtonUncovered(p);
  EXPECT_TRUE(p.lit(ArrayId::SWu, 0));  // still lit until the next tick
  // Going out from a position a whole number of steps above rest passes through rest once, then settles.
  for (float top : {-150.0F, -180.0F, -210.0F, -210.0F}) {
    p.ticks(1);
    EXPECT_EQ(p.f.POP(0).Top, top);
    EXPECT_TRUE(p.dark(ArrayId::SWu, 0));
  }
  EXPECT_EQ(p.moving(0), 0);

  // A closing popup sent back down continues from its current place.
  p.click(ArrayId::SWu, 0);
  p.ticks(8);
  p.click(ArrayId::SWu, 0);
  p.ticks(2);
  ASSERT_EQ(p.f.POP(0).Top, -34);
  clickPowerButtonUncovered(p);
  for (float top : {-4.0F, 26.0F}) {
    p.ticks(1);
    EXPECT_EQ(p.f.POP(0).Top, top);
    EXPECT_TRUE(p.lit(ArrayId::SWu, 0));
  }
  EXPECT_EQ(p.moving(0), 0);
}

TEST(PopupSlide, ASlidingPopupCoversItsOwnTopButton) {
  Ready p;
  p.click(ArrayId::SWu, 0);
  p.ticks(1);  // Top -180: the popup's lower edge lies across the button's left part
  p.click(ArrayId::SWu, 0);
  EXPECT_EQ(p.wanted(0), 1);
  p.ticks(1);
  EXPECT_EQ(p.f.POP(0).Top, -150);

  p.click(ArrayId::SWu, 2);
  p.ticks(9);
  p.click(ArrayId::SWu, 2);
  p.ticks(2);
  ASSERT_EQ(p.f.POP(2).Top, -7);  // the whole exit button lies under the rising popup
  p.click(ArrayId::SWu, 2);
  EXPECT_EQ(p.wanted(2), 0);
  p.ticks(1);
  EXPECT_EQ(p.f.POP(2).Top, -37);
}

// Two presses between two ticks on a popup at rest: it still wants what it wanted, and the next tick sets it
// back at that rest with its top button to match.
void expectTwoPressesKeepItAtRest(Ready& p, const PopupCase& c, bool open) {
  p.click(ArrayId::SWu, c.k);
  p.click(ArrayId::SWu, c.k);
  EXPECT_EQ(p.wanted(c.k), open ? 1 : 0);
  EXPECT_EQ(p.moving(c.k), 1);
  p.ticks(1);
  EXPECT_EQ(p.f.POP(c.k).Top, open ? c.open : c.closed);
  EXPECT_EQ(p.moving(c.k), 0);
  EXPECT_TRUE(open ? p.lit(ArrayId::SWu, c.k) : p.dark(ArrayId::SWu, c.k));
}

TEST(PopupSlide, TwoPressesBetweenTwoTicksResetThePopupAtItsRest) {
  for (const PopupCase& c : kPopups) {
    SCOPED_TRACE(c.k);
    Ready p;
    expectTwoPressesKeepItAtRest(p, c, false);
    p.click(ArrayId::SWu, c.k);
    p.ticks(10);
    expectTwoPressesKeepItAtRest(p, c, true);
  }
}

TEST(PopupSlide, AllThreePopupsOpenSideBySideAndStayOpen) {
  Ready p;
  p.click(ArrayId::SWu, 0);
  p.ticks(8);
  p.click(ArrayId::SWu, 1);
  p.click(ArrayId::SWu, 2);
  p.ticks(9);
  const float open[] = {26, 26, 53};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(p.f.POP(k).Top, open[k]) << k;
    EXPECT_EQ(p.wanted(k), 1) << k;
    EXPECT_EQ(p.moving(k), 0) << k;
    EXPECT_TRUE(p.lit(ArrayId::SWu, k)) << k;
  }
  // The exit button only opens the confirmation.
  EXPECT_FALSE(p.f.Ended());
  EXPECT_EQ(p.app.calls, std::vector<std::string>{"PrevInstance"});

  p.click(ArrayId::SWu, 1);
  p.ticks(10);
  EXPECT_EQ(p.f.POP(0).Top, 26);
  EXPECT_EQ(p.f.POP(1).Top, -218);
  EXPECT_EQ(p.f.POP(2).Top, 53);
}

TEST(PopupSlide, AnIndexOutsideTheTopButtonsDoesNothing) {
  Ready p;
  const PanelState before = p.f.state;
  SWu_MouseDown(p.f, 3);
  SWu_MouseDown(p.f, -1);
  EXPECT_EQ(std::memcmp(&before, &p.f.state, sizeof before), 0);
}

}  // namespace
}  // namespace yunuri::test
