#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// The projector control protocol as plain values: the greeting, the commands a panel sends, the replies it
// reads. No socket and no clock: the caller moves the bytes, so all of it is tested and fuzzed alone.
namespace yunuri::pjlink {

inline constexpr std::uint16_t kPort = 4352;         // the port every projector listens on
inline constexpr std::size_t kLongestPassword = 32;  // the longest password projectors take

// A projector's password. It can only be turned into the digest: there is no way to print it, so it cannot
// reach a log, a caption or the accessible tree by accident.
class Password {
 public:
  Password() = default;
  explicit Password(std::string secret) : secret_(std::move(secret)) {}
  bool Empty() const { return secret_.empty(); }

 private:
  friend std::string AuthDigest(std::string_view random, const Password& password);
  std::string secret_;
};

// The 32 hex digits a projector that asked for a password expects in front of the first command.
std::string AuthDigest(std::string_view random, const Password& password);

// The projector speaks first.
struct Greeting {
  enum class Kind : std::uint8_t { Open, Challenge, Denied };
  Kind kind = Kind::Open;
  std::string random;  // the challenge's eight characters
};
std::optional<Greeting> ParseGreeting(std::string_view line);

enum class Command : std::uint8_t {
  Power,
  Input,
  AvMute,
  ErrorStatus,
  Lamp,
  Inputs,
  Name,
  Maker,
  Model,
  Class
};
// The four letters of the command on the wire.
std::string_view Name(Command command);

struct Request {
  Command command = Command::Power;
  std::string parameter = "?";
  bool Query() const { return parameter == "?"; }
  // The protocol's class the command is sent in, and its reply comes back in: 2 only for an input that class
  // 1 has no name for (a letter for its number, or the internal kind 6), which a class 1 command would have
  // refused as out of range.
  char Class() const;
};

enum class Mute : std::uint8_t {
  PictureOff = 10,
  PictureOn = 11,
  SoundOff = 20,
  SoundOn = 21,
  BothOff = 30,
  BothOn = 31
};

Request Ask(Command command);
Request SetPower(bool on);
Request SetMute(Mute mute);
// Nothing when the code is not an input: a digit 1..6 for the kind, then 1..9 or A..Z.
std::optional<Request> SelectInput(std::string_view code);
bool IsInputCode(std::string_view code);

// The line a request is written as, its CR included.
std::string Encode(const Request& request);

// What the panel writes on one connection. When the greeting asked for a password, the digest goes in front
// of the first command only; the projector takes anything after it as part of the command.
class Outgoing {
 public:
  Outgoing(const Greeting& greeting, const Password& password);
  std::string Write(const Request& request);

 private:
  std::string digest_;
};

// A reply that cannot answer the command in flight. The connection should end.
struct ProtocolError {
  std::string_view why;
};
struct Ok {};
// ERR1 undefined command, ERR2 out of range, ERR3 unavailable now, ERR4 projector failure, ERRA password.
enum class Refusal : std::uint8_t { Undefined, OutOfRange, Unavailable, Failure, Denied };
enum class Power : std::uint8_t { Off, On, Cooling, Warming };
struct Input {
  std::string code;
};
struct MuteState {
  Mute mute;
};
// The error status in its order: fan, lamp, temperature, cover, filter, other.
enum class Health : std::uint8_t { Fine, Warning, Error };
struct Faults {
  std::array<Health, 6> parts{};
};
struct Lamp {
  std::uint32_t hours = 0;
  bool on = false;
};
struct Lamps {
  std::vector<Lamp> lamps;
};
struct Inputs {
  std::vector<std::string> codes;
};
struct ClassNumber {
  int number = 1;
};
struct Text {
  std::string text;
};

using Reply = std::variant<ProtocolError, Ok, Refusal, Power, Input, MuteState, Faults, Lamps, Inputs,
                           ClassNumber, Text>;

// Reads a line as the reply to the request in flight.
Reply ParseReply(std::string_view line, const Request& inFlight);

}  // namespace yunuri::pjlink
