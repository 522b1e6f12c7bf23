#include "shell/ShowroomApp.h"

namespace yunuri {

ShowroomApp::ShowroomApp(App& platform) : platform_(platform) {
  restart_.setSingleShot(true);
  restart_.setInterval(0);
}

void ShowroomApp::restartInsteadOfEnd(std::function<void()> restart) {
  restart_.disconnect();
  QObject::connect(&restart_, &QTimer::timeout, &restart_, std::move(restart));
  restarts_ = true;
}

void ShowroomApp::End() {
  if (!restarts_) {
    platform_.End();
    return;
  }
  restart_.start();
}

}  // namespace yunuri
