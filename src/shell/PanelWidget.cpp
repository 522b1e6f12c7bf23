#include "shell/PanelWidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QScreen>
#include <QTouchEvent>
#include <algorithm>

#include "assets/Artwork.h"
#include "assets/PaintingThread.h"
#include "input/Input.h"
#include "shell/FrameExtents.h"
#include "shell/PanelAccessible.h"
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

// The keys that press the focused button, as a button's own keys do in every toolkit.
bool isPressKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
}

// The ring around a focused button follows its pill or circle: a dark band outside it and a light line on its
// rim, so that it reads on the orange ground, the blue buttons and the grey cards alike.
constexpr int kRingOutset = 2;
const QColor kRingDark(16, 24, 40);
const QColor kRingLight(255, 255, 255);

// Around the panel in full screen.
const QColor kGround(20, 18, 17);

// `r` moved as little as it takes to lie within `area` (its top left corner stays in view if it is larger).
QRect keptWithin(QRect r, const QRect& area) {
  r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
  r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
  return r;
}

}  // namespace

PanelWidget::PanelWidget(Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      form_(form),
      cacheRatio_(devicePixelRatioF()),
      timer_(this) {
  timer_.setObjectName(QStringLiteral("Timer1"));
  setFixedSize(kWindowWidth, kWindowHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_AcceptTouchEvents);
  installPanelAccessibility();
  setWindowTitle(QString::fromStdString(form_.Caption()));
  // The first frame's picture is painted on the painting thread while the window is being made.
  cache_.prefetch(form_.KABE.Visible ? form_.KABE.picture : Picture::base(BasePicture::MainPanel),
                  devicePixelRatioF());
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &PanelWidget::tick);
  afterFirstFrame_.setSingleShot(true);
  connect(&afterFirstFrame_, &QTimer::timeout, this, [this] {
    setWindowIcon(assets::windowIcon());
    cache_.prefetch(Picture::base(BasePicture::MainPanel), cacheRatio_);
    releasePainter_.start(kReleasePainterMs);
  });
  releasePainter_.setSingleShot(true);
  connect(&releasePainter_, &QTimer::timeout, this, [] { assets::releasePaintingThread(); });
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
  if (form_.TakeCaptionChanged()) {
    setWindowTitle(QString::fromStdString(form_.Caption()));
    announceCaption(this);
  }
  // The notice shows once; its picture is as big as the window.
  if (noticeCached_ && !form_.KABE.Visible) {
    noticeCached_ = false;
    cache_.forget(Picture::base(BasePicture::Notice));
  }
  const std::vector<DirtyRect> dirty = form_.TakeDirty();
  for (const DirtyRect& r : dirty) update(panelToWidget(QRectF(r.left, r.top, r.width, r.height)));
  if (!dirty.empty()) announceChoices(this, announcedChoices_);
  if (announcedVolume_ != form_.state.VolumeLevel || announcedMute_ != form_.state.MuteOn) {
    announcedVolume_ = form_.state.VolumeLevel;
    announcedMute_ = form_.state.MuteOn;
    announceValue(this);
  }
  // Asking the display server where the pointer is would cost a round trip every tick; the pointer's own
  // events keep its position, so only a control changing under it is looked up here.
  if (pointerAt_ && underMouse()) updatePointer(*pointerAt_);
}

void PanelWidget::updatePointer(QPoint at) {
  pointerAt_ = at;
  const Pointer want = form_.PointerAt(at.x(), at.y());
  const qreal ratio = renderRatio();
  if (want == pointer_ && ratio == cursorRatio_) return;
  pointer_ = want;
  if (ratio != cursorRatio_) {
    cursorRatio_ = ratio;
    closedHand_.reset();
    pointingFinger_.reset();
  }
  switch (want) {
    case Pointer::ClosedHand:
      if (!closedHand_) closedHand_ = assets::closedHandCursor(devicePixelRatioF(), zoom_.scale());
      setCursor(*closedHand_);
      break;
    case Pointer::PointingFinger:
      if (!pointingFinger_)
        pointingFinger_ = assets::pointingFingerCursor(devicePixelRatioF(), zoom_.scale());
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
  // Pictures of another ratio (before a zoom, or on another screen) are not kept.
  if (const qreal ratio = renderRatio(); ratio != cacheRatio_) {
    cache_.clear();
    cacheRatio_ = ratio;
  }
  QPainter painter(this);
  const QRectF panel = zoom_.panelArea();
  if (!panel.contains(QRectF(rect()))) {
    QPainterPath ground;  // the widget less the panel
    ground.addRect(QRectF(rect()));
    ground.addRect(panel);
    painter.fillPath(ground, kGround);
  }
  painter.save();
  painter.translate(panel.topLeft());
  painter.scale(zoom_.scale(), zoom_.scale());
  const QRectF area = zoom_.toPanel(QRectF(event->rect()).intersected(panel));
  paintPanel(painter, form_, cache_, cacheRatio_, area);
  painter.restore();
  if (const QRect ring = focusRingRect(); !ring.isNull() && ring.intersects(event->rect())) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal radius = std::min(ring.width(), ring.height()) / 2.0;
    painter.setPen(QPen(kRingDark, kRingOutset));
    painter.drawRoundedRect(QRectF(ring).adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    painter.setPen(QPen(kRingLight, 1));
    painter.drawRoundedRect(QRectF(ring).adjusted(2.5, 2.5, -2.5, -2.5), radius - 2.5, radius - 2.5);
  }
  // What the first frame does not need waits until the panel has been on screen for a moment: the icon
  // (the frame shows it a little later) and the panel under the notice (painted on the painting thread long
  // before a visitor can click the notice away).
  if (!firstFrameShown_) {
    firstFrameShown_ = true;
    afterFirstFrame_.start(kAfterFirstFrameMs);
  } else if (!afterFirstFrame_.isActive() && !releasePainter_.isActive()) {
    releasePainter_.start(kReleasePainterMs);
  }
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
  dropStaleCapture(event->buttons() & ~event->button());
  const QPoint at = widgetToPanel(event->position());
  pointerAt_ = at;
  // A click moves keyboard focus to the button clicked, without the ring: the ring is for keyboard users.
  if (focusVisible_) {
    update(focusRingRect());
    focusVisible_ = false;
  }
  if (const Target t = form_.HitTest(at.x(), at.y());
      t.kind == Target::Kind::Element && arrayLayout(t.array).isButton) {
    focus_ = ButtonRef{t.array, t.index};
  }
  MouseDown(form_, at.x(), at.y(), buttonOf(event->button()));
  sync();
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = widgetToPanel(event->position());
  pointerAt_ = at;
  MouseUp(form_, at.x(), at.y(), buttonOf(event->button()));
  sync();
}

void PanelWidget::mouseMoveEvent(QMouseEvent* event) {
  dropStaleCapture(event->buttons());
  updatePointer(widgetToPanel(event->position()));
}

void PanelWidget::touchEvent(QTouchEvent* event) {
  if (event->type() == QEvent::TouchCancel) {
    // The system took the touch back (an edge gesture, a rejected palm): nothing of it may act.
    finger_.reset();
    loseCapture();
    return;
  }
  for (const QEventPoint& point : event->points()) {
    const QPoint at = widgetToPanel(point.position());
    if (point.state() == QEventPoint::Pressed && !finger_) {
      finger_ = point.id();
      TouchDown(form_, at.x(), at.y());
    } else if (point.state() == QEventPoint::Released && finger_ == point.id()) {
      finger_.reset();
      TouchUp(form_, at.x(), at.y());
    }
  }
  sync();
}

void PanelWidget::keyPressEvent(QKeyEvent* event) {
  if (handleZoomKey(event)) return;
  // A held key repeats on most desktops; the press it started lasts until the key goes up.
  if (event->isAutoRepeat()) {
    event->accept();
    return;
  }
  const int key = event->key();
  if (isPressKey(key)) {
    if (form_.KABE.Visible) {
      KeyDownOnNotice(form_);
    } else if (focus_) {
      KeyDown(form_, focus_->array, focus_->index);
    }
  } else if (key == Qt::Key_Escape) {
    CloseTopPopup(form_);
  } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
    const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    if (focus_ && form_.Showing(focus_->array, focus_->index)) {
      if (const std::optional<ButtonRef> to = FocusToward(form_, *focus_, dx, dy)) {
        moveFocus(to);
      } else {
        moveFocus(focus_);
      }
    } else {
      moveFocus(NextFocus(form_, std::nullopt, dx + dy));
    }
  } else {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  sync();
}

bool PanelWidget::handleZoomKey(QKeyEvent* event) {
  const PanelZoom::Command command = PanelZoom::commandOf(*event);
  if (command == PanelZoom::Command::None) return false;
  event->accept();
  if (command == PanelZoom::Command::FullScreen) {
    toggleFullScreen();
    return true;
  }
  // Full screen shows the largest step already; the window's step waits for its return.
  if (isFullScreen()) return true;
  const bool changed = command == PanelZoom::Command::In    ? zoom_.zoomIn(roomForPanel())
                       : command == PanelZoom::Command::Out ? zoom_.zoomOut()
                                                            : zoom_.reset();
  if (changed) showZoomStep();
  return true;
}

QSize PanelWidget::roomForPanel() const {
  const QScreen* s = screen();
  if (s == nullptr) return size();
  return s->availableGeometry().size() - (frameGeometry().size() - size());
}

void PanelWidget::showZoomStep() {
  // A press held across the change would be released at a point that no longer means the same thing.
  loseCapture();
  const QRect frame = frameGeometry();
  const QSize margins = frame.size() - size();
  setFixedSize(zoom_.windowSize());
  // The window grows and shrinks about its centre, and stays within the screen.
  QRect zoomed(QPoint(), zoom_.windowSize() + margins);
  zoomed.moveCenter(frame.center());
  if (const QScreen* s = screen()) zoomed = keptWithin(zoomed, s->availableGeometry());
  move(zoomed.topLeft());
  sync();
}

void PanelWidget::toggleFullScreen() {
  loseCapture();
  if (isFullScreen()) {
    showNormal();
    setFixedSize(zoom_.windowSize());
    // Back where it was: the window manager's own memory of it loses to the resize. The client area's place,
    // as the frame is not known again yet.
    setGeometry(QRect(windowedAt_, size()));
  } else {
    windowedAt_ = geometry().topLeft();
    // A fixed size would keep the window manager from filling the screen.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
  }
}

void PanelWidget::resizeEvent(QResizeEvent* event) {
  zoom_.layOut(size(), isFullScreen(), devicePixelRatioF());
  update();
  QWidget::resizeEvent(event);
}

void PanelWidget::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat() || !isPressKey(event->key())) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  KeyUp(form_);
  sync();
}

void PanelWidget::focusOutEvent(QFocusEvent* event) {
  // A key that holds a button never comes up here once focus has gone: let the button go now.
  loseCapture();
  if (focusVisible_) update(focusRingRect());
  QWidget::focusOutEvent(event);
}

bool PanelWidget::focusNextPrevChild(bool next) {
  moveFocus(NextFocus(form_, focus_, next ? 1 : -1));
  return true;
}

void PanelWidget::moveFocus(std::optional<ButtonRef> to) {
  const QRect before = focusRingRect();
  focus_ = to ? to : focus_;
  focusVisible_ = true;
  update(before);
  update(focusRingRect());
  announceFocus(this);
}

void PanelWidget::focusButton(ButtonRef button) {
  if (!form_.Showing(button.array, button.index)) return;
  setFocus(Qt::OtherFocusReason);
  moveFocus(button);
}

QRect PanelWidget::focusRingRect() const {
  if (!focusVisible_ || !focus_ || !hasFocus() || !form_.Showing(focus_->array, focus_->index)) return {};
  const DirtyRect r = form_.WindowRect(form_.Element(focus_->array, focus_->index));
  return panelToWidget(QRectF(r.left, r.top, r.width, r.height))
      .adjusted(-kRingOutset, -kRingOutset, kRingOutset, kRingOutset);
}

void PanelWidget::pressFromAccessible(ButtonRef button) {
  Activate(form_, button.array, button.index);
  sync();
}

void PanelWidget::dismissNoticeFromAccessible() {
  DismissNotice(form_);
  sync();
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
  switch (event->type()) {
    case QEvent::UngrabMouse:
      loseCapture();
      break;
    case QEvent::Enter:
      pointerAt_ = widgetToPanel(static_cast<QEnterEvent*>(event)->position());
      break;
    case QEvent::Leave:
      pointerAt_.reset();
      break;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
      touchEvent(static_cast<QTouchEvent*>(event));
      event->accept();
      return true;
    default:
      break;
  }
  return QWidget::event(event);
}

void PanelWidget::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    centreOnScreen();
  }
  QWidget::showEvent(event);
}

void PanelWidget::centreOnScreen() {
  const QScreen* s = screen();
  if (s == nullptr) return;
  const QRect client = geometry();
  const QRect known = frameGeometry();
  QMargins frame(client.left() - known.left(), client.top() - known.top(), known.right() - client.right(),
                 known.bottom() - client.bottom());
  // A window's position is its frame's. On X11 the frame is known only once the window is on screen, and
  // until then the position is the client area's; asked beforehand, the window manager tells the frame now,
  // so the frame is centred without a jump.
  QPoint toFrame;
  if (frame.isNull()) {
    if (const std::optional<QMargins> extents = frameExtentsBeforeMap(*this)) {
      frame = *extents;
      toFrame = {frame.left(), frame.top()};
    }
  }
  QRect framed = client.marginsAdded(frame);
  framed.moveCenter(s->availableGeometry().center());
  move(framed.topLeft() + toFrame);
}

}  // namespace yunuri
