#include "devices/RoomFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

#include "window/Sources.h"

// The file is an INI file that Qt's QSettings also reads. It is read here by hand because only a hand reader
// can name the line of a mistake. What it accepts is kept a subset of what QSettings reads the same way:
// `[section]` lines, `key = value` lines with blanks around `=` ignored, whole-line comments starting with
// `;` or `#`, a comment after a value starting with `;`; no quotes, escapes, continuation lines or lists (a
// value holding `"`, `\` or `,` would mean something else there, so none of the values here may hold one).
namespace yunuri::room {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kInputPrefix = "input.";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsAlnum(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsHex(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A whole number from `low` to `high`, digits only.
std::optional<unsigned> Number(std::string_view s, unsigned low, unsigned high) {
  if (s.empty() || s.size() > 5) return std::nullopt;
  unsigned value = 0;
  for (char c : s) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

bool IsIpv4(std::string_view s) {
  int parts = 0;
  while (true) {
    const auto dot = s.find('.');
    const std::string_view part = s.substr(0, dot);
    if (part.size() > 3 || !Number(part, 0, 255)) return false;
    ++parts;
    if (dot == std::string_view::npos) break;
    s.remove_prefix(dot + 1);
  }
  return parts == 4;
}

// Letters, digits and hyphens in dot-separated labels, none starting or ending with a hyphen.
bool IsHostName(std::string_view s) {
  if (s.empty() || s.size() > 253) return false;
  while (true) {
    const auto dot = s.find('.');
    const std::string_view label = s.substr(0, dot);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
    for (char c : label) {
      if (!IsAlnum(c) && c != '-') return false;
    }
    if (dot == std::string_view::npos) return true;
    s.remove_prefix(dot + 1);
  }
}

// The shape of an IPv6 address: hex groups and colons, an IPv4 tail allowed. The resolver judges the rest.
bool IsIpv6(std::string_view s) {
  if (s.find(':') == std::string_view::npos) return false;
  for (char c : s) {
    if (!IsHex(c) && c != ':' && c != '.') return false;
  }
  return true;
}

// HOST, HOST:PORT, [IPv6] or [IPv6]:PORT into `link`; what is wrong otherwise.
std::optional<std::string> ParseAddress(std::string_view value, ProjectorLink& link) {
  std::string_view host = value;
  std::optional<std::string_view> port;
  if (value.starts_with('[')) {
    const auto close = value.find(']');
    if (close == std::string_view::npos) return "has no closing ']'";
    host = value.substr(1, close - 1);
    const std::string_view rest = value.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return "has something other than ':PORT' after ']'";
      port = rest.substr(1);
    }
    if (!IsIpv6(host)) return "has no IPv6 address between '[' and ']'";
  } else {
    const auto colon = value.find(':');
    if (colon != std::string_view::npos) {
      if (value.find(':', colon + 1) != std::string_view::npos)
        return "is an IPv6 address without '[' and ']'";
      host = value.substr(0, colon);
      port = value.substr(colon + 1);
    }
    const bool dotted = !host.empty() && host.find_first_not_of("0123456789.") == std::string_view::npos;
    if (dotted ? !IsIpv4(host) : !IsHostName(host)) return "is neither an IPv4 address nor a host name";
  }
  if (port) {
    const auto number = Number(*port, 1, 65535);
    if (!number) return "has a port that is not a number from 1 to 65535";
    link.port = static_cast<std::uint16_t>(*number);
  }
  link.host = host;
  return std::nullopt;
}

// What is wrong with a password, in words that never repeat it.
std::optional<std::string> CheckPassword(std::string_view s) {
  if (s.empty()) return "is empty (leave the line out for a projector without one)";
  if (s.size() > kMaxPassword) return "is longer than 32 characters";
  for (char c : s) {
    if (c < ' ' || c > '~') return "holds a character that is not printable ASCII";
    if (c == '"' || c == '\\' || c == ',' || c == ';')
      return "holds one of \" \\ , ; which the file cannot carry";
  }
  return std::nullopt;
}

int SourceByKey(std::string_view key) {
  for (int i = 0; i < kSourceCount; ++i) {
    if (!kSources[i].key.empty() && kSources[i].key == key) return i;
  }
  return -1;
}

class Reader {
 public:
  Reader(std::string_view fileName, std::uint32_t mode) : fileName_(fileName), mode_(mode) {}

  RoomRead Parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    int number = 0;
    while (!text.empty() && error_.empty()) {
      const auto end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
      if (line.ends_with('\r')) line.remove_suffix(1);
      Line(++number, Trim(line));
    }
    if (error_.empty()) EndSection();
    if (!error_.empty()) return {std::nullopt, error_};
    return {room_, {}};
  }

 private:
  void Fail(int line, std::string_view what) {
    std::ostringstream out;
    out << "yunuri: " << fileName_ << ':' << line << ": " << what;
    error_ = out.str();
  }

  std::string InSection() const { return " in [" + std::string(kSections[section_]) + ']'; }

  void Line(int number, std::string_view line) {
    if (line.empty() || line.starts_with(';') || line.starts_with('#')) return;
    if (line.starts_with('[')) {
      Section(number, line);
      return;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      Fail(number, "expected '[section]' or 'key = value'");
      return;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    std::string_view value = line.substr(equals + 1);
    // A comment after a value: QSettings ends the value at the first ';'.
    value = Trim(value.substr(0, value.find(';')));
    // Every key is lower case letters, digits, '.' and '-'. Anything else is a line gone wrong (a password
    // whose '=' came late, say), so it is not repeated.
    if (key.empty() ||
        key.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789.-") != std::string_view::npos) {
      Fail(number, "expected 'key = value' with a key of lower case letters, digits, '.' and '-'");
      return;
    }
    if (section_ < 0) {
      Fail(number, "key '" + std::string(key) + "' before any section");
      return;
    }
    Entry(number, key, value);
  }

  void Section(int number, std::string_view line) {
    EndSection();
    if (!error_.empty()) return;
    const auto close = line.find(']');
    const std::string_view name = line.substr(1, close == std::string_view::npos ? close : close - 1);
    if (close == std::string_view::npos || !Trim(line.substr(close + 1)).empty()) {
      Fail(number, "expected '[section]' alone on its line");
      return;
    }
    section_ = -1;
    for (std::size_t i = 0; i < kSections.size(); ++i) {
      if (kSections[i] == name) section_ = static_cast<int>(i);
    }
    if (section_ < 0) {
      Fail(number,
           "unknown section [" + std::string(name) + "] (expected [left-projector] or [right-projector])");
      return;
    }
    if (room_.projectors[section_]) {
      Fail(number, "a second [" + std::string(name) + "] section (first on line " +
                       std::to_string(sectionLine_[section_]) + ')');
      return;
    }
    room_.projectors[section_].emplace();
    sectionLine_[section_] = number;
    seen_ = {};
  }

  // A projector is attached by its address: a section without one would attach nothing.
  void EndSection() {
    if (section_ >= 0 && room_.projectors[section_]->host.empty()) {
      Fail(sectionLine_[section_], "[" + std::string(kSections[section_]) + "] has no address");
    }
  }

  void Entry(int number, std::string_view key, std::string_view value) {
    ProjectorLink& link = *room_.projectors[section_];
    // 0 address, 1 password, 2 + source: the line each was first given on.
    std::size_t slot = 0;
    if (key == "address") {
      slot = 0;
    } else if (key == "password") {
      slot = 1;
    } else if (key.starts_with(kInputPrefix) && SourceByKey(key.substr(kInputPrefix.size())) >= 0) {
      slot = 2 + static_cast<std::size_t>(SourceByKey(key.substr(kInputPrefix.size())));
    } else {
      Fail(number, "unknown key '" + std::string(key) + "'" + InSection());
      return;
    }
    if (seen_[slot] != 0) {
      Fail(number, "duplicate key '" + std::string(key) + "'" + InSection() + " (first on line " +
                       std::to_string(seen_[slot]) + ')');
      return;
    }
    seen_[slot] = number;
    if (slot == 0) {
      if (const auto wrong = ParseAddress(value, link)) {
        Fail(number, "address '" + std::string(value) + "'" + InSection() + ' ' + *wrong);
      }
    } else if (slot == 1) {
      if (const auto wrong = CheckPassword(value)) {
        Fail(number, "the password" + InSection() + ' ' + *wrong);
      } else if (OthersMayRead(mode_)) {
        std::ostringstream out;
        out << "holds a password but others may read it (mode " << std::oct << (mode_ & 0777U)
            << "); chmod go= " << fileName_;
        Fail(number, out.str());
      } else {
        link.password = value;
      }
    } else if (!pjlink::IsInputCode(value)) {
      Fail(number, "input code '" + std::string(value) + "' for '" + std::string(key) + "'" + InSection() +
                       " is not 1-5 then 1-9, nor 1-6 then 1-9 or A-Z");
    } else {
      link.inputs[slot - 2] = value;
    }
  }

  std::string_view fileName_;
  std::uint32_t mode_;
  Room room_;
  std::string error_;
  int section_ = -1;
  std::array<int, kProjectors.size()> sectionLine_{};
  std::array<int, 2 + kSourceCount> seen_{};
};

}  // namespace

RoomRead ParseRoom(std::string_view fileName, std::string_view text, std::uint32_t mode) {
  return Reader(fileName, mode).Parse(text);
}

// The mode is that of the open file, so that it is the mode of the text that was read.
RoomRead ReadRoomFile(const std::string& path) {
  const auto unreadable = [&path](std::string_view why) {
    return RoomRead{std::nullopt, "yunuri: " + path + ": cannot read the room file: " + std::string(why)};
  };
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return unreadable(std::strerror(errno));
  struct stat status {};
  if (::fstat(::fileno(file.get()), &status) != 0) return unreadable(std::strerror(errno));
  if (!S_ISREG(status.st_mode)) return unreadable("not a regular file");
  std::string text;
  std::array<char, 4096> chunk{};
  while (const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file.get()))
    text.append(chunk.data(), n);
  if (std::ferror(file.get()) != 0) return unreadable(std::strerror(errno));
  return ParseRoom(path, text, static_cast<std::uint32_t>(status.st_mode));
}

std::string AddressText(std::string_view host, std::uint16_t port) {
  const bool v6 = host.find(':') != std::string_view::npos;
  return (v6 ? "[" + std::string(host) + "]" : std::string(host)) + ":" + std::to_string(port);
}

}  // namespace yunuri::room
