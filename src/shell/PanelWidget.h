#pragma once

#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <optional>

class QTouchEvent;

#include "assets/PictureCache.h"
#include "input/Input.h"
#include "shell/LanguageButton.h"
#include "shell/PanelAccessible.h"
#include "shell/PanelZoom.h"
#include "window/Form1.h"

namespace yunuri {

// The panel's window: paints the model, hands the mouse, the keyboard, touch points and the tick to it and
// shows what it changed. The panel keeps its own coordinates whatever the zoom; the widget maps between them.
// Its parts: PanelWidget.cpp (the window's life and what follows every input), PanelWidgetPointer.cpp (mouse,
// touch, pointer), PanelWidgetKeys.cpp (keyboard, focus, accessible presses), PanelWidgetPaint.cpp
// (painting), PanelWidgetZoom.cpp (zoom and full screen), PanelWidgetLanguage.cpp (switching the language)
// and PanelWidgetShowroom.cpp (showroom mode and the idle reset).
class PanelWidget : public QWidget, public AccessiblePanel {
  Q_OBJECT

 public:
  explicit PanelWidget(Form1& form, QWidget* parent = nullptr);

  // Starts the tick as Timer1 says (start-up sets it up last).
  void startTimer1();
  // Runs one tick now, as the timer does.
  void tick();
  // How many times the panel has been painted; tests count repaints with it.
  int paintCount() const { return paintCount_; }

  const Form1& form() const override { return form_; }
  // The button keyboard focus is on, if any; the ring shows only once the keyboard has been used.
  std::optional<ButtonRef> focusedButton() const override { return focus_; }
  bool focusRingShown() const { return focusVisible_; }
  void focusButton(ButtonRef button) override;
  // The accessible actions: a press and a release of a button, and the notice's dismissal.
  void pressFromAccessible(ButtonRef button) override;
  void dismissNoticeFromAccessible() override;
  // Between the panel's own 400 x 300 coordinates and the widget's: the widget pixels that cover a rectangle
  // of the panel, and the panel pixel under a point of the widget.
  QRect panelToWidget(const QRectF& r) const override { return zoom_.toWidget(r); }
  QWidget* groundButton() const override { return languageButton_->isVisible() ? languageButton_ : nullptr; }
  QPoint widgetToPanel(QPointF p) const override { return zoom_.toPanel(p); }
  // The window's zoom step in percent (the full screen has its own scale).
  int zoomPercent() const { return zoom_.percent(); }

  // Showroom mode, for a panel left to visitors: full screen from now on (F11 and the zoom keys do nothing),
  // Ctrl+Alt+Q ends the program, and the pointer hides while the last input was a touch.
  void startShowroom();
  bool showroom() const { return showroom_; }
  // After `seconds` without a press the panel starts again; 0 never.
  void setIdleReset(int seconds);
  // The panel as it starts, the notice over it; put off while a press is held (its release counts as a
  // press).
  void startAgain();
  // Where the status line is set in full screen; empty in a window.
  QRect statusLineRect() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // After every input or tick: repaint what the core touched, set the caption, follow the pointer.
  void sync();
  // After the language changed: the same panel in the new words, nothing else.
  void showLanguage();
  void updatePointer(QPoint at);
  // The zoom and full-screen keys; false for any other key.
  bool handleZoomKey(QKeyEvent* event);
  // Ctrl+L, the next language; false for any other key.
  bool handleLanguageKey(QKeyEvent* event);
  void showZoomStep();
  void toggleFullScreen();
  void enterFullScreen();
  // A press, a release or a key: the idle wait begins again.
  void noteActivity();
  // Ctrl+Alt+Q in showroom mode; false for any other key.
  bool handleShowroomKey(QKeyEvent* event);
  // Touch hides the pointer in showroom mode; a mouse's own move brings it back.
  void hidePointerAfterTouch();
  void showPointerAfterMouse(QPoint at);
  // The largest client size the window may take on its screen.
  QSize roomForPanel() const;
  // Device pixels per panel pixel: the screen's ratio times the zoom.
  qreal renderRatio() const { return devicePixelRatioF() * zoom_.scale(); }
  void centreOnScreen();
  void loseCapture();
  void touchEvent(QTouchEvent* event);
  // Moves keyboard focus (a key held on the button it leaves lets go as cancelled) and shows its ring, or
  // keeps the ring as it was.
  void moveFocus(std::optional<ButtonRef> to, bool showRing = true);
  // Moves keyboard focus where the core says it goes after the panel moved under it.
  void followFocus();
  QRect focusRingRect() const;
  // A press whose release went elsewhere (another client held the pointer when it came) is let go before the
  // panel takes new input, so a button never stays held for good.
  void dropStaleCapture(Qt::MouseButtons stillDown);

  // How far the focus ring reaches outside its button at 100 %: a light band of two pixels between dark
  // lines of one. It grows with the zoom.
  static constexpr int kRingOutset = 4;
  int ringOutset() const;
  static constexpr int kAfterFirstFrameMs = 100;
  // How long after a paint the painting thread and its fonts are let go, if it painted anything since.
  static constexpr int kReleasePainterMs = 1000;

  Form1& form_;
  PanelZoom zoom_;
  assets::PictureCache cache_;
  qreal cacheRatio_;  // the ratio the cached pictures were drawn at
  QTimer timer_;
  QTimer afterFirstFrame_;
  QTimer releasePainter_;
  // Once the window has the focus and Qt has said so: which part of it has the focus.
  QTimer tellFocus_;
  std::optional<QPoint> pointerAt_;   // where the pointer last was over the panel, as its events said
  Pointer pointer_ = Pointer::Arrow;  // the window starts with the desktop's arrow
  // Drawn on first use and kept: rendering a pointer costs more than painting a whole frame.
  std::optional<QCursor> closedHand_;
  std::optional<QCursor> pointingFinger_;
  qreal cursorRatio_ = 0;  // the ratio the kept pointers were drawn at
  std::optional<ButtonRef> focus_;
  bool focusVisible_ = false;
  std::optional<int> finger_;  // the touch point that holds the press; other fingers are ignored
  QPoint windowedAt_;          // where the client area was before the window filled the screen
  QTimer idle_;                // runs from the last press while an idle reset is asked for
  QString startLanguage_;      // the language the panel started in, which starting again returns to
  bool showroom_ = false;
  bool pointerHidden_ = false;
  bool centred_ = false;
  bool firstFrameShown_ = false;
  bool noticeCached_ = true;
  int paintCount_ = 0;
  LanguageButton* languageButton_;  // on the ground in full screen; a child, so the window owns it
};

}  // namespace yunuri
