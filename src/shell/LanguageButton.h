#pragma once

#include <QPushButton>
#include <QRectF>
#include <QSize>

namespace yunuri {

// The button on the dark ground around the panel in full screen that switches the language as Ctrl+L does,
// for a visitor at a touch screen with no keyboard. It names the language it switches to, in that language
// ("English" while Japanese shows), after a globe, the mark a visitor who reads neither word still knows. It
// stands in the screen's top right corner, where sites and kiosks keep their language switch and where it is
// clear of the panel's own buttons; the full screen's layout keeps that corner free of the panel.
class LanguageButton : public QPushButton {
  Q_OBJECT

 public:
  explicit LanguageButton(QWidget* window);

  // What the corner must keep free of the panel: the button with its margin to the screen's edges and the
  // same again towards the panel. The same in every language, so a switch never moves the panel.
  QSize cornerRoom() const;
  // Follows the window's layout: shown in full screen, in the corner, wherever the panel leaves it free.
  void place(const QRectF& panel, bool fullScreen);

 protected:
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void relabel();
};

}  // namespace yunuri
