#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "assets/Fonts.h"
#include "assets/Log.h"
#include "input/StartUp.h"
#include "shell/CheckRoom.h"
#include "shell/CommandLine.h"
#include "shell/EndOnSignals.h"
#include "shell/FontWarning.h"
#include "shell/Language.h"
#include "shell/PanelWidget.h"
#include "shell/ProjectorRoom.h"
#include "shell/QtApp.h"
#include "shell/ShowroomApp.h"
#include "shell/WindowPlace.h"

namespace {

bool isSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// What is missing for the window to show, or nothing. Platforms other than X11 and Wayland (offscreen, vnc,
// eglfs, ...) need no display server.
const char* missingDisplay() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const std::string_view name(platform.constData(), static_cast<std::size_t>(platform.size()));
  if (name.starts_with("xcb"))
    return isSet("DISPLAY") ? nullptr : "QT_QPA_PLATFORM is xcb but DISPLAY is not set";
  if (name.starts_with("wayland")) {
    return isSet("WAYLAND_DISPLAY") ? nullptr : "QT_QPA_PLATFORM is wayland but WAYLAND_DISPLAY is not set";
  }
  if (!name.empty() || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) return nullptr;
  return "neither DISPLAY nor WAYLAND_DISPLAY is set";
}

// While the application connects to the display, the toolkit's complaints are held back: if it cannot open a
// window at all, one line says so and the program ends without an abort trace; otherwise they go out as
// usual.
QtMessageHandler toolkitHandler = nullptr;
bool connecting = false;
QList<std::pair<QtMsgType, QString>> heldBack;

void onToolkitMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!connecting) {
    toolkitHandler(type, context, message);
    return;
  }
  if (type != QtFatalMsg) {
    heldBack.append({type, message});
    return;
  }
  const QString reason =
      heldBack.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0) : heldBack.first().second;
  // Said through the handler beneath: a message logged from within a handler would come back here.
  const QMessageLogContext ours(nullptr, 0, nullptr, yunuri::lcPanel().categoryName());
  toolkitHandler(QtCriticalMsg, ours, QStringLiteral("cannot open the panel's window: %1").arg(reason));
  std::_Exit(EXIT_FAILURE);
}

void releaseHeldBack() {
  connecting = false;
  for (const auto& [type, message] : heldBack) {
    toolkitHandler(type, QMessageLogContext(), message);
  }
  heldBack.clear();
}

}  // namespace

int main(int argc, char** argv) {
  // Help, the version and a mistyped option end here, before a display is needed or the lock is taken.
  const yunuri::CommandLine commandLine = yunuri::readCommandLine(argc, argv);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  // An installer's check of the room runs in a console: no display, no lock, no window.
  if (commandLine.options.checkRoom) return yunuri::checkRoom(*commandLine.options.checkRoom, stdout);
  // Without a display the toolkit would abort with a trace; say plainly what is missing instead.
  if (const char* missing = missingDisplay()) {
    qCCritical(yunuri::lcPanel, "the panel needs a desktop session (%s)", missing);
    return EXIT_FAILURE;
  }
  // The guard picks its lock directory first, so that the toolkit is handed a private runtime directory when
  // the session's is unusable instead of warning and falling back to a shared one.
  yunuri::QtApp platform;
  yunuri::assets::startFontWarmUp();
  toolkitHandler = qInstallMessageHandler(onToolkitMessage);
  connecting = true;
  QApplication application(argc, argv);
  releaseHeldBack();
  QCoreApplication::setApplicationName(QStringLiteral("yunuri"));
  QCoreApplication::setApplicationVersion(QStringLiteral(YUNURI_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(YUNURI_APP_ID));
  yunuri::setLanguage(commandLine.options.language);

  // A signal ends the program as the window's close does, so the lock goes with it; from here on, as the lock
  // is taken by the load event.
  yunuri::endOnSignals(&application, [] { QCoreApplication::exit(0); });

  const yunuri::Options& options = commandLine.options;
  // In showroom mode the exit button starts the panel again; the handlers ask the platform to end as ever.
  yunuri::ShowroomApp showroom(platform);
  yunuri::Form1 form(options.kiosk ? static_cast<yunuri::App&>(showroom) : platform);
  // The room file's projectors, attached before start-up asks them anything; none without a room file.
  const yunuri::ProjectorRoom projectors(form, options.room);
  if (!yunuri::Form_Load(form)) return EXIT_SUCCESS;

  yunuri::PanelWidget panel(form);
  panel.setIdleReset(yunuri::idleResetSeconds(options));
  panel.setStatusStrip(options.statusLine.value_or(yunuri::rememberedStatusStrip()));
  panel.setRoomView(options.roomView);
  if (options.kiosk) {
    showroom.restartInsteadOfEnd([&panel] { panel.startAgain(); });
    panel.startShowroom();
  } else {
    panel.show();
  }
  panel.startTimer1();
  platform.bringForwardWhenSummoned(&panel);
  // Asked once the event loop runs: by then the first frame's letters have done the font lookup.
  QTimer::singleShot(0, &panel, [&panel] { yunuri::warnIfNoJapaneseFont(&panel); });
  return QApplication::exec();
}
