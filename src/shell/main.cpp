#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/PanelWidget.h"
#include "shell/QtApp.h"
#include "window/StartUp.h"

namespace {

// Without a display the toolkit would abort with a trace; say plainly what is missing instead.
bool haveDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!haveDisplay()) {
    std::fputs("yunuri: the panel needs a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set)\n",
               stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("yunuri"));
  QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));

  yunuri::QtApp platform;
  yunuri::Form1 form(platform);
  if (!yunuri::Form_Load(form)) return 0;

  yunuri::PanelWidget panel(form);
  panel.show();
  panel.startTimer1();
  return QApplication::exec();
}
