#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "input/Focus.h"
#include "shell/Announcer.h"
#include "shell/IdleReset.h"
#include "shell/LanguageButton.h"
#include "shell/PanelAccessible.h"
#include "shell/PanelCanvas.h"
#include "shell/PanelPointer.h"
#include "shell/PanelZoom.h"
#include "shell/RoomPlaces.h"
#include "shell/StatusLine.h"
#include "shell/WindowPlace.h"
#include "window/Form1.h"

namespace yunuri {

// The panel's window: hands the mouse, the keyboard, touch points, assistive technologies' actions and the
// tick to the panel, then shows what it changed. Its parts each keep their own state: the keyboard focus,
// what screen readers were told, the pointer, the painting, the window's size and place and the idle reset.
// The panel keeps its own coordinates whatever the zoom; the widget maps between them.
class PanelWidget : public QWidget, public AccessiblePanel {
  Q_OBJECT

 public:
  explicit PanelWidget(Form1& form, QWidget* parent = nullptr);

  // Starts the tick as Timer1 says (start-up sets it up last).
  void startTimer1();
  // Runs one tick now, as the timer does.
  void tick();
  // How many times the panel has been painted; tests count repaints with it.
  int paintCount() const { return canvas_.paintCount(); }

  const Form1& form() const override { return form_; }
  // The button keyboard focus is on, if any; the ring shows only once the keyboard has been used.
  std::optional<ButtonRef> focusedButton() const override { return focus_.button(); }
  bool focusRingShown() const { return focus_.ringShown(); }
  void focusButton(ButtonRef button) override;
  // The accessible actions: a press and a release of a button, and the notice's dismissal.
  void pressFromAccessible(ButtonRef button) override { sendAction(button); }
  void dismissNoticeFromAccessible() override { sendAction(std::nullopt); }
  void nodesBuilt(const std::vector<PanelElement*>& nodes) override { announcer_.knowNodes(nodes); }
  // Between the panel's own 400 x 300 coordinates and the widget's: the widget pixels that cover a rectangle
  // of the panel, and the panel pixel under a point of the widget.
  QRect panelToWidget(const QRectF& r) const override { return zoom_.toWidget(r); }
  std::vector<QWidget*> groundWidgets() const override;
  QPoint widgetToPanel(QPointF p) const override { return zoom_.toPanel(p); }
  // The window's zoom step in percent (the full screen has its own scale).
  int zoomPercent() const { return zoom_.percent(); }

  // Showroom mode, for a panel left to visitors: full screen from now on (F11 and the zoom keys do nothing),
  // Ctrl+Alt+Q ends the program, and the pointer hides while the last input was a touch.
  void startShowroom() { place_.startShowroom(); }
  bool showroom() const { return place_.showroom(); }
  // After `seconds` without input the panel starts again; 0 never.
  void setIdleReset(int seconds) { idle_->setSeconds(seconds); }
  // The panel as it starts, the notice over it; put off while a press is held (its release counts as a
  // press).
  void startAgain();
  // The strip under the panel that shows the whole caption in a window (as F9 last left it unless set),
  // for this launch.
  void setStatusStrip(bool shown) { place_.showStrip(shown); }
  // The room's own window beside the panel's (F8 opens and closes it), for this launch.
  void setRoomView(bool shown);
  // Where the picture of the room shows.
  const RoomPlaces& rooms() const { return rooms_; }
  // Where the status line is set: on the ground under the panel (and the room beside it) in full screen, in
  // the strip in a window;
  // empty in a window without the strip.
  QRect statusLineRect() const override {
    if (!isFullScreen() && !zoom_.strip()) return {};
    return statusLineBand(size(), zoom_.shownArea().toAlignedRect());
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // Every input and tick runs the panel here (`by` a way, or none for a tick and the window's own doings),
  // and then the window shows what it changed: the repaint, the caption, the focus, what screen readers hear,
  // the pointer. No way in can forget any of it.
  void pass(std::optional<InputWay> by, const std::function<void(Form1&)>& run);
  // A move of the focus that the visitor asked for, within `pass`: it shows the ring and is told.
  void moveFocus(Form1& f, std::optional<ButtonRef> to);
  // An assistive technology's press, sent to the window as an event like every input.
  void sendAction(std::optional<ButtonRef> button);
  // After the language changed: the same panel in the new words, nothing else.
  void showLanguage();
  // The notice is up again, or still: the keyboard goes to it from the language button.
  void noticeTakesFocus();
  // Lays the panel, the room and the language button out in the window's size.
  void layOut();

  Form1& form_;  // changed only within `pass`
  PanelZoom zoom_;
  QTimer timer_;
  Focus focus_;
  bool focusToTell_ = false;
  Announcer announcer_;
  PanelPointer pointer_;
  PanelCanvas canvas_;
  WindowPlace place_;
  RoomPlaces rooms_;
  IdleReset* idle_;
  std::optional<int> finger_;  // the touch point that holds the press; other fingers are ignored
  QString startLanguage_;      // the language the panel started in, which starting again returns to
  // On the ground in full screen, made on the first; a child, so the window owns it.
  LanguageButton* languageButton_ = nullptr;
};

}  // namespace yunuri
