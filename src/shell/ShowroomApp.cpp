#include "shell/ShowroomApp.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace yunuri {

void ShowroomApp::End() {
  if (!restart_) {
    platform_.End();
    return;
  }
  QMetaObject::invokeMethod(QCoreApplication::instance(), restart_, Qt::QueuedConnection);
}

}  // namespace yunuri
