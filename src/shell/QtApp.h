#pragma once

#include <QLockFile>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "window/App.h"

namespace yunuri {

class SummonsListener;

// Where the single-instance lock is kept, and when that is not the session's runtime directory, why. The
// runtime directory serves when it is set, absolute and a private, writable directory of this user;
// otherwise a private directory "yunuri" in the user's cache, made when missing; when neither serves, no
// directory, and the program runs unguarded. Reads the environment; makes the cache directory if needed.
struct LockPlace {
  QString directory;
  QString reason;  // one line for standard error; empty when the runtime directory serves
};
LockPlace chooseLockPlace();

// The platform services of the panel on Qt: the per-user single-instance lock, the critical message box and
// the end of the program. A second launch is refused and brings the running panel forward (shell/Summons.h).
//
// The lock lives in the session's runtime directory. When that is unset, relative, missing or not a private,
// writable directory of this user, a private directory of the user's cache is made and used instead, and one
// line on standard error says why. Constructed before the QApplication, the fallback is also handed to the
// toolkit, which would otherwise complain about the runtime directory and make a shared one of its own.
class QtApp : public App {
 public:
  QtApp();
  ~QtApp() override;
  QtApp(const QtApp&) = delete;
  QtApp& operator=(const QtApp&) = delete;
  // The window a second launch brings forward.
  void bringForwardWhenSummoned(QWidget* window) { summoned_ = window; }
  bool PrevInstance() override;
  void MsgBoxCritical(std::string_view text, std::string_view title) override;
  void End() override;

 private:
  QString lockDir_;  // empty when no private place was found and the program runs unguarded
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<SummonsListener> listener_;  // while the lock is held
  QPointer<QWidget> summoned_;
};

}  // namespace yunuri
