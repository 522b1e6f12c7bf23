#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "input/Input.h"
#include "shell/PanelAnnounce.h"
#include "shell/PanelWidget.h"

// The keyboard, keyboard focus and its ring, and the presses of accessible actions.
namespace yunuri {
namespace {

// The keys that press the focused button, as a button's own keys do in every toolkit.
bool isPressKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
}

// Whether moving the focus from `from` to `to` went round the end of the panel's order.
bool wrapsAround(ButtonRef from, ButtonRef to, bool next) {
  const auto order = [](ButtonRef b) {
    const std::span<const ButtonEntry> all = Catalogue();
    const ButtonEntry* e = &CatalogueEntry(b.array, b.index);
    return e - all.data();
  };
  return next ? order(to) <= order(from) : order(to) >= order(from);
}

}  // namespace

void PanelWidget::keyPressEvent(QKeyEvent* event) {
  if (handleShowroomKey(event) || handleZoomKey(event) || handleLanguageKey(event)) return;
  noteActivity();
  // A held key repeats on most desktops; the press it started lasts until the key goes up.
  if (event->isAutoRepeat()) {
    event->accept();
    return;
  }
  const int key = event->key();
  if (isPressKey(key)) {
    focusVisible_ = true;
    if (form_.NoticeUp()) {
      KeyDownOnNotice(form_, key);
    } else if (focus_) {
      KeyDown(form_, key, focus_->array, focus_->index);
    }
  } else if (key == Qt::Key_Escape) {
    focusVisible_ = true;
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

void PanelWidget::keyReleaseEvent(QKeyEvent* event) {
  noteActivity();
  if (event->isAutoRepeat() || !isPressKey(event->key())) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  KeyUp(form_, event->key());
  sync();
}

void PanelWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Qt tells assistive technology that the window has the focus; then say which part of it has: the notice
  // at start, so that a screen reader reads it, or the focused button.
  tellFocus_.start();
}

void PanelWidget::focusOutEvent(QFocusEvent* event) {
  // A key that holds a button never comes up here once focus has gone: let the button go now.
  KeysLost(form_);
  loseCapture();
  if (focusVisible_) update(focusRingRect());
  QWidget::focusOutEvent(event);
}

bool PanelWidget::focusNextPrevChild(bool next) {
  // The language button on the ground takes its turn after the panel's last button and before its first.
  if (languageButton_->isVisible()) {
    if (languageButton_->hasFocus()) {
      setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      moveFocus(NextFocus(form_, std::nullopt, next ? 1 : -1));
      return true;
    }
    const std::optional<ButtonRef> to = NextFocus(form_, focus_, next ? 1 : -1);
    if (focus_ && to && wrapsAround(*focus_, *to, next)) {
      languageButton_->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  moveFocus(NextFocus(form_, focus_, next ? 1 : -1));
  sync();
  return true;
}

void PanelWidget::moveFocus(std::optional<ButtonRef> to, bool showRing) {
  const QRect before = focusRingRect();
  if (to && to != focus_) KeyPressLost(form_);
  focus_ = to ? to : focus_;
  focusVisible_ = focusVisible_ || showRing;
  update(before);
  update(focusRingRect());
  announceFocus(this);
}

void PanelWidget::followFocus() {
  const std::optional<ButtonRef> to = FocusFollow(form_, focus_);
  if (to != focus_) moveFocus(to, false);
}

void PanelWidget::focusButton(ButtonRef button) {
  if (!form_.Showing(button.array, button.index)) return;
  setFocus(Qt::OtherFocusReason);
  moveFocus(button);
  sync();
}

QRect PanelWidget::focusRingRect() const {
  if (!focusVisible_ || !focus_ || !hasFocus() || !form_.Showing(focus_->array, focus_->index)) return {};
  const DirtyRect r = form_.WindowRect(form_.Element(focus_->array, focus_->index));
  return panelToWidget(QRectF(r.left, r.top, r.width, r.height))
      .adjusted(-ringOutset(), -ringOutset(), ringOutset(), ringOutset());
}

int PanelWidget::ringOutset() const {
  return std::max(kRingOutset, static_cast<int>(std::lround(kRingOutset * zoom_.scale())));
}

void PanelWidget::pressFromAccessible(ButtonRef button) {
  noteActivity();
  Activate(form_, button.array, button.index);
  sync();
}

void PanelWidget::dismissNoticeFromAccessible() {
  noteActivity();
  DismissNotice(form_);
  sync();
}

}  // namespace yunuri
