#pragma once

#include <string_view>

namespace yunuri {

// The platform services the panel needs beyond its own controls. The shell implements them with the toolkit;
// tests implement them with a fake that records the calls.
class App {
 public:
  virtual ~App() = default;
  // True when another copy of the program is already running for this user.
  virtual bool PrevInstance() = 0;
  // A modal message box with the critical icon and a single OK button; returns when it is dismissed.
  virtual void MsgBoxCritical(std::string_view text, std::string_view title) = 0;
  // Ends the program at once: no further event or tick is processed.
  virtual void End() = 0;
};

}  // namespace yunuri
