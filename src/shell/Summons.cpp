#include "shell/Summons.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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
constexpr int kRetryMs = 50;

// The address of the socket at `place`; false when the path does not fit in one.
bool addressOf(const QByteArray& place, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (place.isEmpty() || static_cast<std::size_t>(place.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, place.constData(), static_cast<std::size_t>(place.size()));
  return true;
}

const sockaddr* asAddress(const sockaddr_un& address) {
  return reinterpret_cast<const sockaddr*>(&address);
}

// A socket the event loop never waits on: the listener must not stall the panel, nor a caller the launch.
int newSocket() {
  return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

QString lastProblem() {
  return QString::fromLocal8Bit(std::strerror(errno));
}

// Whether the peer runs as this user. The socket's mode and directory already keep others out; this holds
// where a directory's mode cannot be trusted to. Systems that cannot tell rely on the mode alone.
bool sameUser([[maybe_unused]] int fd) {
#ifdef Q_OS_LINUX
  ucred peer{};
  socklen_t size = sizeof peer;
  if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return false;
  return peer.uid == ::geteuid();
#else
  return true;
#endif
}

// Waits for `events` on `fd` (or its failure, which the next call reports) until the deadline; false when
// the time is up.
bool await(int fd, short events, const QDeadlineTimer& deadline) {
  for (;;) {
    pollfd watched{fd, events, 0};
    const int ready = ::poll(&watched, 1, static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0)));
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

}  // namespace

// One accepted connection: its socket, watched until the caller has said its word, and let go after its
// time whatever happens, since a count of callers that never fell would lock out every later launch.
class SummonsListener::Caller : public QObject {
 public:
  Caller(int fd, SummonsListener* listener)
      : QObject(listener), fd_(fd), notifier_(fd, QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, [this, listener] { listener->read(this); });
    patience_.setSingleShot(true);
    connect(&patience_, &QTimer::timeout, this, &Caller::hangUp);
    patience_.start(kCallerPatienceMs);
  }
  ~Caller() override { close(); }
  Caller(const Caller&) = delete;
  Caller& operator=(const Caller&) = delete;

  int fd() const { return fd_; }
  bool connected() const { return fd_ >= 0; }
  QByteArray said;

  void stopReading() { notifier_.setEnabled(false); }
  // The socket closes at once, so that the caller hears the end now; the object goes on the event loop,
  // which may be inside this caller's own notification.
  void hangUp() {
    if (fd_ < 0) return;
    close();
    deleteLater();
  }

 private:
  void close() {
    if (fd_ < 0) return;
    // The watch ends before the descriptor closes, so that no watch ever names a closed or reused one.
    notifier_.setEnabled(false);
    patience_.stop();
    ::close(fd_);
    fd_ = -1;
  }

  int fd_;
  QSocketNotifier notifier_;
  QTimer patience_;
};

SummonsListener::SummonsListener(const QString& path, std::function<void(std::function<void()>)> comeForward)
    : place_(QFile::encodeName(path)), comeForward_(std::move(comeForward)) {
  sockaddr_un address{};
  if (!addressOf(place_, address)) {
    problem_ = QStringLiteral("the path is too long for a socket");
    return;
  }
  const int fd = newSocket();
  if (fd < 0) {
    problem_ = lastProblem();
    return;
  }
  // Owner access from the start: the mode of an unbound socket becomes its file's on Linux, and the chmod
  // after binding covers systems that ignore it; until then the private directory keeps others out.
  ::fchmod(fd, S_IRUSR | S_IWUSR);
  // Only the lock's holder gets here, so whatever socket is in the place was left by a copy that is gone.
  ::unlink(place_.constData());
  if (::bind(fd, asAddress(address), sizeof address) != 0) {
    problem_ = lastProblem();
    ::close(fd);
    return;
  }
  if (::chmod(place_.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, kCallersAtOnce) != 0) {
    problem_ = lastProblem();
    ::close(fd);
    ::unlink(place_.constData());
    return;
  }
  fd_ = fd;
  incoming_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  connect(incoming_.get(), &QSocketNotifier::activated, this, &SummonsListener::take);
  rest_.setSingleShot(true);
  connect(&rest_, &QTimer::timeout, this, [this] {
    if (incoming_) incoming_->setEnabled(true);
  });
  // The socket goes while the event loop still runs: after it, a quitting copy could no longer answer.
  if (QCoreApplication::instance()) {
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &SummonsListener::stop);
  }
}

SummonsListener::~SummonsListener() {
  stop();
}

void SummonsListener::stop() {
  if (fd_ < 0) return;
  incoming_.reset();
  ::close(fd_);
  fd_ = -1;
  ::unlink(place_.constData());
}

int SummonsListener::callers() const {
  const QObjectList& all = children();
  return static_cast<int>(std::count_if(all.begin(), all.end(), [](const QObject* child) {
    const auto* caller = dynamic_cast<const Caller*>(child);
    return caller != nullptr && caller->connected();
  }));
}

void SummonsListener::take() {
  for (;;) {
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (errno != EAGAIN && errno != EWOULDBLOCK) {
        // Out of descriptors: the callers wait in the queue a moment rather than spin the event loop.
        incoming_->setEnabled(false);
        rest_.start(kRetryMs);
      }
      return;
    }
    if (callers() >= kCallersAtOnce || !sameUser(fd)) {
      ::close(fd);
      continue;
    }
    new Caller(fd, this);  // owned by the listener; goes when hung up
  }
}

void SummonsListener::read(Caller* caller) {
  // One byte past the word is enough to tell that more than the word was said.
  std::array<char, kRequest.size() + 1> bytes{};
  for (;;) {
    const qsizetype wanted = kRequest.size() + 1 - caller->said.size();
    const ssize_t got = ::recv(caller->fd(), bytes.data(), static_cast<std::size_t>(wanted), 0);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    if (got <= 0) {  // the caller went, or its socket failed
      caller->hangUp();
      return;
    }
    caller->said.append(bytes.data(), got);
    if (caller->said.size() > kRequest.size() || !kRequest.startsWith(caller->said)) {
      caller->hangUp();
      return;
    }
  }
  if (caller->said.size() < kRequest.size()) return;
  // One request a call: what follows it is not read.
  caller->stopReading();
  comeForward_([caller = QPointer<Caller>(caller)] {
    if (!caller || !caller->connected()) return;
    // A caller that left meanwhile is no reason for a signal that would end the panel.
    while (::send(caller->fd(), kAnswer.data(), kAnswer.size(), MSG_NOSIGNAL) < 0 && errno == EINTR) {
    }
    caller->hangUp();
  });
}

bool summon(const QString& path, int patienceMs) {
  sockaddr_un address{};
  if (!addressOf(QFile::encodeName(path), address)) return false;
  const QDeadlineTimer deadline(patienceMs);
  while (!deadline.hasExpired()) {
    const int fd = newSocket();
    if (fd < 0) return false;
    // A local socket connects at once or not at all: a full queue is refused like an absent listener.
    if (::connect(fd, asAddress(address), sizeof address) != 0) {
      ::close(fd);
      QThread::msleep(static_cast<unsigned long>(std::min<qint64>(kRetryMs, deadline.remainingTime())));
      continue;
    }
    bool sent = false;
    while (!sent && await(fd, POLLOUT, deadline)) {
      const ssize_t wrote = ::send(fd, kRequest.data(), kRequest.size(), MSG_NOSIGNAL);
      sent = wrote == kRequest.size();
      if (!sent && (wrote >= 0 || (errno != EINTR && errno != EAGAIN))) break;  // a word is never split
    }
    QByteArray answer;
    std::array<char, kAnswer.size()> bytes{};
    while (sent && answer.size() < kAnswer.size() && await(fd, POLLIN, deadline)) {
      const ssize_t got =
          ::recv(fd, bytes.data(), static_cast<std::size_t>(kAnswer.size() - answer.size()), 0);
      if (got > 0) {
        answer.append(bytes.data(), got);
      } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
        break;
      }
    }
    ::close(fd);
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
