#include "shell/PanelWidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTouchEvent>
#include <initializer_list>

#include "assets/Words.h"
#include "input/StartUp.h"
#include "shell/ActionEvent.h"
#include "shell/IdleReset.h"
#include "shell/InputEvents.h"
#include "shell/Language.h"
#include "shell/RoomWidget.h"
#include "shell/RoomWindow.h"
#include "shell/StatusLine.h"

namespace yunuri {

PanelWidget::PanelWidget(Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      form_(form),
      timer_(this),
      focus_(form),
      announcer_(this),
      pointer_(*this, form, zoom_),
      canvas_(*this, form, zoom_),
      place_(*this, zoom_),
      rooms_(*this, form),
      idle_(new IdleReset(this, [this] { startAgain(); })),
      startLanguage_(currentLanguage()) {
  timer_.setObjectName(QStringLiteral("Timer1"));
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &PanelWidget::tick);
  setFixedSize(zoom_.windowSize());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_AcceptTouchEvents);
  installPanelAccessibility();
  setWindowTitle(assets::shown(form_.Caption()));
}

void PanelWidget::startTimer1() {
  if (form_.Timer1.Enabled) timer_.start(form_.Timer1.Interval);
}

void PanelWidget::tick() {
  pass(std::nullopt, Tick);
}

void PanelWidget::pass(std::optional<InputWay> by, const std::function<void(Form1&)>& run) {
  const QRect ringBefore = focusRingRect(form_, focus_, zoom_);
  focusToTell_ = false;
  run(form_);
  if (focusToTell_) announcer_.focus();
  const bool captionChanged = form_.TakeCaptionChanged();
  if (captionChanged) {
    setWindowTitle(assets::shown(form_.Caption()));
    // Screen readers hear the caption as the status line's name: the line on the ground is only painted.
    announcer_.caption();
    update(statusLineRect());
  }
  if (focus_.follow(form_, by)) announcer_.focus();
  if (const QRect ring = focusRingRect(form_, focus_, zoom_); ring != ringBefore) {
    update(ringBefore);
    update(ring);
  }
  canvas_.follow();
  rooms_.follow(captionChanged);
  const std::vector<DirtyRect> dirty = form_.TakeDirty();
  for (const DirtyRect& r : dirty) update(panelToWidget(QRectF(r.left, r.top, r.width, r.height)));
  announcer_.changes(form_, !dirty.empty());
  pointer_.follow();
}

void PanelWidget::moveFocus(Form1& f, std::optional<ButtonRef> to) {
  focus_.moveTo(f, to);
  focus_.showRing();
  focusToTell_ = true;
}

bool PanelWidget::event(QEvent* event) {
  const QEvent::Type type = event->type();
  // A key that holds a button never comes up once the focus has gone: every key counts as up.
  if ((endsPress(*this, *event) && form_.Holding()) || type == QEvent::FocusOut) {
    pass(std::nullopt, [type](Form1& f) {
      if (type == QEvent::FocusOut) KeysLost(f);
      CaptureLost(f);
    });
  }
  switch (type) {
    case QEvent::Enter:
      pointer_.at(widgetToPanel(static_cast<QEnterEvent*>(event)->position()));
      break;
    case QEvent::Leave:
      pointer_.left();
      break;
    case QEvent::LanguageChange:
      showLanguage();
      break;
    case QEvent::WindowActivate:
      // The notice holds the keyboard first, so that Space closes it: a window activated with no focus yet
      // (the desktop activates it once mapped, full screen already) would hand it to the first child that
      // takes Tab, the language button.
      if (focusWidget() == nullptr) setFocus(Qt::ActiveWindowFocusReason);
      break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      // The ring shows only while the window has the focus. Qt tells assistive technology that the window has
      // it; then say which part of it has: the notice at start, so that a screen reader reads it, or the
      // focused button.
      update(focusRingRect(form_, focus_, zoom_));
      if (type == QEvent::FocusIn) announcer_.focusSoon();
      break;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
      pointer_.touched(place_.showroom());
      pass(InputWay::Pointer,
           [&](Form1& f) { touchPoints(f, *static_cast<QTouchEvent*>(event), zoom_, finger_); });
      event->accept();
      return true;
    case QEvent::TouchCancel:
      // The system took the touch back (an edge gesture, a rejected palm): nothing of it may act.
      pointer_.touched(place_.showroom());
      finger_.reset();
      event->accept();
      return true;
    default:
      if (type != ActionEvent::type()) break;
      pass(InputWay::KeyOrAction, [b = static_cast<ActionEvent*>(event)->button()](Form1& f) {
        if (b) Activate(f, b->array, b->index);
        if (!b) DismissNotice(f);
      });
      return true;
  }
  return QWidget::event(event);
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = widgetToPanel(event->position());
  pointer_.at(at);
  pass(InputWay::Pointer, [&](Form1& f) { mouseDown(f, focus_, at, event->button()); });
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = widgetToPanel(event->position());
  pointer_.at(at);
  pass(InputWay::Pointer, [&](Form1& f) { mouseUp(f, at, event->button()); });
}

void PanelWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = widgetToPanel(event->position());
  // A touch screen moves the system's pointer too; only a mouse's own move brings the hidden pointer back.
  if (event->deviceType() == QInputDevice::DeviceType::TouchScreen) {
    pointer_.at(at);
  } else {
    pointer_.mouseMoved(at);
  }
}

void PanelWidget::keyPressEvent(QKeyEvent* event) {
  if (switchLanguageOnKey(*event)) return;
  if (isRoomViewKey(*event)) {
    event->accept();
    // A showroom's window stays as it is.
    if (place_.showroom() || event->isAutoRepeat()) return;
    rooms_.toggle(isFullScreen());
    if (!isFullScreen()) return rooms_.place({}, false, zoom_.scale());
    layOut();
    // The panel moved: a held press would be released at a point that no longer means the same thing.
    return pass(std::nullopt, CaptureLost);
  }
  if (const WindowPlace::Key k = place_.key(*event); k != WindowPlace::Key::NotMine) {
    event->accept();
    // A press held across the change would be released at a point that no longer means the same thing.
    if (k == WindowPlace::Key::Changed) pass(std::nullopt, CaptureLost);
    return;
  }
  // A held key repeats on most desktops; the press it started lasts until the key goes up.
  if (event->isAutoRepeat()) return event->accept();
  if (!isPanelKey(event->key())) return QWidget::keyPressEvent(event);
  event->accept();
  pass(InputWay::KeyOrAction, [&](Form1& f) { focusToTell_ = panelKeyDown(f, focus_, event->key()); });
}

void PanelWidget::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat() || !isPressKey(event->key())) return QWidget::keyReleaseEvent(event);
  pass(InputWay::KeyOrAction, [key = event->key()](Form1& f) { KeyUp(f, key); });
}

bool PanelWidget::focusNextPrevChild(bool next) {
  const int step = next ? 1 : -1;
  const Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
  std::optional<ButtonRef> from = focus_.button();
  // The language button on the ground takes its turn after the panel's last button and before its first.
  if (languageButton_ != nullptr && languageButton_->isVisible()) {
    const std::optional<ButtonRef> to = NextFocus(form_, from, step);
    if (!languageButton_->hasFocus() && from && to && wrapsAround(*from, *to, next)) {
      languageButton_->setFocus(reason);
      return true;
    }
    if (languageButton_->hasFocus()) {
      setFocus(reason);
      from.reset();
    }
  }
  pass(InputWay::KeyOrAction, [&](Form1& f) { moveFocus(f, NextFocus(f, from, step)); });
  return true;
}

void PanelWidget::focusButton(ButtonRef button) {
  if (!form_.Showing(button.array, button.index)) return;
  setFocus(Qt::OtherFocusReason);
  pass(InputWay::KeyOrAction, [&](Form1& f) { moveFocus(f, button); });
}

void PanelWidget::sendAction(std::optional<ButtonRef> button) {
  ActionEvent event(button);
  QCoreApplication::sendEvent(this, &event);
}

void PanelWidget::startAgain() {
  const std::string captionBefore = form_.Caption();
  bool started = false;
  bool captionSpoken = false;
  pass(std::nullopt, [&](Form1& f) {
    // A held press is someone at the panel: the wait begins again (its release would begin it too, but a
    // press may also end by losing the capture).
    started = StartAgain(f);
    if (!started) return idle_->restart();
    idle_->stop();
    captionSpoken = f.Caption() != captionBefore;
    // The next visitor meets the language the panel started in. Its switch shows and speaks the caption of
    // the fresh panel, so the caption is not told twice.
    if (currentLanguage() != startLanguage_) {
      f.TakeCaptionChanged();
      setLanguage(startLanguage_);
      captionSpoken = true;
    }
    focus_.reset(f);
    noticeTakesFocus();
    finger_.reset();
    canvas_.startAgain();
    update();
  });
  if (!started) return;
  startTimer1();
  // A caption that was already the title is said once more, so a screen reader's user hears that the panel
  // began again.
  if (!captionSpoken) announcer_.caption();
  // The focus was on a button the notice now covers: a screen reader moves to the notice and reads it.
  announcer_.focus();
}

void PanelWidget::noticeTakesFocus() {
  if (languageButton_ != nullptr && languageButton_->hasFocus()) setFocus(Qt::OtherFocusReason);
}

void PanelWidget::showLanguage() {
  // Every picture with words is painted again in the new ones; the panel's state, its held press and its
  // timers are not touched. The caption that stands is shown again, now in the new language.
  canvas_.clear();
  // Pressed from the keyboard over the notice, the language button hands the keyboard back to the notice.
  if (form_.NoticeUp()) noticeTakesFocus();
  setWindowTitle(assets::shown(form_.Caption()));
  announcer_.caption();
  update();
}

void PanelWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  canvas_.paint(painter, event->rect(), devicePixelRatioF() * zoom_.scale(), statusLineRect(),
                hasFocus() ? focusRingRect(form_, focus_, zoom_) : QRect());
}

void PanelWidget::closeEvent(QCloseEvent* event) {
  // Closing from the frame ends the program at once: no handler of the panel runs.
  timer_.stop();
  rooms_.panelClosed();
  event->accept();
  QCoreApplication::exit(0);
}

void PanelWidget::showEvent(QShowEvent* event) {
  place_.shown();
  QWidget::showEvent(event);
  rooms_.place(zoom_.roomArea(), isFullScreen(), zoom_.scale());
}

void PanelWidget::setRoomView(bool shown) {
  rooms_.setWindowWanted(shown);
  rooms_.place(zoom_.roomArea(), isFullScreen(), zoom_.scale());
}

std::vector<QWidget*> PanelWidget::groundWidgets() const {
  std::vector<QWidget*> shown;
  for (QWidget* w : std::initializer_list<QWidget*>{rooms_.ground(), languageButton_}) {
    if (w != nullptr && w->isVisible()) shown.push_back(w);
  }
  return shown;
}

void PanelWidget::resizeEvent(QResizeEvent* event) {
  // Made on the first full screen: a push button sets up the widget style and letters in the system's face,
  // which a windowed panel never needs (a fifth of a megabyte).
  if (languageButton_ == nullptr && isFullScreen()) languageButton_ = new LanguageButton(this);
  layOut();
  QWidget::resizeEvent(event);
}

void PanelWidget::layOut() {
  zoom_.layOut(size(), isFullScreen(), devicePixelRatioF(), statusLineReserve(size()),
               languageButton_ != nullptr ? languageButton_->cornerRoom() : QSize(), rooms_.groundWanted());
  if (languageButton_ != nullptr) languageButton_->place(zoom_.shownArea(), isFullScreen());
  rooms_.place(zoom_.roomArea(), isFullScreen(), zoom_.scale());
  update();
}

}  // namespace yunuri
