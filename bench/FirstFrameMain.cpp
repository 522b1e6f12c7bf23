// The real panel started as main() starts it, ending as soon as its first frame has been painted: the
// start-up figure to hold against a bare window. With `--ready` it ends once the panel is ready to use
// instead: the work put off until after the first frame (the window icon, the panel under the notice) is
// done. With `--english` the panel starts in English; with `--switch` it starts in Japanese and ends once
// the frame after a switch to English is painted, as a visitor's first Ctrl+L: what English costs.
#include <QApplication>
#include <QEvent>
#include <QThreadPool>
#include <cstring>

#include "assets/Fonts.h"
#include "input/StartUp.h"
#include "shell/Language.h"
#include "shell/PanelWidget.h"
#include "shell/QtApp.h"

namespace {

const QString kEnglish = QStringLiteral("en");

// Lets the first paint run and flush, then leaves the event loop; or, when waiting for the panel to be
// ready, waits for the put-off work: it starts by setting the icon and ends with the painting it queues.
class QuitWhenShown : public QObject {
 public:
  QuitWhenShown(bool ready, bool switchLanguage) : ready_(ready), switch_(switchLanguage) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (switch_) {
      // The first frame in Japanese; the frames that count are those after the switch to English.
      if (event->type() == QEvent::Paint && !switchQueued_) {
        switchQueued_ = true;
        QMetaObject::invokeMethod(
            qApp,
            [this] {
              yunuri::setLanguage(kEnglish);
              switch_ = false;
            },
            Qt::QueuedConnection);
      }
      return QObject::eventFilter(watched, event);
    }
    // The window is given the application's icon when it is made: the panel's own comes after a paint.
    painted_ = painted_ || event->type() == QEvent::Paint;
    const bool done = ready_ ? painted_ && event->type() == QEvent::WindowIconChange : painted_;
    if (done && !quitting_) {
      quitting_ = true;
      if (ready_) {
        QMetaObject::invokeMethod(qApp, &QuitWhenShown::finishPainting, Qt::QueuedConnection);
      } else {
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // Waits for the painting the panel still has queued, then leaves.
  static void finishPainting() {
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::quit();
  }

  bool ready_;
  bool switch_;
  bool switchQueued_ = false;
  bool painted_ = false;
  bool quitting_ = false;
};

bool given(int argc, char** argv, const char* option) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  yunuri::QtApp platform;
  yunuri::assets::startFontWarmUp();
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("yunuri"));
  QCoreApplication::setApplicationVersion(QStringLiteral(YUNURI_VERSION));

  if (given(argc, argv, "--english")) yunuri::setLanguage(kEnglish);

  yunuri::Form1 form(platform);
  if (!yunuri::Form_Load(form)) return 1;

  yunuri::PanelWidget panel(form);
  QuitWhenShown quitter(given(argc, argv, "--ready"), given(argc, argv, "--switch"));
  panel.installEventFilter(&quitter);
  panel.show();
  panel.startTimer1();
  return QApplication::exec();
}
