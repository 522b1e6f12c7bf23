#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class QSocketNotifier;
class QWidget;

namespace yunuri {

// How a refused second launch brings the running panel to the front, as desktop programs that run once per
// user do: the running copy listens on a local socket beside its lock, a second launch asks it to come
// forward and waits for its answer before showing the CAUTION box, so that the running panel's activation
// can never land after the box and take the keyboard from it.
//
// The socket is reachable by its owner only: it lives in the lock's private directory, is made with owner
// access only, and a peer of another user is dropped unheard on systems that tell who is calling. What is
// read is bounded and must be the one request word; anything else is dropped without effect.
//
// A plain Unix-domain socket watched by the event loop, not Qt's network module: that module would bring
// a megabyte of libraries (Kerberos, proxy lookup) into a panel that never goes on the network.

// The running copy's side. Listens from construction; the socket goes when the application is about to quit
// or this object goes, whichever is first.
class SummonsListener : public QObject {
 public:
  // Listens at `path`. Whoever holds the lock owns the place: a socket left there by a copy that died is
  // replaced. `comeForward` is asked to bring the panel forward and calls its argument once it is done (or
  // has given up), which answers the caller.
  SummonsListener(const QString& path, std::function<void(std::function<void()> done)> comeForward);
  ~SummonsListener() override;
  SummonsListener(const SummonsListener&) = delete;
  SummonsListener& operator=(const SummonsListener&) = delete;

  bool listening() const { return fd_ >= 0; }
  QString problem() const { return problem_; }
  // Stops listening and removes the socket; callers already taken are still answered.
  void stop();

 private:
  class Caller;
  void take();
  void read(Caller* caller);
  int callers() const;

  QByteArray place_;  // the socket's path, as the system spells it
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> incoming_;
  QTimer rest_;  // takes callers again after a pause for want of descriptors
  QString problem_;
  std::function<void(std::function<void()>)> comeForward_;
};

// The second launch's side: asks the copy listening at `path` to come forward and waits, at most
// `patienceMs` in all, until it says it has. A copy that holds the lock but is still starting may not listen
// yet: the call is tried again until the time is up. False when nobody answered.
bool summon(const QString& path, int patienceMs);

// Brings a top-level window forward on this desktop: shown, no longer minimised (a full-screen window stays
// full screen), raised and activated. `done` runs once the window is active, or after a short wait when
// the desktop does not activate it (a window manager's focus-stealing rules, a Wayland compositor).
void bringForward(QWidget* window, std::function<void()> done);

}  // namespace yunuri
