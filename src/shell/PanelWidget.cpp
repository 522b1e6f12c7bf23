#include "shell/PanelWidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QScreen>
#include <QTouchEvent>

#include "assets/Artwork.h"
#include "assets/PaintingThread.h"
#include "assets/Words.h"
#include "input/Input.h"
#include "shell/FrameExtents.h"
#include "shell/Language.h"
#include "shell/PanelAccessible.h"
#include "shell/PanelAnnounce.h"
#include "shell/StatusLine.h"

// The window itself: its making, the tick, what follows every input and tick, and the window's life.
namespace yunuri {

PanelWidget::PanelWidget(Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      form_(form),
      cacheRatio_(devicePixelRatioF()),
      timer_(this),
      startLanguage_(currentLanguage()),
      languageButton_(new LanguageButton(this)) {
  timer_.setObjectName(QStringLiteral("Timer1"));
  setFixedSize(kWindowWidth, kWindowHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_AcceptTouchEvents);
  installPanelAccessibility();
  setWindowTitle(assets::shown(form_.Caption()));
  // The first frame's picture is painted on the painting thread while the window is being made.
  cache_.prefetch(form_.NoticeUp() ? form_.KABE().picture : Picture::base(BasePicture::MainPanel),
                  devicePixelRatioF());
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &PanelWidget::tick);
  afterFirstFrame_.setSingleShot(true);
  connect(&afterFirstFrame_, &QTimer::timeout, this, [this] {
    setWindowIcon(assets::windowIcon());
    cache_.prefetch(Picture::base(BasePicture::MainPanel), cacheRatio_);
    releasePainter_.start(kReleasePainterMs);
  });
  idle_.setParent(this);
  idle_.setObjectName(QStringLiteral("IdleReset"));
  idle_.setSingleShot(true);
  connect(&idle_, &QTimer::timeout, this, &PanelWidget::startAgain);
  tellFocus_.setSingleShot(true);
  tellFocus_.setInterval(0);
  connect(&tellFocus_, &QTimer::timeout, this, [this] { announceFocus(this); });
  releasePainter_.setSingleShot(true);
  connect(&releasePainter_, &QTimer::timeout, this, [] { assets::releasePaintingThread(); });
}

void PanelWidget::startTimer1() {
  if (!form_.Timer1.Enabled) return;
  timer_.start(form_.Timer1.Interval);
}

void PanelWidget::tick() {
  Tick(form_);
  sync();
}

void PanelWidget::sync() {
  if (form_.TakeCaptionChanged()) {
    setWindowTitle(assets::shown(form_.Caption()));
    // Screen readers hear the caption as the status line's name: the line on the ground is only painted.
    announceCaption(this);
    update(statusLineRect());
  }
  followFocus();
  // The notice shows once; its picture is as big as the window.
  if (noticeCached_ && !form_.NoticeUp()) {
    noticeCached_ = false;
    cache_.forget(Picture::base(BasePicture::Notice));
  }
  const std::vector<DirtyRect> dirty = form_.TakeDirty();
  for (const DirtyRect& r : dirty) update(panelToWidget(QRectF(r.left, r.top, r.width, r.height)));
  // A button reads otherwise as checked only with something repainted.
  if (!dirty.empty()) {
    announceChecked(this, form_.TakeCheckedChanges());
    announceChanges(this);
  }
  if (form_.TakeMeterChanged()) announceValue(this, form_.state.VolumeLevel);
  // Asking the display server where the pointer is would cost a round trip every tick; the pointer's own
  // events keep its position, so only a control changing under it is looked up here.
  if (pointerAt_ && underMouse()) updatePointer(*pointerAt_);
}

QRect PanelWidget::statusLineRect() const {
  if (!isFullScreen()) return {};
  // All the ground under the panel, the text set in its middle.
  const int panelBottom = panelToWidget(QRectF(0, 0, kWindowWidth, kWindowHeight)).bottom() + 1;
  return {0, panelBottom, width(), height() - panelBottom};
}

void PanelWidget::loseCapture() {
  if (!form_.Holding()) return;
  CaptureLost(form_);
  sync();
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
  if (event->type() == QEvent::LanguageChange) showLanguage();
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
