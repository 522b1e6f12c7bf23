#pragma once

#include <QRectF>
#include <QTimer>

class QWidget;

namespace yunuri {

class Form1;
class RoomWidget;
class RoomWindow;

// Where the picture of the room shows: on the ground beside the panel in full screen (unless F8 left it
// out), in a window of its own beside the panel's otherwise (once F8 or the option opened it). Neither is
// made before it is first shown, so a panel without the room costs what it did.
class RoomPlaces {
 public:
  RoomPlaces(QWidget& panel, const Form1& form);

  // F8: in full screen the room beside the panel goes or comes back, in a window the room's window opens
  // or closes.
  void toggle(bool fullScreen);
  // Whether the room's window is wanted (it shows while the panel is a window).
  void setWindowWanted(bool wanted) { windowWanted_ = wanted; }
  bool windowWanted() const { return windowWanted_; }
  // Whether full screen keeps room beside the panel for the picture.
  bool groundWanted() const { return groundWanted_; }

  // After the panel's layout changed or it was shown: the picture on the ground at `groundArea` (empty
  // where the layout left it out), the window shown or hidden, at the panel's `zoom`.
  void place(const QRectF& groundArea, bool fullScreen, qreal zoom);
  // After every input and tick: each picture shown follows the panel.
  void follow(bool captionChanged);
  // The panel closes: so does the room's window.
  void panelClosed();

  RoomWidget* ground() const { return ground_; }
  RoomWindow* window() const { return window_; }

 private:
  QWidget& panel_;
  const Form1& form_;
  RoomWidget* ground_ = nullptr;  // children of the panel, which owns them
  RoomWindow* window_ = nullptr;
  QTimer placeAgain_;  // the window beside the panel again, once the panel has taken its new place
  bool groundWanted_ = true;
  bool windowWanted_ = false;
};

}  // namespace yunuri
