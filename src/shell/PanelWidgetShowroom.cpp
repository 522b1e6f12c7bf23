#include <QKeyEvent>

#include "input/StartUp.h"
#include "shell/Language.h"
#include "shell/PanelAnnounce.h"
#include "shell/PanelWidget.h"

// Showroom mode: the panel left to visitors all day, started again after a while without a press and ended
// only by the exhibitor.
namespace yunuri {

void PanelWidget::startShowroom() {
  showroom_ = true;
  // Full screen places the window itself; centring it first would only move it about.
  centred_ = true;
  enterFullScreen();
}

void PanelWidget::setIdleReset(int seconds) {
  constexpr int kMillisecondsPerSecond = 1000;
  // The wait begins with the first press: a panel nobody has touched is as it starts already.
  idle_.stop();
  idle_.setInterval(seconds * kMillisecondsPerSecond);
}

void PanelWidget::noteActivity() {
  if (idle_.interval() > 0) idle_.start();
}

void PanelWidget::startAgain() {
  const std::string captionBefore = form_.Caption();
  // A held press is someone at the panel: the wait begins again (its release would begin it too, but a press
  // may also end by losing the capture).
  if (!StartAgain(form_)) {
    noteActivity();
    return;
  }
  idle_.stop();
  bool captionSpoken = form_.Caption() != captionBefore;
  // The next visitor meets the language the panel started in. Its switch shows and speaks the caption of the
  // fresh panel, so the caption is not told twice.
  if (currentLanguage() != startLanguage_) {
    form_.TakeCaptionChanged();
    setLanguage(startLanguage_);
    captionSpoken = true;
  }
  focus_.reset();
  focusVisible_ = false;
  finger_.reset();
  noticeCached_ = true;
  update();
  sync();
  startTimer1();
  // The caption's change is spoken by sync(); a caption that was already the title is said once more, so a
  // screen reader's user hears that the panel began again.
  if (!captionSpoken) announceCaption(this);
  // The focus was on a button the notice now covers: a screen reader moves to the notice and reads it.
  announceFocus(this);
}

bool PanelWidget::handleShowroomKey(QKeyEvent* event) {
  if (!showroom_) return false;
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (mods != (Qt::ControlModifier | Qt::AltModifier) || event->key() != Qt::Key_Q) return false;
  event->accept();
  close();
  return true;
}

void PanelWidget::hidePointerAfterTouch() {
  if (!showroom_ || pointerHidden_) return;
  pointerHidden_ = true;
  setCursor(Qt::BlankCursor);
}

void PanelWidget::showPointerAfterMouse(QPoint at) {
  if (!pointerHidden_) return;
  pointerHidden_ = false;
  // Whatever the pointer was before the touch, it is chosen afresh.
  cursorRatio_ = 0;
  updatePointer(at);
}

}  // namespace yunuri
