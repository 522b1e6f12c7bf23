#pragma once

#include <QTimer>
#include <functional>

#include "window/App.h"

namespace yunuri {

// The platform of a panel left to visitors: the exit button's end starts the panel again instead, so the next
// visitor meets a panel and not a bare desktop. Everything else is the platform's own. Until a restart is
// given (before the window exists: a refused second copy) an end is a real end.
class ShowroomApp : public App {
 public:
  // Made once the application object exists.
  explicit ShowroomApp(App& platform);
  // What an end does from now on. It runs once the handler that asked has returned, never inside it.
  void restartInsteadOfEnd(std::function<void()> restart);

  bool PrevInstance() override { return platform_.PrevInstance(); }
  void MsgBoxCritical(std::string_view text, std::string_view title) override {
    platform_.MsgBoxCritical(text, title);
  }
  void End() override;

 private:
  App& platform_;
  QTimer restart_;  // fires on the event loop, after the handler that ended
  bool restarts_ = false;
};

}  // namespace yunuri
