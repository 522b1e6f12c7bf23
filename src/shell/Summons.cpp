#include "shell/Summons.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <utility>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace yunuri {
namespace {

// The one thing a caller may say, and the one answer. Fixed and short, so that the listener reads no more
// than this many bytes from anyone.
constexpr QByteArrayView kRequest = "forward\n";
constexpr QByteArrayView kAnswer = "done\n";
// A caller that has not said its word by then is dropped; so are callers beyond a few at once.
constexpr int kCallerPatienceMs = 2000;
constexpr int kCallersAtOnce = 4;
// How long a window manager may take to activate the panel before the caller is answered anyway.
constexpr int kActivationWaitMs = 1500;
constexpr unsigned long kRetryMs = 50;

// Whether the peer runs as this user. The socket's mode and directory already keep others out; this holds
// where a directory's mode cannot be trusted to. Systems that cannot tell rely on the mode alone.
bool sameUser([[maybe_unused]] const QLocalSocket& caller) {
#ifdef Q_OS_LINUX
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::getsockopt(static_cast<int>(caller.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
    return false;
  }
  return peer.uid == ::geteuid();
#else
  return true;
#endif
}

}  // namespace

SummonsListener::SummonsListener(const QString& path, std::function<void(std::function<void()>)> comeForward)
    : comeForward_(std::move(comeForward)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.setMaxPendingConnections(kCallersAtOnce);
  // Only the lock's holder gets here, so whatever socket is in the place was left by a copy that is gone.
  QLocalServer::removeServer(path);
  if (!server_.listen(path)) return;
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* caller = server_.nextPendingConnection()) take(caller);
  });
  // The socket goes while the event loop still runs: after it, a quitting copy could no longer answer.
  connect(qApp, &QCoreApplication::aboutToQuit, this, &SummonsListener::stop);
}

SummonsListener::~SummonsListener() {
  stop();
}

void SummonsListener::stop() {
  server_.close();
}

void SummonsListener::take(QLocalSocket* caller) {
  connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
  if (server_.findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly).size() > kCallersAtOnce ||
      !sameUser(*caller)) {
    caller->abort();
    caller->deleteLater();
    return;
  }
  // Whatever happens, the caller is gone after its time: a count of callers that never fell would lock out
  // every later launch.
  auto* patience = new QTimer(caller);
  patience->setSingleShot(true);
  connect(patience, &QTimer::timeout, caller, &QObject::deleteLater);
  patience->start(kCallerPatienceMs);
  caller->setReadBufferSize(kRequest.size() + 1);
  connect(caller, &QLocalSocket::readyRead, this, [this, caller] { read(caller); });
}

void SummonsListener::read(QLocalSocket* caller) {
  const qint64 arrived = caller->bytesAvailable();
  const QByteArray said = caller->peek(std::min<qint64>(arrived, kRequest.size()));
  if (arrived > kRequest.size() || !kRequest.startsWith(said)) {
    caller->abort();
    caller->deleteLater();
    return;
  }
  if (arrived < kRequest.size()) return;
  caller->read(arrived);
  // One request a call: what follows it is not read.
  disconnect(caller, &QLocalSocket::readyRead, this, nullptr);
  comeForward_([caller = QPointer<QLocalSocket>(caller)] {
    if (!caller) return;
    caller->write(kAnswer.data(), kAnswer.size());
    caller->disconnectFromServer();
  });
}

bool summon(const QString& path, int patienceMs) {
  const QDeadlineTimer deadline(patienceMs);
  while (!deadline.hasExpired()) {
    QLocalSocket call;
    call.connectToServer(path);
    if (!call.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
      QThread::msleep(kRetryMs);
      continue;
    }
    call.write(kRequest.data(), kRequest.size());
    QByteArray answer;
    while (answer.size() < kAnswer.size() &&
           call.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
      answer += call.read(kAnswer.size() - answer.size());
    }
    return answer == kAnswer;
  }
  return false;
}

void bringForward(QWidget* window, std::function<void()> done) {
  if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
  if (window->isActiveWindow()) {
    done();
    return;
  }
  // The activation comes back from the window manager; the caller is answered when it has, so that its box,
  // mapped after the answer, is activated after the panel and keeps the keyboard.
  // The timer, a child of the window, ends the wait either way; its going ends the watch on the focus.
  auto* timer = new QTimer(window);
  timer->setSingleShot(true);
  auto finish = [timer, done = std::move(done)] {
    if (timer->property("done").toBool()) return;
    timer->setProperty("done", true);
    timer->deleteLater();
    done();
  };
  QObject::connect(timer, &QTimer::timeout, timer, finish);
  QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, timer, [window, finish] {
    if (window->isActiveWindow()) finish();
  });
  timer->start(kActivationWaitMs);
}

}  // namespace yunuri
