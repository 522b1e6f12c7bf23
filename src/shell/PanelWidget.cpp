#include "shell/PanelWidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "assets/Artwork.h"
#include "input/Input.h"
#include "shell/PanelPainter.h"
#include "tick/Tick.h"

namespace yunuri {
namespace {

MouseButton buttonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::Other;
  }
}

QPoint pixelOf(const QPointF& p) {
  return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

}  // namespace

PanelWidget::PanelWidget(Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      form_(form),
      timer_(this) {
  timer_.setObjectName(QStringLiteral("Timer1"));
  setFixedSize(kWindowWidth, kWindowHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setWindowTitle(QString::fromStdString(form_.Caption()));
  // The first frame's picture is painted on the painting thread while the window is being made.
  cache_.prefetch(form_.KABE.Visible ? form_.KABE.picture : Picture::base(BasePicture::MainPanel),
                  devicePixelRatioF());
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &PanelWidget::tick);
  afterFirstFrame_.setSingleShot(true);
  connect(&afterFirstFrame_, &QTimer::timeout, this, [this] {
    setWindowIcon(assets::windowIcon());
    cache_.prefetch(Picture::base(BasePicture::MainPanel), devicePixelRatioF());
  });
}

void PanelWidget::startTimer1() {
  if (!form_.Timer1.Enabled) return;
  timer_.start(form_.Timer1.Interval);
}

void PanelWidget::tick() {
  Timer1_Timer(form_);
  sync();
}

void PanelWidget::sync() {
  if (form_.TakeCaptionChanged()) setWindowTitle(QString::fromStdString(form_.Caption()));
  for (const DirtyRect& r : form_.TakeDirty()) {
    update(QRectF(r.left, r.top, r.width, r.height).toAlignedRect());
  }
  if (underMouse()) updatePointer(mapFromGlobal(QCursor::pos()));
}

void PanelWidget::updatePointer(QPoint at) {
  const Pointer want = form_.PointerAt(at.x(), at.y());
  if (want == pointer_) return;
  pointer_ = want;
  if (const qreal ratio = qGuiApp->devicePixelRatio(); ratio != cursorRatio_) {
    cursorRatio_ = ratio;
    closedHand_.reset();
    pointingFinger_.reset();
  }
  switch (want) {
    case Pointer::ClosedHand:
      if (!closedHand_) closedHand_ = assets::closedHandCursor();
      setCursor(*closedHand_);
      break;
    case Pointer::PointingFinger:
      if (!pointingFinger_) pointingFinger_ = assets::pointingFingerCursor();
      setCursor(*pointingFinger_);
      break;
    case Pointer::Arrow:
      // The desktop's own pointer: setting an arrow explicitly would load the cursor theme at start-up.
      unsetCursor();
      break;
  }
}

void PanelWidget::paintEvent(QPaintEvent* event) {
  ++paintCount_;
  QPainter painter(this);
  paintPanel(painter, form_, cache_, devicePixelRatioF(), event->rect());
  // What the first frame does not need waits until the panel has been on screen for a moment: the icon
  // (the frame shows it a little later) and the panel under the notice (painted on the painting thread long
  // before a visitor can click the notice away).
  if (!firstFrameShown_) {
    firstFrameShown_ = true;
    afterFirstFrame_.start(kAfterFirstFrameMs);
  }
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
  dropStaleCapture(event->buttons() & ~event->button());
  const QPoint at = pixelOf(event->position());
  MouseDown(form_, at.x(), at.y(), buttonOf(event->button()));
  sync();
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = pixelOf(event->position());
  MouseUp(form_, at.x(), at.y(), buttonOf(event->button()));
  sync();
}

void PanelWidget::mouseMoveEvent(QMouseEvent* event) {
  dropStaleCapture(event->buttons());
  updatePointer(pixelOf(event->position()));
}

void PanelWidget::loseCapture() {
  if (!form_.Holding()) return;
  CaptureLost(form_);
  sync();
}

void PanelWidget::dropStaleCapture(Qt::MouseButtons stillDown) {
  if (stillDown == Qt::NoButton) loseCapture();
}

void PanelWidget::closeEvent(QCloseEvent* event) {
  // Closing from the frame ends the program at once: no handler of the panel runs.
  timer_.stop();
  event->accept();
  QCoreApplication::exit(0);
}

void PanelWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) loseCapture();
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) loseCapture();
  QWidget::changeEvent(event);
}

void PanelWidget::hideEvent(QHideEvent* event) {
  loseCapture();
  QWidget::hideEvent(event);
}

bool PanelWidget::event(QEvent* event) {
  if (event->type() == QEvent::UngrabMouse) loseCapture();
  return QWidget::event(event);
}

void PanelWidget::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    if (const QScreen* s = screen()) {
      const QRect area = s->availableGeometry();
      QRect frame = frameGeometry();
      frame.moveCenter(area.center());
      move(frame.topLeft());
    }
  }
  QWidget::showEvent(event);
}

}  // namespace yunuri
