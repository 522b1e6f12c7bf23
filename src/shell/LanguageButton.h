#pragma once

#include <QPushButton>
#include <QRectF>

namespace yunuri {

// The button on the dark ground around the panel in full screen that switches the language as Ctrl+L does,
// for a visitor at a touch screen with no keyboard. It names the language it switches to, in that language
// ("English" while Japanese shows). It stands in the ground's top right corner and only where the ground
// leaves it room: it takes nothing from the panel's picture.
class LanguageButton : public QPushButton {
  Q_OBJECT

 public:
  explicit LanguageButton(QWidget* window);

  // Follows the window's layout: shown in full screen, beside `panel` (in the window's coordinates).
  void place(const QRectF& panel, bool fullScreen);

 protected:
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void relabel();
};

}  // namespace yunuri
