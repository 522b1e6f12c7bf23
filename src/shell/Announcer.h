#pragma once

#include <QString>
#include <QTimer>
#include <vector>

#include "window/Told.h"

class QWidget;

namespace yunuri {

class Form1;
class PanelElement;

// Tells assistive technologies what changed, and keeps what they were last told so that each change is told
// once: the caption (spoken as a notification), the keyboard focus, and after an input or a tick the buttons
// that now read otherwise as checked, every part that came into or went out of view or now reads otherwise,
// and the volume's level once it settled. Telling does nothing while no assistive technology is listening;
// keeping goes on.
class Announcer {
 public:
  explicit Announcer(QWidget* window);

  void caption();
  void focus();
  // The focus once the event loop has run: after the window got the focus and Qt has told so.
  void focusSoon() { focusSoon_.start(); }
  // After an input or a tick; `repainted` when it changed anything on screen.
  void changes(const Form1& f, bool repainted);
  // The accessible tree was just built: what its nodes say now is what a screen reader knows.
  void knowNodes(const std::vector<PanelElement*>& nodes);

 private:
  // What one node of the tree was last told, by its place in the tree's list.
  struct NodeTold {
    bool showing = false;
    QString name;
    QString description;
    friend bool operator==(const NodeTold&, const NodeTold&) = default;
  };
  static NodeTold toldBy(const PanelElement& e);

  QWidget* window_;
  QTimer focusSoon_;
  Told panel_;
  bool volumeToTell_ = false;
  std::vector<NodeTold> nodes_;
};

}  // namespace yunuri
