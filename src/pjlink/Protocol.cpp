#include "pjlink/Protocol.h"

#include <algorithm>
#include <cstddef>

#include "pjlink/Md5.h"

namespace yunuri::pjlink {
namespace {

constexpr std::array<std::string_view, 10> kNames = {"POWR", "INPT", "AVMT", "ERST", "LAMP",
                                                     "INST", "NAME", "INF1", "INF2", "CLSS"};
constexpr std::size_t kRandomLength = 8;
constexpr std::size_t kHeaderLength = 7;  // "%1POWR="
constexpr std::size_t kMostLamps = 8;
constexpr std::size_t kLongestHours = 5;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::optional<Refusal> ReadRefusal(std::string_view data) {
  if (data == "ERR1") return Refusal::Undefined;
  if (data == "ERR2") return Refusal::OutOfRange;
  if (data == "ERR3") return Refusal::Unavailable;
  if (data == "ERR4") return Refusal::Failure;
  if (data == "ERRA") return Refusal::Denied;
  return std::nullopt;
}

// Splits on single or repeated blanks.
std::vector<std::string_view> Words(std::string_view data) {
  std::vector<std::string_view> words;
  while (!data.empty()) {
    const std::size_t start = data.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    data.remove_prefix(start);
    const std::size_t end = std::min(data.find(' '), data.size());
    words.push_back(data.substr(0, end));
    data.remove_prefix(end);
  }
  return words;
}

Reply ReadPower(std::string_view data) {
  if (data.size() != 1 || data[0] < '0' || data[0] > '3') return ProtocolError{"power state not 0 to 3"};
  return static_cast<Power>(data[0] - '0');
}

Reply ReadMute(std::string_view data) {
  for (Mute mute :
       {Mute::PictureOff, Mute::PictureOn, Mute::SoundOff, Mute::SoundOn, Mute::BothOff, Mute::BothOn}) {
    if (data == std::to_string(static_cast<int>(mute))) return MuteState{mute};
  }
  return ProtocolError{"mute state not known"};
}

Reply ReadFaults(std::string_view data) {
  Faults faults;
  if (data.size() != faults.parts.size()) return ProtocolError{"error status not six digits"};
  for (std::size_t i = 0; i < faults.parts.size(); ++i) {
    if (data[i] < '0' || data[i] > '2') return ProtocolError{"error status digit not 0 to 2"};
    faults.parts[i] = static_cast<Health>(data[i] - '0');
  }
  return faults;
}

Reply ReadLamps(std::string_view data) {
  const std::vector<std::string_view> words = Words(data);
  if (words.empty() || words.size() % 2 != 0 || words.size() > 2 * kMostLamps) {
    return ProtocolError{"lamp hours not in pairs"};
  }
  Lamps lamps;
  for (std::size_t i = 0; i < words.size(); i += 2) {
    const std::string_view hours = words[i];
    const std::string_view on = words[i + 1];
    if (hours.size() > kLongestHours || !std::ranges::all_of(hours, IsDigit) || (on != "0" && on != "1")) {
      return ProtocolError{"lamp hours not numbers"};
    }
    Lamp lamp{0, on == "1"};
    for (char c : hours) lamp.hours = lamp.hours * 10 + static_cast<std::uint32_t>(c - '0');
    lamps.lamps.push_back(lamp);
  }
  return lamps;
}

Reply ReadInputs(std::string_view data) {
  Inputs inputs;
  for (std::string_view word : Words(data)) {
    if (!IsInputCode(word)) return ProtocolError{"input list holds no input"};
    inputs.codes.emplace_back(word);
  }
  return inputs;
}

// Projectors in the field answer "1", "Class 1" or "Version1": the first digit is the class.
Reply ReadClass(std::string_view data) {
  const auto digit = std::ranges::find_if(data, IsDigit);
  if (digit == data.end() || *digit == '0') return ProtocolError{"class without a number"};
  return ClassNumber{*digit - '0'};
}

}  // namespace

std::string AuthDigest(std::string_view random, const Password& password) {
  std::string salted(random);
  salted += password.secret_;
  std::string digest = Md5Hex(salted);
  std::ranges::fill(salted, '\0');
  return digest;
}

std::optional<Greeting> ParseGreeting(std::string_view line) {
  if (line == "PJLINK 0") return Greeting{Greeting::Kind::Open, {}};
  if (line == "PJLINK ERRA") return Greeting{Greeting::Kind::Denied, {}};
  constexpr std::string_view kChallenge = "PJLINK 1 ";
  if (line.starts_with(kChallenge) && line.size() == kChallenge.size() + kRandomLength) {
    const std::string_view random = line.substr(kChallenge.size());
    if (std::ranges::all_of(random, [](char c) { return c > ' ' && c < 0x7f; })) {
      return Greeting{Greeting::Kind::Challenge, std::string(random)};
    }
  }
  return std::nullopt;
}

std::string_view Name(Command command) {
  return kNames.at(static_cast<std::size_t>(command));
}

Request Ask(Command command) {
  return Request{command, "?"};
}
Request SetPower(bool on) {
  return Request{Command::Power, on ? "1" : "0"};
}
Request SetMute(Mute mute) {
  return Request{Command::AvMute, std::to_string(static_cast<int>(mute))};
}

bool IsInputCode(std::string_view code) {
  return code.size() == 2 && code[0] >= '1' && code[0] <= '6' &&
         ((code[1] >= '1' && code[1] <= '9') || (code[1] >= 'A' && code[1] <= 'Z'));
}

std::optional<Request> SelectInput(std::string_view code) {
  if (!IsInputCode(code)) return std::nullopt;
  return Request{Command::Input, std::string(code)};
}

char Request::Class() const {
  const bool classTwoInput = command == Command::Input && parameter.size() == 2 &&
                             (parameter[0] == '6' || (parameter[1] >= 'A' && parameter[1] <= 'Z'));
  return classTwoInput ? '2' : '1';
}

std::string Encode(const Request& request) {
  std::string line = {'%', request.Class()};
  line += Name(request.command);
  line += ' ';
  line += request.parameter;
  line += '\r';
  return line;
}

Outgoing::Outgoing(const Greeting& greeting, const Password& password) {
  if (greeting.kind == Greeting::Kind::Challenge) digest_ = AuthDigest(greeting.random, password);
}

std::string Outgoing::Write(const Request& request) {
  std::string bytes = std::exchange(digest_, std::string());
  bytes += Encode(request);
  return bytes;
}

Reply ParseReply(std::string_view line, const Request& inFlight) {
  // A wrong digest is answered with the greeting's own refusal, not with a reply to the command.
  if (line == "PJLINK ERRA") return Refusal::Denied;
  if (line.size() < kHeaderLength || line[0] != '%' || line[1] != inFlight.Class() ||
      line[kHeaderLength - 1] != '=') {
    return ProtocolError{"not a reply"};
  }
  if (line.substr(2, 4) != Name(inFlight.command)) return ProtocolError{"reply to a command not in flight"};
  const std::string_view data = line.substr(kHeaderLength);
  if (const std::optional<Refusal> refusal = ReadRefusal(data)) return *refusal;
  if (!inFlight.Query()) {
    if (data == "OK") return Ok{};
    return ProtocolError{"a setting answered with neither OK nor an error"};
  }
  switch (inFlight.command) {
    case Command::Power:
      return ReadPower(data);
    case Command::Input:
      if (!IsInputCode(data)) return ProtocolError{"input not an input code"};
      return Input{std::string(data)};
    case Command::AvMute:
      return ReadMute(data);
    case Command::ErrorStatus:
      return ReadFaults(data);
    case Command::Lamp:
      return ReadLamps(data);
    case Command::Inputs:
      return ReadInputs(data);
    case Command::Class:
      return ReadClass(data);
    case Command::Name:
    case Command::Maker:
    case Command::Model:
      return Text{std::string(data)};
  }
  return ProtocolError{"command not known"};
}

}  // namespace yunuri::pjlink
