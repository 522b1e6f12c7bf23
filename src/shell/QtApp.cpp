#include "shell/QtApp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>

namespace yunuri {

QtApp::QtApp() = default;

bool QtApp::PrevInstance() {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  lock_ = std::make_unique<QLockFile>(QDir(dir).filePath(QStringLiteral("yunuri.lock")));
  // Never stale by age: a copy that has run for hours keeps its lock; a lock whose owner is gone (crashed or
  // killed) is recognised by its process id and taken over.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return false;
  return lock_->error() == QLockFile::LockFailedError;
}

void QtApp::MsgBoxCritical(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::Critical,
                  QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
  box.exec();
}

void QtApp::End() {
  ended_ = true;
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::exit(0);
}

}  // namespace yunuri
