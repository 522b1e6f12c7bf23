#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <memory>
#include <vector>

namespace yunuri {

class PanelWidget;
class PanelElement;

// What a screen reader sees of the panel: the window, named by its caption, with every control of the panel
// as a child in visual order (the notice, the buttons, the screen labels, the meter and the status line). The
// children are built from the layout tables and the controls' current pictures, and only when an assistive
// technology first asks for them.
class PanelAccessible : public QAccessibleWidget {
 public:
  explicit PanelAccessible(PanelWidget* panel);
  ~PanelAccessible() override;
  PanelAccessible(const PanelAccessible&) = delete;
  PanelAccessible& operator=(const PanelAccessible&) = delete;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  QString text(QAccessible::Text t) const override;

  PanelWidget* panel() const;

 private:
  void build() const;
  mutable std::vector<QAccessibleInterface*> children_;
};

// Installs the factory that gives the panel's window its accessible interface. Cheap: nothing is built until
// an assistive technology asks.
void installPanelAccessibility();

// Tells assistive technologies what changed after an input or a tick: the caption (spoken as the status
// line), the meter's value, the keyboard focus. Does nothing while no assistive technology is listening.
void announceCaption(PanelWidget* panel);
void announceValue(PanelWidget* panel);
// The choices shown lit (the source, MUTE, the projectors' ON and OFF) as checked; `known` keeps what was
// last told.
void announceChoices(PanelWidget* panel, std::vector<bool>& known);
void announceFocus(PanelWidget* panel);

}  // namespace yunuri
