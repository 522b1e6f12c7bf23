#pragma once

#include <QPoint>
#include <QSize>
#include <cstdint>

class QKeyEvent;
class QWidget;

namespace yunuri {

class PanelZoom;

// The window's size and place: the zoom steps about its centre within the screen, the status strip under the
// panel shown and hidden with F9, full screen and back to where it was, centred on its screen when first
// shown, and a showroom's full screen that only the exhibitor's key leaves.
class WindowPlace {
 public:
  WindowPlace(QWidget& window, PanelZoom& zoom) : window_(window), zoom_(zoom) {}

  enum class Key : std::uint8_t { NotMine, Taken, Changed };
  // The zoom, status strip and full-screen keys, and in showroom mode Ctrl+Alt+Q, which closes the window:
  // NotMine for any other key, Changed when the window changes size. F9's choice is kept for later launches.
  Key key(const QKeyEvent& event);
  // Full screen from now on.
  void startShowroom();
  bool showroom() const { return showroom_; }
  // Centres the window on its screen the first time it is shown.
  void shown();
  // Shows or hides the strip under the panel in a window, for this launch; the window grows or shrinks
  // below the panel, which stays where it is.
  void showStrip(bool shown);

 private:
  // The largest client size the window may take on its screen.
  QSize roomForPanel() const;
  void showZoomStep();
  void showStripChange();
  void toggleFullScreen();
  void enterFullScreen();
  void centreOnScreen();

  QWidget& window_;
  PanelZoom& zoom_;
  QPoint windowedAt_;  // where the client area was before the window filled the screen
  bool showroom_ = false;
  bool centred_ = false;
};

// Whether the status strip shows in a window, as F9 last left it; shown for a new user, who must be able to
// read the caption without knowing a key.
bool rememberedStatusStrip();

}  // namespace yunuri
