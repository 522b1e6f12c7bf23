#include <gtest/gtest.h>

#include <array>
#include <string>

#include "PanelReach.h"

namespace yunuri::test {
namespace {

constexpr int kLeftScreen = 0;
constexpr int kRightScreen = 1;
constexpr int kDvd = 8;

// [source][screen]
const std::array<std::array<const char*, 2>, 12> kSendCaptions = {{
    {"ゆぬり～  左側ｽｸﾘｰﾝ映像が非表示になりました｡", "ゆぬり～  右側ｽｸﾘｰﾝ映像が非表示になりました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡", "ゆぬり～  右側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡"},
    {"ゆぬり～  左側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡",
     "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡"},
}};

const std::array<const char*, 2> kNotOn = {"ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡",
                                           "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡"};
const std::array<ProjectorButtons, 2> kProjectorOf = {kLeftButtons, kRightButtons};

// One full send: the button lights while held, the label follows the monitor, the other screen's label stays,
// and the release darkens the button and says nothing more.
void expectSend(ShownPanel& p, int screen, int source, const std::string& caption) {
  const int other = 1 - screen;
  const Picture otherLabel = p.f.MES[other].picture;
  p.press(ArrayId::SWs, screen);
  EXPECT_EQ(p.f.SWs[screen].picture, p.f.SWsd);
  EXPECT_EQ(p.f.MES[screen].picture, p.f.MESd[source]);
  EXPECT_EQ(p.f.MES[other].picture, otherLabel);
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
      expectSend(p, screen, source, kSendCaptions[source][screen]);
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
      expectSend(p, screen, kDvd, kNotOn[screen]);
      EXPECT_EQ(p.f.MES[1 - screen].picture, p.f.MESd[0]);
    }
  }
}

TEST(ScreenSend, NamesTheSourceFromTheTickThatCompletesTheWarmUp) {
  ShownPanel p;
  p.click(ArrayId::SWm, kDvd);
  p.openPopup(kPowerPopup);
  driveProjector(p, kRightButtons, 99);
  expectSend(p, kRightScreen, kDvd, kNotOn[kRightScreen]);
  p.ticks(1);
  expectSend(p, kRightScreen, kDvd, kSendCaptions[kDvd][kRightScreen]);
}

TEST(ScreenSend, VideoOffClearsTheLabelEvenWithTheProjectorOff) {
  ShownPanel p;
  p.click(ArrayId::SWm, 3);
  expectSend(p, kLeftScreen, 3, kSendCaptions[3][kLeftScreen]);
  p.openPopup(kPowerPopup);
  driveProjector(p, kLeftButtons, 0);
  p.click(ArrayId::SWp1, 4);  // Close
  p.ticks(kSettleTicks);
  p.click(ArrayId::SWm, 0);
  EXPECT_EQ(p.f.MES[kLeftScreen].picture, p.f.MESd[3]);  // choosing a source sends nothing
  expectSend(p, kLeftScreen, 0, kNotOn[kLeftScreen]);
}

TEST(ScreenSend, ButtonStaysLitWhileHeldAcrossTicks) {
  ShownPanel p;
  p.press(ArrayId::SWs, kRightScreen);
  p.ticks(5);
  EXPECT_EQ(p.f.SWs[kRightScreen].picture, p.f.SWsd);
  EXPECT_TRUE(p.dark(ArrayId::SWs, kLeftScreen));
  p.f.CaptureLost();
  EXPECT_TRUE(p.dark(ArrayId::SWs, kRightScreen));
}

}  // namespace
}  // namespace yunuri::test
