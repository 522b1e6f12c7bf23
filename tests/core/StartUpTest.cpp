#include <gtest/gtest.h>

#include <cstring>

#include "Captions.h"
#include "PanelReach.h"

namespace yunuri::test {
namespace {

TEST(StartUp, SetsTheRoomUpParksEverySliderAndLaysTheNoticeOverThePanel) {
  Panel p;
  PanelState room;  // every other byte stays 0
  room.VolumeLevel = 50;
  room.LeftProjectorState = 100;
  room.RightProjectorState = 100;
  room.LoopIndex = 6;
  EXPECT_EQ(std::memcmp(&p.f.state, &room, sizeof room), 0);
  EXPECT_EQ(p.f.Caption(), captions::kTitle);
  EXPECT_TRUE(p.f.Timer1.Enabled);
  EXPECT_EQ(p.f.Timer1.Interval, 100);
  EXPECT_EQ(p.app.calls, std::vector<std::string>{"PrevInstance"});

  // Every slider parked out of view.
  const float parkedTops[] = {-210, -218, -198};
  const float lefts[] = {109, 204, 300};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(p.f.POP(k).Top, parkedTops[k]);
    EXPECT_EQ(p.f.POP(k).Left, lefts[k]);
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(p.f.Sousa(i).Left, -91);
    EXPECT_EQ(p.f.Sousa(i).Top, 85);
  }
  EXPECT_EQ(p.f.KABE().Left, 0);
  EXPECT_EQ(p.f.KABE().Top, 0);
  EXPECT_TRUE(p.f.KABE().Visible);

  // Video off and both projectors' ON buttons lit, nothing else; both screen labels read 映像OFF.
  EXPECT_TRUE(p.lit(ArrayId::SWm, 0));
  EXPECT_EQ(p.litCount(ArrayId::SWm), 1);
  EXPECT_TRUE(p.lit(ArrayId::SWp1, 0) && p.lit(ArrayId::SWp1, 2));
  EXPECT_EQ(p.litCount(ArrayId::SWp1), 2);
  EXPECT_EQ(p.f.Element(ArrayId::MES, 0).picture, p.f.MESd(0));
  EXPECT_EQ(p.f.Element(ArrayId::MES, 1).picture, p.f.MESd(0));

  // The meter at half, drawn without clearing first.
  const std::vector<MeterOp> expected = {
      {MeterOp::Kind::Box, 0, 77, 15, 38.5F, {255, 128, 0}, {}},
      {MeterOp::Kind::Text, 0, 30.5F, 0, 0, {255, 255, 255}, " 50"},
      {MeterOp::Kind::Text, 6, 38.5F, 0, 0, {255, 255, 255}, "%"},
  };
  EXPECT_EQ(p.f.METDrawing.ops, expected);
}

TEST(StartUp, ASecondCopyShowsTheCautionBoxAndEndsBeforeAnythingElse) {
  FakeApp app;
  app.prevInstance = true;
  Form1 f(app);
  EXPECT_FALSE(Form_Load(f));
  EXPECT_EQ(app.calls, (std::vector<std::string>{
                           "PrevInstance", "MsgBox:CAUTION!!:「ゆぬり～」は既に開かれています｡", "End"}));
  EXPECT_TRUE(f.Ended());
  EXPECT_FALSE(f.Timer1.Enabled);
  EXPECT_EQ(f.state.VolumeLevel, 0);
}

TEST(Notice, ClickHidesItOnceAndBringsInTheSelectADevicePanel) {
  Panel p;
  p.dismissNotice();
  EXPECT_FALSE(p.f.KABE().Visible);
  EXPECT_EQ(p.f.state.PanelShown[0], 1);
  EXPECT_EQ(p.f.state.PanelMoving[0], 1);
  EXPECT_EQ(p.f.Caption(), captions::kTitle);
  for (int i = 1; i < 6; ++i) EXPECT_EQ(p.f.state.PanelMoving[i], 0);
}

TEST(Notice, CoversEveryButtonAndOnlyAPrimaryClickOnItDismissesIt) {
  Panel p;
  p.press(ArrayId::SWm, 3);
  EXPECT_EQ(p.f.state.MonitorSource, 0);
  EXPECT_TRUE(p.dark(ArrayId::SWm, 3));
  ASSERT_TRUE(p.f.HeldTarget().has_value());
  EXPECT_EQ(p.f.HeldTarget()->kind, Target::Kind::Notice);
  CaptureLost(p.f);
  EXPECT_TRUE(p.f.KABE().Visible);
  MouseDown(p.f, 200, 150, MouseButton::Right);
  MouseUp(p.f, 200, 150, MouseButton::Right);
  EXPECT_TRUE(p.f.KABE().Visible);
  MouseDown(p.f, 200, 150, MouseButton::Left);
  MouseUp(p.f, 500, 150, MouseButton::Left);  // released off the window
  EXPECT_TRUE(p.f.KABE().Visible);
}

// A visitor leaves the room in every kind of state: a CD remote in view, a popup open, volume and mute
// changed, a projector warming up, the program ended from its exit popup.
void leaveAsAVisitor(ShownPanel& p) {
  p.selectSource(2);
  p.click(ArrayId::SWs, 0);
  p.press(ArrayId::SWv, 1);
  p.ticks(7);
  p.release(ArrayId::SWv, 1);
  p.click(ArrayId::SWv, 2);
  p.openPopup(kPowerPopup);
  p.click(ArrayId::SWp1, kLeftButtons.off);
  p.ticks(120);
  p.click(ArrayId::SWp1, kLeftButtons.on);
  p.ticks(3);
  p.openPopup(kExitPopup);
  p.click(ArrayId::SWp3, 0);
}

TEST(StartAgain, LeavesTheWindowExactlyAsStartUpDoesAndRunsOn) {
  ShownPanel p;
  leaveAsAVisitor(p);
  ASSERT_TRUE(p.f.Ended());
  const Panel fresh;
  ASSERT_NE(snapshot(p.f), snapshot(fresh.f));
  p.f.TakeDirty();
  p.f.TakeCaptionChanged();

  ASSERT_TRUE(StartAgain(p.f));
  EXPECT_EQ(snapshot(p.f), snapshot(fresh.f));
  EXPECT_EQ(p.f.METDrawing.ops, fresh.f.METDrawing.ops);
  EXPECT_FALSE(p.f.Holding());
  EXPECT_EQ(p.f.input.popupOpenedAt, fresh.f.input.popupOpenedAt);
  EXPECT_EQ(p.f.input.openings, fresh.f.input.openings);
  EXPECT_TRUE(p.f.Timer1.Enabled);
  EXPECT_EQ(std::count(p.app.calls.begin(), p.app.calls.end(), "PrevInstance"), 1) << "asked the guard again";
  EXPECT_TRUE(p.f.TakeCaptionChanged());
  const std::vector<DirtyRect> dirty = p.f.TakeDirty();
  ASSERT_EQ(dirty.size(), 1U);
  EXPECT_EQ(dirty[0].width * dirty[0].height, 400.0F * 300.0F) << "not the whole window repainted";
  EXPECT_FALSE(p.f.TakeCheckedChanges().empty()) << "screen readers would not hear the source go back";

  // And it is a panel like any other: the notice goes with a click, the room answers.
  p.dismissNotice();
  p.ticks(kSettleTicks);
  ShownPanel other;
  EXPECT_EQ(snapshot(p.f), snapshot(other.f));
}

TEST(StartAgain, NeverPullsAHeldButtonFromUnderTheFinger) {
  ShownPanel p;
  p.press(ArrayId::SWv, 0);
  p.ticks(3);
  const Snapshot held = snapshot(p.f);
  EXPECT_FALSE(StartAgain(p.f));
  EXPECT_EQ(snapshot(p.f), held);
  EXPECT_TRUE(p.f.Holding());
  p.release(ArrayId::SWv, 0);
  EXPECT_TRUE(StartAgain(p.f));
  EXPECT_TRUE(p.f.NoticeUp());
}

}  // namespace
}  // namespace yunuri::test
