#include "shell/PanelAnnounce.h"

#include <QAccessible>

#include "shell/PanelAccessible.h"
#include "shell/PanelAccessibleElement.h"
#include "shell/PanelWidget.h"

namespace yunuri {
namespace {

PanelAccessible* accessibleOf(PanelWidget* panel) {
  if (!QAccessible::isActive()) return nullptr;
  return dynamic_cast<PanelAccessible*>(QAccessible::queryAccessibleInterface(panel));
}

}  // namespace

void announceCaption(PanelWidget* panel) {
  PanelAccessible* a = accessibleOf(panel);
  if (a == nullptr) return;
  QAccessibleEvent window(panel, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&window);
  QAccessibleEvent line(a->statusChild(), QAccessible::NameChanged);
  QAccessible::updateAccessibility(&line);
}

void announceValue(PanelWidget* panel) {
  PanelAccessible* a = accessibleOf(panel);
  if (a == nullptr) return;
  QAccessibleValueChangeEvent event(a->meterChild(), static_cast<int>(panel->form().state.VolumeLevel));
  QAccessible::updateAccessibility(&event);
}

void announceChecked(PanelWidget* panel, const std::vector<ButtonRef>& changed) {
  PanelAccessible* a = accessibleOf(panel);
  if (a == nullptr) return;
  for (const ButtonRef& b : changed) {
    QAccessible::State states;
    states.checked = true;
    states.pressed = true;
    QAccessibleStateChangeEvent event(a->buttonChild(b), states);
    QAccessible::updateAccessibility(&event);
  }
}

void announceFocus(PanelWidget* panel) {
  PanelAccessible* a = accessibleOf(panel);
  if (a == nullptr) return;
  if (QAccessibleInterface* c = a->focusChild()) {
    QAccessibleEvent event(c, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace yunuri
