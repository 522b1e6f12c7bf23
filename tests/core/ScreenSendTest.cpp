#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "Captions.h"
#include "PanelReach.h"

namespace yunuri::test {
namespace {

constexpr int kLeftScreen = 0;
constexpr int kRightScreen = 1;
constexpr int kDvd = 8;

const std::array<ProjectorButtons, 2> kProjectorOf = {kLeftButtons, kRightButtons};

// One full send: the button lights while held, the label follows the monitor, the other screen's label stays,
// and the release darkens the button and says nothing more.
void expectSend(ShownPanel& p, int screen, int source, std::string_view caption) {
  const int other = 1 - screen;
  const Picture otherLabel = p.f.Element(ArrayId::MES, other).picture;
  p.press(ArrayId::SWs, screen);
  EXPECT_EQ(p.f.Element(ArrayId::SWs, screen).picture, p.f.Twin(ArrayId::SWs, 0));
  EXPECT_EQ(p.f.Element(ArrayId::MES, screen).picture, p.f.MESd(source));
  EXPECT_EQ(p.f.Element(ArrayId::MES, other).picture, otherLabel);
  EXPECT_EQ(p.f.Caption(), caption);
  p.release(ArrayId::SWs, screen);
  EXPECT_TRUE(p.dark(ArrayId::SWs, screen));
  EXPECT_EQ(p.f.Caption(), caption);
}

TEST(ScreenSend, NamesEverySourceOnEitherScreenWhileTheProjectorIsOn) {
  ShownPanel p;
  for (int source = 0; source < 12; ++source) {
    p.click(ArrayId::SWm, source);
    for (const int screen : {kLeftScreen, kRightScreen}) {
      SCOPED_TRACE("source " + std::to_string(source) + " screen " + std::to_string(screen));
      expectSend(p, screen, source, captions::kSend[screen][source]);
    }
  }
}

TEST(ScreenSend, AProjectorNotFullyOnStillTakesTheLabel) {
  for (const int screen : {kLeftScreen, kRightScreen}) {
    for (const int value : {0, 1, 50, 99, 101, 150, 199}) {
      SCOPED_TRACE("screen " + std::to_string(screen) + " at " + std::to_string(value));
      ShownPanel p;
      p.click(ArrayId::SWm, kDvd);  // before the popup covers the source buttons
      p.openPopup(kPowerPopup);
      driveProjector(p, kProjectorOf[screen], value);
      expectSend(p, screen, kDvd, captions::kProjectorNotOn[screen]);
      EXPECT_EQ(p.f.Element(ArrayId::MES, 1 - screen).picture, p.f.MESd(0));
    }
  }
}

TEST(ScreenSend, NamesTheSourceFromTheTickThatCompletesTheWarmUp) {
  ShownPanel p;
  p.click(ArrayId::SWm, kDvd);
  p.openPopup(kPowerPopup);
  driveProjector(p, kRightButtons, 99);
  expectSend(p, kRightScreen, kDvd, captions::kProjectorNotOn[kRightScreen]);
  p.ticks(1);
  expectSend(p, kRightScreen, kDvd, captions::kSend[kRightScreen][kDvd]);
}

TEST(ScreenSend, VideoOffClearsTheLabelEvenWithTheProjectorOff) {
  ShownPanel p;
  p.click(ArrayId::SWm, 3);
  expectSend(p, kLeftScreen, 3, captions::kSend[kLeftScreen][3]);
  p.openPopup(kPowerPopup);
  driveProjector(p, kLeftButtons, 0);
  p.click(ArrayId::SWp1, 4);  // Close
  p.ticks(kSettleTicks);
  p.click(ArrayId::SWm, 0);
  EXPECT_EQ(p.f.Element(ArrayId::MES, kLeftScreen).picture, p.f.MESd(3));  // choosing a source sends nothing
  expectSend(p, kLeftScreen, 0, captions::kProjectorNotOn[kLeftScreen]);
}

TEST(ScreenSend, ButtonStaysLitWhileHeldAcrossTicks) {
  ShownPanel p;
  p.press(ArrayId::SWs, kRightScreen);
  p.ticks(5);
  EXPECT_EQ(p.f.Element(ArrayId::SWs, kRightScreen).picture, p.f.Twin(ArrayId::SWs, 0));
  EXPECT_TRUE(p.dark(ArrayId::SWs, kLeftScreen));
  CaptureLost(p.f);
  EXPECT_TRUE(p.dark(ArrayId::SWs, kRightScreen));
}

}  // namespace
}  // namespace yunuri::test
