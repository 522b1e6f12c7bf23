// Where a press lands: z-order of the picture boxes over the window's buttons, clipping at the window edge,
// transparent buttons, and the pressed element keeping the mouse until the release.
#include <gtest/gtest.h>

#include "PanelReach.h"

namespace yunuri::test {
namespace {

struct Ready : ShownPanel {
  Target at(int x, int y) const { return f.HitTest(x, y); }
};

Target element(BoxId box, ArrayId array, int index) {
  return {Target::Kind::Element, box, array, index};
}
Target onWindow(ArrayId array, int index) {
  return element(BoxId::MET, array, index);
}
Target box(BoxId id) {
  return {Target::Kind::Box, id};
}

TEST(MouseRouting, AnOpenPopupTakesTheClicksOfTheButtonsUnderIt) {
  Ready p;
  ASSERT_EQ(p.at(160, 115), onWindow(ArrayId::SWm, 4));
  p.openPopup(0);
  const std::string caption = p.f.Caption();
  // Off the popup's own buttons, over a source button.
  EXPECT_EQ(p.at(160, 115), box(BoxId::POP0));
  p.clickAt(160, 115);
  EXPECT_EQ(p.f.state.MonitorSource, 0);
  EXPECT_TRUE(p.f.Element(ArrayId::SWm, 4).picture.isNone());
  EXPECT_EQ(p.f.Caption(), caption);
  // On the right projector's OFF button, over another source button.
  EXPECT_EQ(p.at(170, 140), element(BoxId::POP0, ArrayId::SWp1, 3));
  EXPECT_EQ(p.at(205, 140), onWindow(ArrayId::SWm, 5));  // right of the popup
}

TEST(MouseRouting, TheExitPopupCoversSendVolumeAndTheMeterTop) {
  Ready p;
  p.openPopup(2);
  const std::string caption = p.f.Caption();
  const std::pair<int, int> covered[] = {p.centre(ArrayId::SWs, 0),
                                         p.centre(ArrayId::SWs, 1),
                                         p.centre(ArrayId::MES, 0),
                                         p.centre(ArrayId::SWv, 0),
                                         {365, 249} /* top rows of the down button */,
                                         {330, 222} /* meter */};
  for (const auto& [x, y] : covered) {
    EXPECT_EQ(p.at(x, y), box(BoxId::POP2)) << x << "," << y;
    MouseDown(p.f, x, y, MouseButton::Left);
    p.ticks(1);
    MouseUp(p.f, x, y, MouseButton::Left);
  }
  EXPECT_EQ(p.f.Caption(), caption);
  EXPECT_EQ(p.f.state.VolumeLevel, 50);
  EXPECT_TRUE(p.f.Element(ArrayId::SWs, 0).picture.isNone());
  EXPECT_EQ(p.at(365, 260), onWindow(ArrayId::SWv, 1));  // the rest of the down button is free
}

TEST(MouseRouting, TheRemoteAreaStacksPanelsByIndexNotByHowFarInTheyAre) {
  Ready p;
  p.click(ArrayId::SWm, 1);
  p.ticks(8);
  p.click(ArrayId::SWm, 6);
  p.ticks(1);
  ASSERT_EQ(p.f.Sousa(1).Left, -11);
  ASSERT_EQ(p.f.Sousa(2).Left, -76);
  EXPECT_EQ(p.at(5, 150).box, BoxId::Sousa2);
  EXPECT_EQ(p.at(40, 150), box(BoxId::Sousa1));

  p.ticks(7);
  p.press(ArrayId::SWr1, 6);
  EXPECT_EQ(p.f.HeldTarget(), element(BoxId::Sousa2, ArrayId::SWr1, 6));
}

TEST(MouseRouting, WhatLiesOutsideTheWindowTakesNoClick) {
  Ready p;
  p.click(ArrayId::SWm, 10);
  p.ticks(1);
  ASSERT_EQ(p.f.Sousa(5).Left, -76);
  // The dome camera's right arrow straddles the left edge: only its visible part is reachable.
  EXPECT_EQ(p.at(3, 165), element(BoxId::Sousa5, ArrayId::SWr4, 2));
  EXPECT_EQ(p.at(-9, 165).kind, Target::Kind::Outside);
  MouseDown(p.f, -9, 165, MouseButton::Left);
  EXPECT_FALSE(p.f.Holding());

  p.click(ArrayId::SWu, 0);
  p.ticks(3);
  ASSERT_EQ(p.f.POP(0).Top, -120);
  // The projector power popup's left ON button is still above the window; its close button already shows.
  EXPECT_EQ(p.at(140, 70), element(BoxId::POP0, ArrayId::SWp1, 4));
  MouseDown(p.f, 126, -46, MouseButton::Left);
  EXPECT_FALSE(p.f.Holding());
  EXPECT_EQ(p.at(400, 150).kind, Target::Kind::Outside);
  EXPECT_EQ(p.at(150, 300).kind, Target::Kind::Outside);
}

TEST(MouseRouting, AButtonWithoutAPictureStillTakesTheClickToItsLastPixel) {
  Ready p;
  EXPECT_TRUE(p.f.Element(ArrayId::SWm, 3).picture.isNone());
  EXPECT_EQ(p.at(238, 248), onWindow(ArrayId::SWm, 9));  // the larger stand camera element
  EXPECT_EQ(p.at(239, 248).kind, Target::Kind::Background);
  p.clickAt(238, 248);
  EXPECT_EQ(p.f.state.MonitorSource, 9);
  p.click(ArrayId::SWm, 3);
  EXPECT_EQ(p.f.state.MonitorSource, 3);
}

TEST(MouseRouting, TheReleaseGoesToThePressedElementWhereverItHappens) {
  Ready p;
  const auto [sx, sy] = p.centre(ArrayId::SWm, 5);
  p.press(ArrayId::SWv, 0);
  MouseDown(p.f, sx, sy, MouseButton::Right);  // a second button while one is held is part of that press
  MouseUp(p.f, sx, sy, MouseButton::Right);
  EXPECT_EQ(p.f.state.VolumeHeld, 1);
  MouseUp(p.f, sx, sy, MouseButton::Left);
  EXPECT_EQ(p.f.state.VolumeHeld, 0);
  EXPECT_TRUE(p.f.Element(ArrayId::SWv, 0).picture.isNone());
  EXPECT_EQ(p.f.state.MonitorSource, 0);

  p.press(ArrayId::SWv, 1);
  MouseUp(p.f, 500, 500, MouseButton::Left);
  EXPECT_EQ(p.f.state.VolumeHeld, 0);
  EXPECT_TRUE(p.f.Element(ArrayId::SWv, 1).picture.isNone());

  // Released over a volume button, a press that began elsewhere is not a volume press.
  const auto [vx, vy] = p.centre(ArrayId::SWv, 0);
  MouseDown(p.f, sx, sy, MouseButton::Left);
  MouseUp(p.f, vx, vy, MouseButton::Left);
  EXPECT_EQ(p.f.state.MonitorSource, 5);
  p.ticks(1);
  EXPECT_EQ(p.f.state.VolumeLevel, 50);
  EXPECT_TRUE(p.f.Element(ArrayId::SWv, 0).picture.isNone());
}

}  // namespace
}  // namespace yunuri::test
