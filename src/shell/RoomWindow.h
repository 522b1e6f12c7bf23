#pragma once

#include <QWidget>
#include <functional>

#include "shell/StatusLine.h"

class QKeyEvent;

namespace yunuri {

class Form1;
class RoomWidget;

// The room's own window beside the panel's: the picture of the room, and under it the whole caption as its
// status line, at the panel's zoom. Titled after the program and the room, in the language shown. It shows;
// it takes no press: F8 and its close button close it, Ctrl+L switches the language as the panel does.
class RoomWindow : public QWidget {
  Q_OBJECT

 public:
  // `closed` runs when the user closes it (the panel's own hiding of it is not a close).
  RoomWindow(const Form1& form, QWidget* panel, std::function<void()> closed);

  // After every input and tick; `captionChanged` when the status line says something new.
  void follow(bool captionChanged);
  // The panel's zoom: the window is the room's 400 x 300 and the line under it, times `factor`.
  void setScale(qreal factor);
  // Beside the panel's window where its screen has room, else as close to it as the screen allows.
  void placeBeside(const QWidget& panel);
  RoomWidget* room() const { return room_; }
  // Where the status line is set, in the window's pixels.
  QRect statusLineRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void retitle();

  const Form1& form_;
  RoomWidget* room_;
  std::function<void()> closed_;
  qreal scale_ = 1;
  LetteredStatusLine line_;
};

// F8, with no modifier: the room's picture on or off.
bool isRoomViewKey(const QKeyEvent& event);

}  // namespace yunuri
