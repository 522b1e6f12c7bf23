#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace yunuri {

// Starts the panel again after a while without input, for a panel left to visitors. It watches the window's
// events itself, so every way in (mouse, key, touch, an assistive technology's press) restarts the wait
// without a call that a new way in could forget. Its timer is named "IdleReset".
class IdleReset : public QObject {
  Q_OBJECT

 public:
  // Watches `window`; `startAgain` runs when the wait ends.
  IdleReset(QObject* window, std::function<void()> startAgain);

  // After `seconds` without input; 0 never. The wait begins with the first input: a panel nobody has touched
  // is as it starts already.
  void setSeconds(int seconds);
  // The wait begins again, as after an input.
  void restart();
  void stop() { timer_.stop(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer timer_;
};

}  // namespace yunuri
