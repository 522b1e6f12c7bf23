// The real panel started as main() starts it, ending as soon as its first frame has been painted: the
// start-up figure to hold against a bare window. With `--ready` it ends once the panel is ready to use
// instead: the work put off until after the first frame (the window icon, the panel under the notice) is
// done.
#include <QApplication>
#include <QEvent>
#include <QThreadPool>
#include <cstring>

#include "assets/Fonts.h"
#include "input/StartUp.h"
#include "shell/PanelWidget.h"
#include "shell/QtApp.h"

namespace {

// Lets the first paint run and flush, then leaves the event loop; or, when waiting for the panel to be
// ready, waits for the put-off work: it starts by setting the icon and ends with the painting it queues.
class QuitWhenShown : public QObject {
 public:
  explicit QuitWhenShown(bool ready) : ready_(ready) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
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
  bool painted_ = false;
  bool quitting_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  yunuri::QtApp platform;
  yunuri::assets::startFontWarmUp();
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("yunuri"));
  QCoreApplication::setApplicationVersion(QStringLiteral(YUNURI_VERSION));

  yunuri::Form1 form(platform);
  if (!yunuri::Form_Load(form)) return 1;

  yunuri::PanelWidget panel(form);
  QuitWhenShown quitter(argc > 1 && std::strcmp(argv[1], "--ready") == 0);
  panel.installEventFilter(&quitter);
  panel.show();
  panel.startTimer1();
  return QApplication::exec();
}
