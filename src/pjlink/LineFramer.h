#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

// Cuts a projector's byte stream into lines. The bytes are untrusted: whatever arrives, what is held stays
// bounded, and a stream that cannot be a projector's ends the connection instead of growing.
namespace yunuri::pjlink {

class LineFramer {
 public:
  // The protocol's longest line; the line's end is not counted.
  static constexpr std::size_t kLongestLine = 136;
  // The most held at once, the unread lines and the line being received together. One command is in flight
  // at a time, so a projector that sends more than this unasked is not answering it.
  static constexpr std::size_t kMostHeld = 4096;

  // Takes the bytes as they arrive. CR, LF or both end a line; empty lines are skipped. False once the stream
  // broke the protocol: a line too long, a control or NUL byte, too much unread. The framer then holds
  // nothing and takes nothing more; the connection should end.
  bool Feed(std::string_view bytes);
  // The next whole line, oldest first.
  std::optional<std::string> TakeLine();

  bool Broken() const { return !why_.empty(); }
  // Why the stream was refused, for the log; empty while it is not. Never quotes the bytes themselves.
  std::string_view Why() const { return why_; }
  std::size_t Held() const { return partial_.size() + unread_; }

 private:
  void Break(std::string_view why);

  std::string partial_;
  std::deque<std::string> lines_;
  std::size_t unread_ = 0;
  std::string_view why_;
};

}  // namespace yunuri::pjlink
