#pragma once

#include <QLockFile>
#include <memory>

#include "window/App.h"

namespace yunuri {

// The platform services of the panel on Qt: the per-user single-instance lock, the critical message box and
// the end of the program.
class QtApp : public App {
 public:
  QtApp();
  bool PrevInstance() override;
  void MsgBoxCritical(std::string_view text, std::string_view title) override;
  void End() override;
  bool ended() const { return ended_; }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool ended_ = false;
};

}  // namespace yunuri
