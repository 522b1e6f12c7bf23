// The least a Qt 6 program can do to put a 400 x 300 window on screen: the yardstick for the panel's
// start-up.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
 public:
  BareWindow() { setFixedSize(400, 300); }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(250, 200, 140));
    if (quitting_) return;
    quitting_ = true;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  }

 private:
  bool quitting_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  BareWindow window;
  window.show();
  return QApplication::exec();
}
