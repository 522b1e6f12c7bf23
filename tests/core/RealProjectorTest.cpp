#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "Captions.h"
#include "PanelReach.h"
#include "devices/RealProjector.h"
#include "input/StartUp.h"
#include "pjlink/Protocol.h"

namespace yunuri::test {
namespace {

constexpr int kLeftOn = 0;
constexpr int kLeftOff = 1;
constexpr int kSimulatedCoolDown = 100;  // ticks from OFF to off for the simulated projector

// The captions a real projector adds, word for word.
constexpr std::string_view kNoAnswer = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀから応答がありません｡";
constexpr std::string_view kRefused = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀに接続できません｡";
constexpr std::string_view kPassword = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがﾊﾟｽﾜｰﾄﾞを受け付けません｡";
constexpr std::string_view kCommand = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｺﾏﾝﾄﾞを受け付けません｡";
constexpr std::string_view kFailure = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが故障を報告しています｡";
constexpr std::string_view kNoInput = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀにはこの映像の入力がありません｡";
constexpr std::string_view kAnswersAgain = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの応答が戻りました｡";
constexpr std::string_view kLampWarning = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが交換時期です｡";
constexpr std::string_view kCoverError = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰが開いています｡";
constexpr std::string_view kCleared = "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの異常が解消しました｡";

// The platform's side as a script: it records what the projector is sent; the test answers for it.
struct FakeSocket : ProjectorSocket {
  int connects = 0;
  int closes = 0;
  std::string written;
  std::vector<std::string> log;
  void Connect() override { ++connects; }
  void Write(std::string_view bytes) override { written += bytes; }
  void Close() override { ++closes; }
  void Log(std::string_view line) override { log.emplace_back(line); }
};

room::ProjectorLink leftLink(std::string password = {}) {
  room::ProjectorLink link;
  link.host = "192.0.2.10";
  link.password = std::move(password);
  link.inputs[1] = "31";  // the desktop PC; the notebook (2) is wired to nothing
  return link;
}

// The panel with its left projector real, the power popup open, before the projector's first tick.
struct RealPanel : ShownPanel {
  FakeSocket socket;
  RealProjector left;
  explicit RealPanel(std::string password = {}) : left(leftLink(std::move(password)), socket) {
    openPopup(kPowerPopup);
    f.Attach(0, &left);
  }
  std::string taken() { return std::exchange(socket.written, {}); }
  void say(std::string_view line) { left.Received(std::string(line) + "\r"); }
  void greet() {
    left.Connected();
    say("PJLINK 0");
  }
  // Answers one poll: the power (0 off, 1 on, 2 cooling, 3 warming) and the error status.
  void poll(std::string_view power, std::string_view status = "000000") {
    EXPECT_EQ(taken(), "%1POWR ?\r");
    say("%1POWR=" + std::string(power));
    EXPECT_EQ(taken(), "%1ERST ?\r");
    say("%1ERST=" + std::string(status));
  }
  // The first tick connects and asks.
  void start(std::string_view power) {
    ticks(1);
    EXPECT_EQ(socket.connects, 1);
    greet();
    poll(power);
    ticks(1);
  }
  // Ticks until the projector is asked again (at most `limit`), then answers.
  void nextPoll(std::string_view power, int limit = 20) {
    for (int i = 0; i < limit && socket.written.empty(); ++i) ticks(1);
    poll(power);
  }
  Byte phase() const { return f.state.LeftProjectorState; }
  bool unlinked(int button) const {
    return f.Element(ArrayId::SWp1, button).picture.kind == Picture::Kind::Unlinked;
  }
};

TEST(RealProjector, StartUpShowsWhatTheProjectorReportsWithoutACaption) {
  for (const auto& [power, on, off, blinking] : {std::tuple{"0", false, true, false},
                                                 {"1", true, false, false},
                                                 {"3", true, false, true},
                                                 {"2", false, true, true}}) {
    SCOPED_TRACE(power);
    RealPanel p;
    const std::string before = p.f.Caption();
    p.start(power);
    EXPECT_EQ(p.lit(ArrayId::SWp1, kLeftOn), on);
    EXPECT_EQ(p.lit(ArrayId::SWp1, kLeftOff), off);
    EXPECT_EQ(projector::Warming(p.phase()) || projector::Cooling(p.phase()), blinking);
    EXPECT_EQ(p.f.Caption(), before);
    EXPECT_TRUE(p.f.ProjectorAnswering(0));
    // The simulated right projector is untouched.
    EXPECT_EQ(p.f.state.RightProjectorState, kProjectorOn);
  }
}

TEST(RealProjector, OnBlinksUntilTheProjectorReportsOnWithOrWithoutWarmingUp) {
  for (const bool warmUp : {true, false}) {
    SCOPED_TRACE(warmUp);
    RealPanel p;
    p.start("0");
    p.click(ArrayId::SWp1, kLeftOn);
    EXPECT_EQ(p.taken(), "%1POWR 1\r");
    p.say("%1POWR=OK");
    p.ticks(1);
    EXPECT_EQ(p.f.Caption(), captions::kProjector[0].warming);
    // Far longer than the simulated warm-up: the blink goes on as long as the projector warms up.
    bool sawDark = false;
    for (int t = 0; t < (warmUp ? 300 : 10); ++t) {
      p.ticks(1);
      if (!p.socket.written.empty()) p.poll(warmUp ? "3" : "0");
      ASSERT_TRUE(projector::Warming(p.phase())) << t;
      EXPECT_TRUE(p.dark(ArrayId::SWp1, kLeftOff));
      sawDark = sawDark || p.dark(ArrayId::SWp1, kLeftOn);
    }
    EXPECT_TRUE(sawDark);
    p.nextPoll("1");
    p.ticks(1);
    EXPECT_EQ(p.phase(), kProjectorOn);
    EXPECT_TRUE(p.lit(ArrayId::SWp1, kLeftOn));
    EXPECT_EQ(p.f.Caption(), captions::kProjector[0].started);
  }
}

TEST(RealProjector, OffCoolsDownAndABusyProjectorIsAskedAgain) {
  RealPanel p;
  p.start("1");
  p.click(ArrayId::SWp1, kLeftOff);
  EXPECT_EQ(p.taken(), "%1POWR 0\r");
  p.say("%1POWR=OK");
  p.nextPoll("2");
  EXPECT_TRUE(projector::Cooling(p.phase()));
  EXPECT_EQ(p.f.Caption(), captions::kProjector[0].cooling);

  // ON while it cools down: "not now" is no failure; it is asked what it does, then asked again.
  p.click(ArrayId::SWp1, kLeftOn);
  EXPECT_EQ(p.taken(), "%1POWR 1\r");
  p.say("%1POWR=ERR3");
  EXPECT_EQ(p.taken(), "%1POWR ?\r");
  p.say("%1POWR=2");
  EXPECT_EQ(p.taken(), "");
  p.ticks(10);
  EXPECT_EQ(p.taken(), "%1POWR 1\r");
  p.say("%1POWR=OK");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), captions::kProjector[0].warming);
  EXPECT_TRUE(projector::Warming(p.phase()));
}

TEST(RealProjector, SendSwitchesTheInputOrMutesAndReportsOnceTheProjectorTookIt) {
  RealPanel p;
  p.start("1");
  p.selectSource(1);
  p.click(ArrayId::SWs, 0);
  EXPECT_EQ(p.taken(), "%1INPT 31\r");
  p.say("%1INPT=OK");
  EXPECT_EQ(p.taken(), "%1AVMT 10\r");
  p.ticks(1);
  EXPECT_NE(p.f.Caption(), captions::kSend[0][1]);
  p.say("%1AVMT=OK");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), captions::kSend[0][1]);

  p.selectSource(0);
  p.click(ArrayId::SWs, 0);
  EXPECT_EQ(p.taken(), "%1AVMT 11\r");
  p.say("%1AVMT=OK");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), captions::kSend[0][0]);

  p.selectSource(2);
  p.click(ArrayId::SWs, 0);
  EXPECT_EQ(p.f.Caption(), kNoInput);
  EXPECT_EQ(p.taken(), "");

  p.selectSource(1);
  p.click(ArrayId::SWs, 0);
  p.taken();
  p.say("%1INPT=ERR2");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kCommand);
  EXPECT_EQ(p.taken(), "");  // the mute is not lifted on an input that was refused
}

TEST(RealProjector, RefusedCommandsAndFailuresAreTold) {
  for (const auto& [reply, caption] : {std::pair{"ERR1", kCommand}, {"ERR2", kCommand}, {"ERR4", kFailure}}) {
    RealPanel p;
    p.start("0");
    p.click(ArrayId::SWp1, kLeftOn);
    p.taken();
    p.say(std::string("%1POWR=") + reply);
    p.ticks(1);
    EXPECT_EQ(p.f.Caption(), caption);
    // The blink stops: the buttons show the projector as it is.
    EXPECT_EQ(p.phase(), kProjectorOff);
    EXPECT_TRUE(p.lit(ArrayId::SWp1, kLeftOff));
  }
}

TEST(RealProjector, AnUnreachableProjectorIsToldOnceRetriedSlowlyAndWelcomedBack) {
  RealPanel p;
  p.ticks(1);
  p.ticks(50);  // nothing answers the connection
  EXPECT_EQ(p.socket.closes, 1);
  EXPECT_EQ(p.f.Caption(), kNoAnswer);
  EXPECT_TRUE(p.unlinked(kLeftOn) && p.unlinked(kLeftOff));
  EXPECT_FALSE(p.f.ProjectorAnswering(0));
  EXPECT_TRUE(p.f.ProjectorAnswering(1));

  p.f.SetCaption("x");
  p.ticks(150);
  EXPECT_EQ(p.socket.connects, 1);  // backs off
  p.ticks(60);
  EXPECT_EQ(p.socket.connects, 2);
  p.left.Lost(LinkLoss::Refused);
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kRefused);  // a different fault is told
  p.f.SetCaption("x");
  p.ticks(200);
  EXPECT_EQ(p.socket.connects, 3);
  p.left.Lost(LinkLoss::Refused);
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), "x");  // the same fault is not told again

  p.ticks(200);
  p.greet();
  p.poll("1");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kAnswersAgain);
  EXPECT_TRUE(p.f.ProjectorAnswering(0));
  EXPECT_TRUE(p.lit(ArrayId::SWp1, kLeftOn));
  EXPECT_TRUE(p.dark(ArrayId::SWp1, kLeftOff));
}

TEST(RealProjector, ARefusedPasswordIsNeverTriedAgainUntilAPress) {
  RealPanel p("secret");
  p.ticks(1);
  p.left.Connected();
  p.say("PJLINK 1 498e4a67");
  EXPECT_EQ(p.taken(), pjlink::AuthDigest("498e4a67", pjlink::Password("secret")) + "%1POWR ?\r");
  p.say("PJLINK ERRA");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kPassword);
  EXPECT_FALSE(p.f.ProjectorAnswering(0));
  for (const std::string& line : p.socket.log) EXPECT_EQ(line.find("secret"), std::string::npos) << line;
  p.ticks(3000);
  EXPECT_EQ(p.socket.connects, 1);
  p.click(ArrayId::SWp1, kLeftOff);  // the panel still shows it on
  EXPECT_EQ(p.socket.connects, 2);
}

TEST(RealProjector, ConnectionsThatCloseAreMadeAgainAndHostileBytesEndOnlyTheirs) {
  RealPanel p;
  p.start("1");
  // A projector that closes after every reply: what was in flight goes again on a new connection.
  p.nextPoll("1", 250);
  p.ticks(200);
  EXPECT_EQ(p.taken(), "%1POWR ?\r");
  p.say("%1POWR=1");
  EXPECT_EQ(p.taken(), "%1ERST ?\r");
  p.left.Lost(LinkLoss::Closed);
  EXPECT_EQ(p.socket.connects, 2);
  p.left.Connected();
  p.left.Received("PJLINK 0\n");  // some end their lines with LF
  EXPECT_EQ(p.taken(), "%1ERST ?\r");
  p.left.Received("%1ERST=000000\n");
  EXPECT_TRUE(p.f.ProjectorAnswering(0));

  // Bytes no projector sends: that connection ends, logged, and the panel and the other projector go on.
  p.ticks(200);
  p.taken();
  p.left.Received(std::string("%1POWR=\0\x01", 9));
  EXPECT_EQ(p.socket.closes, 1);
  ASSERT_FALSE(p.socket.log.empty());
  EXPECT_NE(p.socket.log.back().find("protocol error"), std::string::npos);
  p.click(ArrayId::SWp1, 3);
  p.ticks(kSimulatedCoolDown);
  EXPECT_EQ(p.f.state.RightProjectorState, kProjectorOff);
}

TEST(RealProjector, TheErrorStatusIsToldOncePerChange) {
  RealPanel p;
  p.start("1");
  p.nextPoll("1", 250);  // "000000": nothing said
  p.ticks(200);
  EXPECT_EQ(p.taken(), "%1POWR ?\r");
  p.say("%1POWR=1");
  p.taken();
  p.say("%1ERST=010000");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kLampWarning);
  p.f.SetCaption("x");
  p.ticks(200);
  p.poll("1", "010000");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), "x");
  p.ticks(200);
  p.poll("1", "010200");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kCoverError);
  p.ticks(200);
  p.poll("1", "000000");
  p.ticks(1);
  EXPECT_EQ(p.f.Caption(), kCleared);
}

TEST(RealProjector, StartingAgainShowsTheRealStateOnTheNextTick) {
  RealPanel p;
  p.start("0");
  ASSERT_TRUE(StartAgain(p.f));
  EXPECT_EQ(p.phase(), kProjectorOn);
  p.ticks(1);
  EXPECT_EQ(p.phase(), kProjectorOff);
  EXPECT_TRUE(p.lit(ArrayId::SWp1, kLeftOff));
  EXPECT_TRUE(p.dark(ArrayId::SWp1, kLeftOn));
}

}  // namespace
}  // namespace yunuri::test
