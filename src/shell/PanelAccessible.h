#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <vector>

#include "window/Catalogue.h"

namespace yunuri {

class PanelWidget;
class PanelElement;

// What a screen reader sees of the panel: the window, named by its caption, with every control of the panel
// as a child in visual order (the notice, the catalogue's buttons and screen labels with the meter after the
// volume, and the status line). The children are built only when an assistive technology first asks for them.
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
  // The child of a button, of the meter and of the status line.
  PanelElement* buttonChild(ButtonRef button) const;
  PanelElement* meterChild() const;
  PanelElement* statusChild() const;

 private:
  void build() const;
  mutable std::vector<PanelElement*> children_;
};

// Installs the factory that gives the panel's window its accessible interface. Cheap: nothing is built until
// an assistive technology asks.
void installPanelAccessibility();

}  // namespace yunuri
