#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

#include "pjlink/LineFramer.h"
#include "pjlink/Md5.h"
#include "pjlink/Protocol.h"
#include "pjlink/Session.h"

namespace yunuri::pjlink {
namespace {

std::vector<std::string> Lines(LineFramer& framer) {
  std::vector<std::string> lines;
  while (auto line = framer.TakeLine()) lines.push_back(*line);
  return lines;
}

TEST(Pjlink, Md5KnownDigestsAndTheProjectorsDigest) {
  // Every length class of the padding: empty, short, one short of a block's length field, several blocks.
  const std::pair<std::string_view, std::string_view> vectors[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& [input, digest] : vectors) EXPECT_EQ(Md5Hex(input), digest) << input;
  EXPECT_EQ(Md5Hex(std::string(55, 'x')), "04364420e25c512fd958a70738aa8f72");
  EXPECT_EQ(Md5Hex(std::string(56, 'x')), "668a72d5ba17f08e62dabcafad6db14b");

  EXPECT_EQ(AuthDigest("498e4a67", Password("JBMIAProjectorLink")), "5d8409bc1c3fa39749434aa3a5c38682");
}

TEST(Pjlink, FramerCutsLinesAndRefusesWhatNoProjectorSends) {
  LineFramer framer;
  EXPECT_TRUE(framer.Feed("PJLINK 0\r%1POWR=1\n%1IN"));
  EXPECT_TRUE(framer.Feed("PT=31\r\n\r\n%1AVMT=11\n\r"));
  EXPECT_EQ(Lines(framer), (std::vector<std::string>{"PJLINK 0", "%1POWR=1", "%1INPT=31", "%1AVMT=11"}));
  EXPECT_EQ(framer.Held(), 0U);

  const std::string longest(LineFramer::kLongestLine, 'n');
  EXPECT_TRUE(framer.Feed(longest + "\r"));
  EXPECT_EQ(framer.TakeLine(), longest);
  EXPECT_TRUE(framer.Feed("\xe3\x83\x97\r"));  // a name beyond ASCII is text
  EXPECT_EQ(framer.TakeLine(), "\xe3\x83\x97");

  const std::string broken[] = {longest + "n", std::string("%1PO\0WR", 7), "a\tb", "\x7f"};
  for (const std::string& bytes : broken) {
    LineFramer refusing;
    EXPECT_FALSE(refusing.Feed(bytes));
    EXPECT_TRUE(refusing.Broken());
    EXPECT_FALSE(refusing.Why().empty());
    EXPECT_FALSE(refusing.Feed("PJLINK 0\r"));
    EXPECT_EQ(refusing.TakeLine(), std::nullopt);
  }

  // Short lines that nobody reads: refused before they hold more than the bound.
  LineFramer flooded;
  std::size_t fed = 0;  // what the unread lines hold
  for (int line = 0; line < 1000 && flooded.Feed("%1POWR=1\r"); ++line) fed += 8;  // its end is not held
  EXPECT_GT(fed, LineFramer::kMostHeld - 20);
  EXPECT_LE(fed, LineFramer::kMostHeld);
  EXPECT_TRUE(flooded.Broken());
  EXPECT_EQ(flooded.Held(), 0U);
}

TEST(Pjlink, GreetingCommandsAndTheDigestInFrontOfTheFirstOnly) {
  EXPECT_EQ(ParseGreeting("PJLINK 0")->kind, Greeting::Kind::Open);
  EXPECT_EQ(ParseGreeting("PJLINK ERRA")->kind, Greeting::Kind::Denied);
  const auto challenge = ParseGreeting("PJLINK 1 498e4a67");
  ASSERT_TRUE(challenge);
  EXPECT_EQ(challenge->kind, Greeting::Kind::Challenge);
  for (std::string_view bad :
       {"PJLINK 1 498e4a6", "PJLINK 1 498e4a678", "PJLINK 1 498e 4a6", "PJLINK 2", "%1POWR=1"}) {
    EXPECT_FALSE(ParseGreeting(bad)) << bad;
  }

  EXPECT_EQ(Encode(SetPower(true)), "%1POWR 1\r");
  EXPECT_EQ(Encode(SetPower(false)), "%1POWR 0\r");
  EXPECT_EQ(Encode(Ask(Command::Power)), "%1POWR ?\r");
  EXPECT_EQ(Encode(*SelectInput("31")), "%1INPT 31\r");
  EXPECT_EQ(Encode(SetMute(Mute::PictureOn)), "%1AVMT 11\r");
  const std::pair<Command, std::string_view> queries[] = {
      {Command::ErrorStatus, "%1ERST ?\r"}, {Command::Class, "%1CLSS ?\r"}, {Command::Inputs, "%1INST ?\r"},
      {Command::Name, "%1NAME ?\r"},        {Command::Maker, "%1INF1 ?\r"}, {Command::Model, "%1INF2 ?\r"},
      {Command::Lamp, "%1LAMP ?\r"},        {Command::Input, "%1INPT ?\r"}, {Command::AvMute, "%1AVMT ?\r"}};
  for (const auto& [command, line] : queries) EXPECT_EQ(Encode(Ask(command)), line);
  for (std::string_view bad : {"", "3", "01", "71", "30", "3a", "311"}) EXPECT_FALSE(SelectInput(bad)) << bad;
  EXPECT_TRUE(SelectInput("2Z"));
  // Inputs class 1 cannot name go, and come back, in class 2.
  EXPECT_EQ(Encode(*SelectInput("3A")), "%2INPT 3A\r");
  EXPECT_EQ(Encode(*SelectInput("61")), "%2INPT 61\r");

  Outgoing secured(*challenge, Password("JBMIAProjectorLink"));
  EXPECT_EQ(secured.Write(Ask(Command::Power)), "5d8409bc1c3fa39749434aa3a5c38682%1POWR ?\r");
  EXPECT_EQ(secured.Write(Ask(Command::Power)), "%1POWR ?\r");
  Outgoing open(*ParseGreeting("PJLINK 0"), Password("JBMIAProjectorLink"));
  EXPECT_EQ(open.Write(SetPower(true)), "%1POWR 1\r");
}

template <typename T>
T As(std::string_view line, const Request& inFlight) {
  const Reply reply = ParseReply(line, inFlight);
  const T* value = std::get_if<T>(&reply);
  if (value == nullptr) {
    ADD_FAILURE() << line << " read as alternative " << reply.index();
    return T{};
  }
  return *value;
}

bool Refused(std::string_view line, const Request& inFlight) {
  return std::holds_alternative<ProtocolError>(ParseReply(line, inFlight));
}

TEST(Pjlink, RepliesReadAsTypedValues) {
  const Request power = Ask(Command::Power);
  EXPECT_EQ(As<Power>("%1POWR=0", power), Power::Off);
  EXPECT_EQ(As<Power>("%1POWR=1", power), Power::On);
  EXPECT_EQ(As<Power>("%1POWR=2", power), Power::Cooling);
  EXPECT_EQ(As<Power>("%1POWR=3", power), Power::Warming);
  std::ignore = As<Ok>("%1POWR=OK", SetPower(true));
  EXPECT_EQ(As<Input>("%1INPT=31", Ask(Command::Input)).code, "31");
  std::ignore = As<Ok>("%1INPT=OK", *SelectInput("31"));
  std::ignore = As<Ok>("%2INPT=OK", *SelectInput("3A"));
  EXPECT_TRUE(Refused("%1INPT=OK", *SelectInput("3A")));
  EXPECT_TRUE(Refused("%2POWR=1", Ask(Command::Power)));
  EXPECT_EQ(As<MuteState>("%1AVMT=11", Ask(Command::AvMute)).mute, Mute::PictureOn);
  EXPECT_EQ(As<MuteState>("%1AVMT=30", Ask(Command::AvMute)).mute, Mute::BothOff);
  EXPECT_EQ(
      As<Faults>("%1ERST=012000", Ask(Command::ErrorStatus)).parts,
      (std::array{Health::Fine, Health::Warning, Health::Error, Health::Fine, Health::Fine, Health::Fine}));
  EXPECT_EQ(As<Inputs>("%1INST=11 12 31 32 2A", Ask(Command::Inputs)).codes,
            (std::vector<std::string>{"11", "12", "31", "32", "2A"}));
  EXPECT_TRUE(As<Inputs>("%1INST=", Ask(Command::Inputs)).codes.empty());
  EXPECT_EQ(As<Text>("%1NAME=Room 101 left", Ask(Command::Name)).text, "Room 101 left");
  EXPECT_EQ(As<Text>("%1INF1=", Ask(Command::Maker)).text, "");
  EXPECT_EQ(As<Text>("%1INF2=X-100", Ask(Command::Model)).text, "X-100");
  const auto lamps = As<Lamps>("%1LAMP=12345 1 0 0", Ask(Command::Lamp));
  ASSERT_EQ(lamps.lamps.size(), 2U);
  EXPECT_EQ(lamps.lamps[0].hours, 12345U);
  EXPECT_TRUE(lamps.lamps[0].on);
  EXPECT_FALSE(lamps.lamps[1].on);
  // What projectors in the field answer to the class.
  for (std::string_view line : {"%1CLSS=1", "%1CLSS=Class 1", "%1CLSS=Version1"}) {
    EXPECT_EQ(As<ClassNumber>(line, Ask(Command::Class)).number, 1) << line;
  }
  EXPECT_EQ(As<ClassNumber>("%1CLSS=2", Ask(Command::Class)).number, 2);

  EXPECT_EQ(As<Refusal>("%1POWR=ERR1", SetPower(true)), Refusal::Undefined);
  EXPECT_EQ(As<Refusal>("%1INPT=ERR2", *SelectInput("59")), Refusal::OutOfRange);
  EXPECT_EQ(As<Refusal>("%1POWR=ERR3", SetPower(false)), Refusal::Unavailable);
  EXPECT_EQ(As<Refusal>("%1ERST=ERR4", Ask(Command::ErrorStatus)), Refusal::Failure);
  EXPECT_EQ(As<Refusal>("%1POWR=ERRA", power), Refusal::Denied);
  EXPECT_EQ(As<Refusal>("PJLINK ERRA", power), Refusal::Denied);
  EXPECT_EQ(As<Refusal>("%1LAMP=ERR1", Ask(Command::Lamp)), Refusal::Undefined);  // laser models

  // Replies that cannot answer what was asked.
  EXPECT_TRUE(Refused("%1INPT=31", power));
  EXPECT_TRUE(Refused("%1POWR=OK", power));
  EXPECT_TRUE(Refused("%1POWR=1", SetPower(true)));
  EXPECT_TRUE(Refused("%1POWR=4", power));
  EXPECT_TRUE(Refused("%1POWR=", power));
  EXPECT_TRUE(Refused("%2POWR=1", power));
  EXPECT_TRUE(Refused("%1POWR 1", power));
  EXPECT_TRUE(Refused("PJLINK 0", power));
  EXPECT_TRUE(Refused("%1ERST=01200", Ask(Command::ErrorStatus)));
  EXPECT_TRUE(Refused("%1ERST=013000", Ask(Command::ErrorStatus)));
  EXPECT_TRUE(Refused("%1AVMT=12", Ask(Command::AvMute)));
  EXPECT_TRUE(Refused("%1INST=11 7", Ask(Command::Inputs)));
  EXPECT_TRUE(Refused("%1CLSS=Class", Ask(Command::Class)));
  EXPECT_TRUE(Refused("%1LAMP=123456 1", Ask(Command::Lamp)));
  EXPECT_TRUE(Refused("%1LAMP=12 1 3", Ask(Command::Lamp)));
}

TEST(Pjlink, SessionKeepsOneCommandInFlightAndEndsOnSilenceOrNonsense) {
  using Time = Session::Time;
  const Time start{1000};
  Session session(Password("JBMIAProjectorLink"), start);
  EXPECT_TRUE(session.Send(Ask(Command::Power), start));
  EXPECT_TRUE(session.Send(SetPower(true), start));
  EXPECT_EQ(session.TakeOutgoing(), "");  // the projector speaks first
  session.Received("PJLINK 1 498e4a67\r", start);
  EXPECT_EQ(session.TakeOutgoing(), "5d8409bc1c3fa39749434aa3a5c38682%1POWR ?\r");
  const Time late = start + Session::kTimeout - Time(1);
  session.Tick(late);
  session.Received("%1POWR=0\n", late);
  EXPECT_EQ(session.TakeOutgoing(), "%1POWR 1\r");
  session.Tick(late + Time(100));  // the first command's deadline has passed, not the second's
  EXPECT_FALSE(session.Ended());
  session.Received("%1POWR=ERR3\r", late + Time(200));
  EXPECT_TRUE(session.Idle());
  const auto asked = session.TakeAnswer();
  ASSERT_TRUE(asked);
  EXPECT_EQ(std::get<Power>(asked->reply), Power::Off);
  EXPECT_EQ(std::get<Refusal>(session.TakeAnswer()->reply), Refusal::Unavailable);
  EXPECT_FALSE(session.TakeAnswer());
  // Idle time is no silence: the next command gets its own deadline.
  session.Tick(start + Time(60'000));
  EXPECT_TRUE(session.Send(Ask(Command::Power), start + Time(60'000)));
  session.Tick(start + Time(60'000) + Session::kTimeout - Time(1));
  EXPECT_FALSE(session.Ended());
  session.Tick(start + Time(60'000) + Session::kTimeout);
  EXPECT_EQ(session.Why(), "no reply");
  EXPECT_FALSE(session.Send(Ask(Command::Power), start));

  struct Ending {
    std::string_view greeting;
    std::string_view then;
    std::string_view why;
    Session::Ending how;
    bool asks = false;
  };
  using E = Session::Ending;
  const Ending endings[] = {
      {"PJLINK 0\r", "%1POWR=1\r", "reply to no command", E::Protocol},
      {"PJLINK 0\r", "%1INPT=31\r", "reply to a command not in flight", E::Protocol, true},
      {"PJLINK 0\r", "%1POWR=7\r", "power state not 0 to 3", E::Protocol, true},
      {"PJLINK 1 498e4a67\r", "", "password asked, none set", E::Password},
      {"HELLO\r", "", "not a greeting", E::Protocol},
      {"PJLINK 0", "", "no greeting", E::Silent},
      {"PJLINK 0\r", std::string_view("%1\0POWR\r", 8), "control byte in a line", E::Protocol},
  };
  for (const Ending& ending : endings) {
    Session failing(Password(), start);
    failing.Received(ending.greeting, start);
    if (ending.asks) {
      EXPECT_TRUE(failing.Send(Ask(Command::Power), start));
    }
    failing.Received(ending.then, start);
    failing.Tick(start + Session::kTimeout);
    EXPECT_EQ(failing.Why(), ending.why);
    EXPECT_EQ(failing.How(), ending.how) << ending.why;
  }

  Session refused(Password("wrong"), start);
  refused.Received("PJLINK 1 498e4a67\r", start);
  ASSERT_TRUE(refused.Send(Ask(Command::Power), start));
  refused.Received("PJLINK ERRA\r", start);
  EXPECT_EQ(std::get<Refusal>(refused.TakeAnswer()->reply), Refusal::Denied);
  EXPECT_EQ(refused.Why(), "password refused");
  EXPECT_EQ(refused.How(), Session::Ending::Password);
  EXPECT_FALSE(refused.Idle());
  EXPECT_FALSE(refused.Send(Ask(Command::Power), start));  // one try only
  EXPECT_EQ(refused.TakeOutgoing(), "");
}

// Whatever a projector sends, the framer holds no more than its bound and the parsers and the session neither
// crash nor read outside the line (the sanitizer build runs this too).
TEST(Pjlink, RandomStreamsStayBounded) {
  std::mt19937 random(20261208);
  const std::string_view pieces[] = {"%1", "POWR", "INPT", "AVMT", "ERST", "LAMP", "INST", "CLSS", "NAME",
                                     "=", "OK", "ERR", "ERRA", "PJLINK ", "1 ", "0", "3", "31 ", "\r", "\n",
                                     "\r\n", "Class ", "Version", "12345 1 ",
                                     // Whole lines, so that sessions get past the greeting and are answered.
                                     "PJLINK 0\r", "PJLINK 0\r", "%1POWR=1\r", "%1POWR=OK\r", "%1NAME=x\r"};
  const Request requests[] = {Ask(Command::Power),       Ask(Command::Input), Ask(Command::AvMute),
                              Ask(Command::ErrorStatus), Ask(Command::Lamp),  Ask(Command::Inputs),
                              Ask(Command::Class),       Ask(Command::Name),  SetPower(true)};
  LineFramer framer;
  std::size_t lines = 0;
  std::size_t refused = 0;
  std::size_t answered = 0;
  Session session(Password("secret"), Session::Time(0));
  std::string chunk;
  for (int input = 0; input < 1'000'000; ++input) {
    chunk.clear();
    const auto count = random() % 6;
    for (std::uint_fast32_t i = 0; i < count; ++i) {
      if (random() % 8 == 0) {
        chunk += static_cast<char>(random() % 256);
      } else {
        chunk += pieces[random() % std::size(pieces)];
      }
    }
    session.Received(chunk, Session::Time(input));
    while (session.TakeAnswer()) ++answered;
    if (session.Ended()) session = Session(Password("secret"), Session::Time(input));
    if (session.Idle()) session.Send(requests[random() % std::size(requests)], Session::Time(input));
    std::ignore = session.TakeOutgoing();
    if (!framer.Feed(chunk)) {
      ++refused;
      framer = LineFramer();
    }
    ASSERT_LE(framer.Held(), LineFramer::kMostHeld);
    // Now and then the reader falls behind for a while, so the bound on unread lines is reached too.
    if (input % 4096 < 1024) continue;
    while (auto line = framer.TakeLine()) {
      ++lines;
      std::ignore = ParseGreeting(*line);
      std::ignore = ParseReply(*line, requests[random() % std::size(requests)]);
    }
  }
  EXPECT_GT(lines, 100'000U);
  EXPECT_GT(refused, 100U);
  EXPECT_GT(answered, 20U);
}

}  // namespace
}  // namespace yunuri::pjlink
