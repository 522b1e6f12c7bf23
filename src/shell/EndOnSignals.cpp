#include "shell/EndOnSignals.h"

#include <QObject>

#include "assets/Log.h"

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#endif

namespace yunuri {

#ifdef Q_OS_UNIX
namespace {

std::array<int, 2> signalPair{-1, -1};  // written in the handler, read on the event loop

extern "C" void onEndSignal(int /*signal*/) {
  const char byte = 1;
  // Nothing to do if the pipe is full: an end is already waiting to be read.
  [[maybe_unused]] const ssize_t written = ::write(signalPair[0], &byte, 1);
}

}  // namespace

void endOnSignals(QObject* owner, std::function<void()> end) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPair.data()) != 0) {
    qCWarning(lcPanel, "cannot watch for SIGTERM: a signal will end the program without clean-up");
    return;
  }
  auto* notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [notifier, end = std::move(end)] {
    notifier->setEnabled(false);
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(signalPair[1], &byte, 1);
    end();
  });
  struct sigaction action {};
  action.sa_handler = onEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}
#else
void endOnSignals(QObject* /*owner*/, std::function<void()> /*end*/) {}
#endif

}  // namespace yunuri
