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

void send(QAccessibleInterface* node, QAccessible::Event type) {
  QAccessibleEvent event(node, type);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void announceCaption(QWidget* window) {
  PanelAccessible* a = accessibleOf(window);
  if (a == nullptr) return;
  // Screen readers speak a notification as it is shown, and not a change of a name; so the notification,
  // which reads the new caption, is shown once more. Once per caption: each showing is spoken.
  send(a->announcementChild(), QAccessible::ObjectHide);
  send(a->announcementChild(), QAccessible::ObjectShow);
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
    QAccessibleStateChangeEvent event(a->buttonChild(b), states);
    QAccessible::updateAccessibility(&event);
  }
}

void announceChanges(QWidget* window) {
  PanelAccessible* a = accessibleOf(window);
  if (a == nullptr) return;
  for (PanelElement* e : a->nodes()) {
    const Node::Kind k = e->node().kind;
    // The caption has its own notification.
    if (k == Node::Kind::Status || k == Node::Kind::Announcement) continue;
    const PanelElement::Told now = e->now();
    if (now == e->told) continue;
    if (now.showing != e->told.showing)
      send(e, now.showing ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    if (now.name != e->told.name) send(e, QAccessible::NameChanged);
    if (now.description != e->told.description) send(e, QAccessible::DescriptionChanged);
    e->told = now;
  }
}

void announceFocus(QWidget* window) {
  PanelAccessible* a = accessibleOf(window);
  if (a == nullptr) return;
  if (QAccessibleInterface* c = a->focusChild()) send(c, QAccessible::Focus);
}

}  // namespace yunuri
