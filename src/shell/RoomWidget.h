#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "window/RoomView.h"

namespace yunuri {

class Form1;

// The picture of the lecture room, as large as the widget (the room's 400 x 300 at the widget's scale),
// painted from the panel's state and only when what it shows changed: after an input or a tick the window
// asks it to follow, and an idle panel costs it one comparison. For a screen reader it is one graphic named
// for the room whose description says what it shows; it is never announced (the caption is).
class RoomWidget : public QWidget {
  Q_OBJECT

 public:
  RoomWidget(const Form1& form, QWidget* parent);

  // After every input and tick: painted again only when what it shows changed.
  void follow();
  // How many times it has been painted; tests count repaints with it.
  int paintCount() const { return paintCount_; }
  const RoomView& view() const { return view_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Says to a screen reader what the picture shows now, in the language shown.
  void describe();

  const Form1& form_;
  RoomView view_;
  QImage image_;  // the picture at the ratio it was last painted at; null once it must be painted again
  QTimer releasePainter_;
  int paintCount_ = 0;
};

// What the picture shows, in the language shown, as a screen reader's description of it.
QString roomDescription(const RoomView& view);

// Installs the factory that makes the room's picture one graphic for assistive technologies.
void installRoomAccessibility();

}  // namespace yunuri
