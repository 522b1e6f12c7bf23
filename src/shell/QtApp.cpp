#include "shell/QtApp.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace yunuri {
namespace {

constexpr const char* kRuntimeVariable = "XDG_RUNTIME_DIR";
constexpr mode_t kPrivateMode = 0700;
constexpr auto kLockName = "yunuri.lock";
constexpr auto kFallbackName = "yunuri";

// Why a directory is no private, writable place of this user; empty when it is one. Another user who could
// write into it could plant or remove the lock.
QString unfitness(const QString& dir) {
  const QByteArray path = QFile::encodeName(dir);
  struct stat st {};
  if (::stat(path.constData(), &st) != 0) {
    return errno == ENOENT ? QStringLiteral("does not exist") : QString::fromLocal8Bit(std::strerror(errno));
  }
  if (!S_ISDIR(st.st_mode)) return QStringLiteral("is not a directory");
  if (st.st_uid != ::geteuid()) return QStringLiteral("belongs to another user");
  if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) return QStringLiteral("is writable by others");
  // The owner's write bit is tested as well as access(): for root, access() ignores a read-only mode.
  if ((st.st_mode & S_IWUSR) == 0 || ::access(path.constData(), W_OK | X_OK) != 0)
    return QStringLiteral("is not writable");
  return {};
}

bool hasPrivateMode(const QString& dir) {
  struct stat st {};
  return ::stat(QFile::encodeName(dir).constData(), &st) == 0 && (st.st_mode & 0777) == kPrivateMode;
}

// The user's cache directory plus our own private directory in it, made on first use.
QString makeFallback() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (base.isEmpty()) return {};
  QDir().mkpath(base);
  QString dir = QDir(base).filePath(QString::fromLatin1(kFallbackName));
  ::mkdir(QFile::encodeName(dir).constData(), kPrivateMode);
  return dir;
}

void say(const QString& line) {
  std::fprintf(stderr, "yunuri: %s\n", line.toLocal8Bit().constData());
}

// What is wrong with the session's runtime directory as a home for the lock; empty when nothing is.
QString runtimeProblem(const QString& runtime) {
  const QLatin1String name(kRuntimeVariable);
  if (runtime.isEmpty()) return QStringLiteral("%1 is not set").arg(name);
  const QString why = unfitness(runtime);
  return why.isEmpty() ? why : QStringLiteral("%1 %2 %3").arg(name, runtime, why);
}

// What is wrong with the fallback directory; empty when nothing is.
QString fallbackProblem(const QString& fallback) {
  if (fallback.isEmpty()) return QStringLiteral("there is no cache directory");
  const QString why = unfitness(fallback);
  return why.isEmpty() ? why : fallback + u' ' + why;
}

// The runtime directory when it is fit for the lock; otherwise the private fallback (or nothing), with one
// line saying why.
QString chooseLockDirectory() {
  QString runtime = qEnvironmentVariable(kRuntimeVariable);
  const QString problem = runtimeProblem(runtime);
  if (problem.isEmpty()) return runtime;

  QString fallback = makeFallback();
  const QString unfit = fallbackProblem(fallback);
  if (!unfit.isEmpty()) {
    say(QStringLiteral("%1 and %2; running without the single-instance guard").arg(problem, unfit));
    return {};
  }
  say(QStringLiteral("%1; the single-instance lock is kept in %2").arg(problem, fallback));
  // The toolkit looks for the runtime directory too; give it this private one rather than let it warn and
  // fall back to a shared place.
  if (hasPrivateMode(fallback)) qputenv(kRuntimeVariable, QFile::encodeName(fallback));
  return fallback;
}

}  // namespace

QtApp::QtApp() : lockDir_(chooseLockDirectory()) {}

bool QtApp::PrevInstance() {
  if (lockDir_.isEmpty()) return false;
  lock_ = std::make_unique<QLockFile>(QDir(lockDir_).filePath(QString::fromLatin1(kLockName)));
  // Never stale by age: a copy that has run for hours keeps its lock. A lock whose owner is gone (crashed or
  // killed) is recognised by its process id and taken over.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return false;
  if (lock_->error() == QLockFile::LockFailedError) return true;
  say(QStringLiteral("cannot create the single-instance lock in %1; running without it").arg(lockDir_));
  lock_.reset();
  return false;
}

void QtApp::MsgBoxCritical(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::Critical,
                  QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
  box.exec();
}

void QtApp::End() {
  ended_ = true;
  // Gone for good: the lock goes first, so a new launch is never refused by a copy on its way out.
  lock_.reset();
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::exit(0);
}

}  // namespace yunuri
