// The real panel started as main() starts it, ending as soon as its first frame has been painted: the
// start-up figure to hold against a bare window.
#include <QApplication>
#include <QEvent>

#include "assets/Fonts.h"
#include "shell/PanelWidget.h"
#include "shell/QtApp.h"
#include "window/StartUp.h"

namespace {

// Lets the first paint run and flush, then leaves the event loop.
class QuitAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !quitting_) {
      quitting_ = true;
      QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool quitting_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  yunuri::QtApp platform;
  yunuri::assets::startFontWarmUp();
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("yunuri"));
  QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));

  yunuri::Form1 form(platform);
  if (!yunuri::Form_Load(form)) return 1;

  yunuri::PanelWidget panel(form);
  QuitAfterFirstPaint quitter;
  panel.installEventFilter(&quitter);
  panel.show();
  panel.startTimer1();
  return QApplication::exec();
}
