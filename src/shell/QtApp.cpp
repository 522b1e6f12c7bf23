#include "shell/QtApp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>
#include <utility>

#include "assets/Log.h"
#include "assets/Words.h"
#include "shell/Summons.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace yunuri {
namespace {

constexpr const char* kRuntimeVariable = "XDG_RUNTIME_DIR";
constexpr QFile::Permissions kPrivateMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOthersWrite = QFile::WriteGroup | QFile::WriteOther;
constexpr auto kLockName = "yunuri.lock";
constexpr auto kSocketName = "yunuri.socket";
// How long a refused launch waits for the running panel to come forward before it shows its box anyway.
constexpr int kSummonsPatienceMs = 4000;
constexpr auto kFallbackName = "yunuri";

// Whether this user may make entries in the directory. The owner's write bit is tested as well as access
// itself: for root, access ignores a read-only mode.
bool writable(const QFileInfo& dir) {
#ifdef Q_OS_UNIX
  if (dir.ownerId() == ::geteuid() && !dir.permission(QFile::WriteOwner)) return false;
#endif
  return dir.isWritable() && dir.isExecutable();
}

// Why a directory is no private, writable place of this user; empty when it is one. On Unix another user who
// could write into it could plant or remove the lock; elsewhere the user's own directories are private.
QString unfitness(const QString& dir) {
  const QFileInfo info(dir);
  if (!info.exists()) return QStringLiteral("does not exist");
  if (!info.isDir()) return QStringLiteral("is not a directory");
#ifdef Q_OS_UNIX
  if (info.ownerId() != ::geteuid()) return QStringLiteral("belongs to another user");
  if ((info.permissions() & kOthersWrite) != 0) return QStringLiteral("is writable by others");
#endif
  if (!writable(info)) return QStringLiteral("is not writable");
  return {};
}

bool hasPrivateMode(const QString& dir) {
  constexpr QFile::Permissions kAnyoneElse = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                             QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
  const QFile::Permissions mode = QFileInfo(dir).permissions();
  return (mode & kPrivateMode) == kPrivateMode && (mode & kAnyoneElse) == 0;
}

// A directory named by an environment variable, as the XDG base directory rules take it: unset, empty or
// relative, it is unusable. Empty with the reason in `problem` when so.
QString absoluteFromEnvironment(const char* variable, QString& problem) {
  const QString value = qEnvironmentVariable(variable);
  const QLatin1String name(variable);
  if (value.isEmpty()) {
    problem = QStringLiteral("%1 is not set").arg(name);
  } else if (!QDir::isAbsolutePath(value)) {
    problem = QStringLiteral("%1 %2 is not an absolute path").arg(name, value);
  } else {
    return QDir::cleanPath(value);
  }
  return {};
}

// The user's cache directory: XDG_CACHE_HOME when it is an absolute path (a relative one is ignored, as the
// rules say), else ~/.cache.
QString cacheHome(QString& problem) {
  QString ignored;
  QString cache = absoluteFromEnvironment("XDG_CACHE_HOME", ignored);
  if (!cache.isEmpty()) return cache;
  const QString home = absoluteFromEnvironment("HOME", problem);
  return home.isEmpty() ? home : home + QStringLiteral("/.cache");
}

// Makes `dir` and any missing parents, private to this user, as the rules ask of base directories. Empty
// when it exists afterwards; else what stood in the way.
QString makePrivateDirectory(const QString& dir) {
  QStringList missing;
  QString existing = dir;
  while (!QFileInfo::exists(existing)) {
    missing.prepend(existing);
    const QString parent = QFileInfo(existing).path();
    if (parent == existing) break;
    existing = parent;
  }
  if (missing.isEmpty()) return {};
  const QFileInfo base(existing);
  if (!base.isDir()) return QStringLiteral("%1 cannot be made: %2 is not a directory").arg(dir, existing);
  if (!writable(base)) return QStringLiteral("%1 cannot be made: %2 is not writable").arg(dir, existing);
  for (const QString& step : missing) {
    if (!QDir().mkdir(step, kPrivateMode) && !QFileInfo(step).isDir()) {
      return QStringLiteral("%1 cannot be made").arg(dir);
    }
  }
  return {};
}

// Our private directory in the user's cache, made on first use; empty with the reason when there is none.
QString fallbackDirectory(QString& problem) {
  const QString cache = cacheHome(problem);
  if (cache.isEmpty()) return {};
  QString dir = cache + u'/' + QLatin1String(kFallbackName);
  problem = makePrivateDirectory(dir);
  if (problem.isEmpty()) {
    const QString why = unfitness(dir);
    if (why.isEmpty()) return dir;
    problem = dir + u' ' + why;
  }
  return {};
}

void say(const QString& line) {
  qCWarning(lcPanel).noquote() << line;
}

}  // namespace

LockPlace chooseLockPlace() {
  QString problem;
  const QString runtime = absoluteFromEnvironment(kRuntimeVariable, problem);
  if (!runtime.isEmpty()) {
    const QString why = unfitness(runtime);
    if (why.isEmpty()) return {runtime, {}};
    problem = QStringLiteral("%1 %2 %3").arg(QLatin1String(kRuntimeVariable), runtime, why);
  }
  QString unfit;
  QString fallback = fallbackDirectory(unfit);
  if (fallback.isEmpty()) {
    return {{}, QStringLiteral("%1 and %2; running without the single-instance guard").arg(problem, unfit)};
  }
  return {fallback, QStringLiteral("%1; the single-instance lock is kept in %2").arg(problem, fallback)};
}

namespace {

// The runtime directory when it is fit for the lock; otherwise the private fallback (or nothing), with one
// line saying why.
QString chooseLockDirectory() {
  const LockPlace place = chooseLockPlace();
  if (place.reason.isEmpty()) return place.directory;
  say(place.reason);
  // The toolkit looks for the runtime directory too; give it this private one rather than let it warn and
  // fall back to a shared place.
  if (!place.directory.isEmpty() && hasPrivateMode(place.directory)) {
    qputenv(kRuntimeVariable, QFile::encodeName(place.directory));
  }
  return place.directory;
}

}  // namespace

QtApp::QtApp() : lockDir_(chooseLockDirectory()) {}

QtApp::~QtApp() = default;

bool QtApp::PrevInstance() {
  if (lockDir_.isEmpty()) return false;
  lock_ = std::make_unique<QLockFile>(QDir(lockDir_).filePath(QString::fromLatin1(kLockName)));
  // Never stale by age: a copy that has run for hours keeps its lock. A lock whose owner is gone (crashed or
  // killed) is recognised by its process id and taken over.
  lock_->setStaleLockTime(0);
  const QString socket = QDir(lockDir_).filePath(QString::fromLatin1(kSocketName));
  if (lock_->tryLock(0)) {
    listener_ = std::make_unique<SummonsListener>(socket, [this](std::function<void()> done) {
      if (summoned_) {
        bringForward(summoned_, std::move(done));
      } else {
        done();
      }
    });
    if (!listener_->listening()) {
      say(QStringLiteral("cannot listen at %1 (%2); a second launch cannot bring this panel forward")
              .arg(socket, listener_->problem()));
    }
    return false;
  }
  if (lock_->error() == QLockFile::LockFailedError) {
    // The running panel comes forward first; the box shown next is then the last window activated.
    summon(socket, kSummonsPatienceMs);
    return true;
  }
  say(QStringLiteral("cannot create the single-instance lock in %1; running without it").arg(lockDir_));
  lock_.reset();
  return false;
}

void QtApp::MsgBoxCritical(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::Critical,
                  QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())), assets::shown(text),
                  QMessageBox::Ok);
  box.exec();
}

void QtApp::End() {
  // Gone for good: the lock goes first, so a new launch is never refused by a copy on its way out; the
  // socket just before it, so that a launch refused meanwhile finds nobody to wait for.
  listener_.reset();
  lock_.reset();
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::exit(0);
}

}  // namespace yunuri
