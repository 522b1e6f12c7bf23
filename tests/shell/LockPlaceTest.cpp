// Where the single-instance lock goes under every runtime and home directory a session may hand the panel,
// and the one line that says why when it is not the runtime directory; the socket beside it, by which a
// second launch brings the running panel forward.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>

#include "shell/QtApp.h"
#include "shell/Summons.h"

namespace yunuri {
namespace {

constexpr std::array<const char*, 3> kVariables = {"XDG_RUNTIME_DIR", "HOME", "XDG_CACHE_HOME"};

// Puts the variables and the working directory back as they were.
class SavedEnvironment {
 public:
  SavedEnvironment() : cwd_(QDir::currentPath()) {
    for (const char* name : kVariables) {
      saved_.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
  }
  ~SavedEnvironment() {
    for (std::size_t i = 0; i < kVariables.size(); ++i) {
      if (saved_[i]) {
        qputenv(kVariables[i], *saved_[i]);
      } else {
        qunsetenv(kVariables[i]);
      }
    }
    QDir::setCurrent(cwd_);
  }
  SavedEnvironment(const SavedEnvironment&) = delete;
  SavedEnvironment& operator=(const SavedEnvironment&) = delete;

 private:
  QString cwd_;
  std::vector<std::optional<QByteArray>> saved_;
};

void makeDirectory(const QString& path, mode_t mode) {
  ASSERT_TRUE(QDir().mkpath(path)) << path.toStdString();
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// One session: the variables as it sets them ("-" for unset, "@" for the scratch directory), what it has on
// disk, and where the lock must go ("" for nowhere) with the line that says why.
struct Case {
  const char* what;
  const char* runtime;
  const char* home;
  const char* cache;
  std::function<void(const QString& root)> prepare;
  const char* directory;
  const char* reason;
};

QString expand(const char* text, const QString& root) {
  return QString::fromUtf8(text).replace(u'@', root);
}

void setVariable(const char* name, const char* value, const QString& root) {
  if (QByteArray(value) == "-") {
    qunsetenv(name);
  } else {
    qputenv(name, QFile::encodeName(expand(value, root)));
  }
}

TEST(LockPlace, EachSessionGetsAPrivateLockOrAReasonWordedForWhatWentWrong) {
  const auto home = [](mode_t mode) {
    return [mode](const QString& root) { makeDirectory(root + "/home", mode); };
  };
  const auto runtimeAnd = [](mode_t mode) {
    return [mode](const QString& root) {
      makeDirectory(root + "/run", mode);
      makeDirectory(root + "/home", 0700);
    };
  };
  const std::vector<Case> cases = {
      {"a private runtime directory", "@/run", "@/home", "-", runtimeAnd(0700), "@/run", ""},
      {"no runtime directory", "-", "@/home", "-", home(0700), "@/home/.cache/yunuri",
       "XDG_RUNTIME_DIR is not set; the single-instance lock is kept in @/home/.cache/yunuri"},
      {"a relative runtime directory is not taken from the working directory", "run", "@/home", "-",
       runtimeAnd(0700), "@/home/.cache/yunuri",
       "XDG_RUNTIME_DIR run is not an absolute path; the single-instance lock is kept in "
       "@/home/.cache/yunuri"},
      {"a missing runtime directory", "@/gone", "@/home", "-", home(0700), "@/home/.cache/yunuri",
       "XDG_RUNTIME_DIR @/gone does not exist; the single-instance lock is kept in @/home/.cache/yunuri"},
      {"a runtime path that is a file", "@/home/file", "@/home", "-",
       [](const QString& root) {
         makeDirectory(root + "/home", 0700);
         QFile file(root + "/home/file");
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
       },
       "@/home/.cache/yunuri",
       "XDG_RUNTIME_DIR @/home/file is not a directory; the single-instance lock is kept in "
       "@/home/.cache/yunuri"},
      {"a read-only runtime directory", "@/run", "@/home", "-", runtimeAnd(0500), "@/home/.cache/yunuri",
       "XDG_RUNTIME_DIR @/run is not writable; the single-instance lock is kept in @/home/.cache/yunuri"},
      {"an absolute cache home", "-", "@/home", "@/cache", home(0700), "@/cache/yunuri",
       "XDG_RUNTIME_DIR is not set; the single-instance lock is kept in @/cache/yunuri"},
      {"a relative cache home is ignored", "-", "@/home", "cache", home(0700), "@/home/.cache/yunuri",
       "XDG_RUNTIME_DIR is not set; the single-instance lock is kept in @/home/.cache/yunuri"},
      {"no home either", "-", "-", "-", home(0700), "",
       "XDG_RUNTIME_DIR is not set and HOME is not set; running without the single-instance guard"},
      {"a relative home", "", "home", "-", home(0700), "",
       "XDG_RUNTIME_DIR is not set and HOME home is not an absolute path; running without the "
       "single-instance "
       "guard"},
      {"a read-only home", "-", "@/home", "-", home(0500), "",
       "XDG_RUNTIME_DIR is not set and @/home/.cache/yunuri cannot be made: @/home is not writable; running "
       "without the single-instance guard"},
      {"a fallback others may write into", "-", "@/home", "-",
       [](const QString& root) {
         makeDirectory(root + "/home", 0700);
         makeDirectory(root + "/home/.cache/yunuri", 0777);
       },
       "",
       "XDG_RUNTIME_DIR is not set and @/home/.cache/yunuri is writable by others; running without the "
       "single-instance guard"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SavedEnvironment saved;
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString root = scratch.path();
    c.prepare(root);
    QDir::setCurrent(root);
    setVariable("XDG_RUNTIME_DIR", c.runtime, root);
    setVariable("HOME", c.home, root);
    setVariable("XDG_CACHE_HOME", c.cache, root);

    const LockPlace place = chooseLockPlace();
    EXPECT_EQ(place.directory, expand(c.directory, root));
    EXPECT_EQ(place.reason, expand(c.reason, root));
    if (!place.directory.isEmpty() && !place.reason.isEmpty()) {
      struct stat st {};
      ASSERT_EQ(::stat(QFile::encodeName(place.directory).constData(), &st), 0);
      EXPECT_EQ(st.st_mode & 0777, 0700u) << "the fallback is not private";
    }
    // Nothing is made outside the home or cache the session named, above all not in the working directory.
    EXPECT_FALSE(QDir(root + "/.cache").exists());
    EXPECT_FALSE(QDir(root + "/run/yunuri").exists());
    ::chmod(QFile::encodeName(root + "/home").constData(), 0700);
    ::chmod(QFile::encodeName(root + "/run").constData(), 0700);
  }
}

sockaddr_un addressOf(const QString& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  return address;
}

// Leaves a socket file at `path` with nobody listening, as a copy killed outright does.
void leaveStaleSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  const sockaddr_un address = addressOf(path);
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
}

// A caller's end of the socket, never waiting: the listener answers on this same thread's event loop.
class Call {
 public:
  explicit Call(const QString& path) : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {
    const sockaddr_un address = addressOf(path);
    connected_ = fd_ >= 0 && ::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  }
  ~Call() {
    if (fd_ >= 0) ::close(fd_);
  }
  Call(const Call&) = delete;
  Call& operator=(const Call&) = delete;

  // Until the listener hangs up.
  bool connected() const { return connected_; }
  bool write(const QByteArray& bytes) {
    return ::send(fd_, bytes.constData(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL) ==
           bytes.size();
  }
  QByteArray readAll() {
    QByteArray arrived;
    std::array<char, 256> bytes{};
    while (connected_) {
      const ssize_t got = ::recv(fd_, bytes.data(), bytes.size(), 0);
      if (got > 0) {
        arrived.append(bytes.data(), got);
      } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        break;
      } else if (got == 0 || errno != EINTR) {
        connected_ = false;
      }
    }
    return arrived;
  }

 private:
  int fd_;
  bool connected_ = false;
};

// Says `bytes` to the listener at `path` and lets the event loop run until the listener hangs up; what it
// answered.
QByteArray say(const QString& path, const QByteArray& bytes) {
  Call caller(path);
  if (!caller.connected()) return "(not connected)";
  caller.write(bytes);
  QByteArray answer;
  const QDeadlineTimer deadline(3000);
  while (caller.connected() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    answer += caller.readAll();
  }
  if (caller.connected()) return "(still connected)";
  return answer;
}

TEST(Summons, ASecondLaunchIsAnsweredAndAStrangersBytesDoNothing) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  const QString path = scratch.filePath(QStringLiteral("yunuri.socket"));
  leaveStaleSocket(path);
  int comings = 0;
  SummonsListener listener(path, [&comings](const std::function<void()>& done) {
    ++comings;
    done();
  });
  ASSERT_TRUE(listener.listening()) << "a dead copy's socket is not replaced: "
                                    << listener.problem().toStdString();
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0077, 0u) << "others may reach the socket";

  for (const QByteArray& stranger :
       {QByteArray("hello\n"), QByteArray("forward\nforward\n"), QByteArray("forwardforwardforward"),
        QByteArray(4096, 'f'), QByteArray("FORWARD\n"), QByteArray("forward", 7).append('\0')}) {
    SCOPED_TRACE(stranger.left(24).toStdString());
    EXPECT_EQ(say(path, stranger), QByteArray()) << "answered";
    EXPECT_EQ(comings, 0) << "came forward";
  }
  // Split over two writes, as a stream may deliver it, the word still counts.
  Call halves(path);
  ASSERT_TRUE(halves.connected());
  halves.write("for");
  QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(say(path, "forward\n"), "done\n");
  EXPECT_EQ(comings, 1);
  halves.write("ward\n");
  const QDeadlineTimer deadline(3000);
  while (comings < 2 && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(comings, 2);

  listener.stop();
  EXPECT_FALSE(QFile::exists(path)) << "the socket outlives the panel";
}

}  // namespace
}  // namespace yunuri
