#include "shell/PanelAnnounce.h"

#include <QAccessible>
#include <QWidget>

#include "shell/PanelAccessible.h"
#include "shell/PanelAccessibleElement.h"

namespace yunuri {
namespace {

PanelAccessible* accessibleOf(QWidget* window) {
  if (!QAccessible::isActive()) return nullptr;
  return dynamic_cast<PanelAccessible*>(QAccessible::queryAccessibleInterface(window));
}

}  // namespace

void announceCaption(QWidget* window) {
  PanelAccessible* a = accessibleOf(window);
  if (a == nullptr) return;
  QAccessibleEvent title(window, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&title);
  QAccessibleEvent line(a->statusChild(), QAccessible::NameChanged);
  QAccessible::updateAccessibility(&line);
}

void announceValue(QWidget* window, int level) {
  PanelAccessible* a = accessibleOf(window);
  if (a == nullptr) return;
  QAccessibleValueChangeEvent event(a->meterChild(), level);
  QAccessible::updateAccessibility(&event);
}

void announceChecked(QWidget* window, const std::vector<ButtonRef>& changed) {
  PanelAccessible* a = accessibleOf(window);
  if (a == nullptr) return;
  for (const ButtonRef& b : changed) {
    QAccessible::State states;
    states.checked = true;
    states.pressed = true;
    QAccessibleStateChangeEvent event(a->buttonChild(b), states);
    QAccessible::updateAccessibility(&event);
  }
}

void announceFocus(QWidget* window) {
  PanelAccessible* a = accessibleOf(window);
  if (a == nullptr) return;
  if (QAccessibleInterface* c = a->focusChild()) {
    QAccessibleEvent event(c, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

}  // namespace yunuri
