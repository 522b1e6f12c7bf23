#include "pjlink/LineFramer.h"

#include <utility>

namespace yunuri::pjlink {

bool LineFramer::Feed(std::string_view bytes) {
  for (char c : bytes) {
    if (Broken()) return false;
    if (c == '\r' || c == '\n') {
      if (partial_.empty()) continue;
      unread_ += partial_.size();
      lines_.push_back(std::move(partial_));
      partial_.clear();
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
      // Text beyond ASCII may come in a projector's name, but a control byte never does.
      Break("control byte in a line");
    } else if (partial_.size() == kLongestLine) {
      Break("line longer than the protocol allows");
    } else {
      partial_ += c;
    }
    if (Held() > kMostHeld) Break("too much unread");
  }
  return !Broken();
}

std::optional<std::string> LineFramer::TakeLine() {
  if (lines_.empty()) return std::nullopt;
  std::string line = std::move(lines_.front());
  lines_.pop_front();
  unread_ -= line.size();
  return line;
}

void LineFramer::Break(std::string_view why) {
  why_ = why;
  partial_ = std::string();
  lines_ = std::deque<std::string>();
  unread_ = 0;
}

}  // namespace yunuri::pjlink
