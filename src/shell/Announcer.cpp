#include "shell/Announcer.h"

#include <QAccessible>
#include <QWidget>

#include "shell/PanelAccessible.h"
#include "shell/PanelAccessibleElement.h"
#include "window/Form1.h"

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

Announcer::Announcer(QWidget* window) : window_(window) {
  focusSoon_.setObjectName(QStringLiteral("TellFocus"));
  focusSoon_.setSingleShot(true);
  focusSoon_.setInterval(0);
  QObject::connect(&focusSoon_, &QTimer::timeout, window, [this] { focus(); });
}

void Announcer::caption() {
  PanelAccessible* a = accessibleOf(window_);
  if (a == nullptr) return;
  // Screen readers speak a notification as it is shown, and not a change of a name; so the notification,
  // which reads the new caption, is shown once more. Once per caption: each showing is spoken.
  send(a->announcementChild(), QAccessible::ObjectHide);
  send(a->announcementChild(), QAccessible::ObjectShow);
}

void Announcer::focus() {
  PanelAccessible* a = accessibleOf(window_);
  if (a == nullptr) return;
  if (QAccessibleInterface* c = a->focusChild()) send(c, QAccessible::Focus);
}

void Announcer::changes(const Form1& f, bool repainted) {
  // A button reads otherwise as checked only with something repainted. What changed is taken even while
  // nobody listens, so that a screen reader starting later is not told old news.
  const std::vector<ButtonRef> checked = repainted ? panel_.checkedChanges(f) : std::vector<ButtonRef>{};
  // A level that changes under the notice, as a panel starts or starts again, is no news: nobody sees it.
  if (panel_.meterChanged(f)) volumeToTell_ = !f.NoticeUp();
  // Told once it settles: a held button steps it every tick, faster than a level can be said.
  const bool volume = volumeToTell_ && !f.Holding();
  if (volume) volumeToTell_ = false;
  if (!repainted && !volume) return;  // an idle tick: nothing to tell, nobody to ask
  PanelAccessible* a = accessibleOf(window_);
  if (a == nullptr) return;
  for (const ButtonRef& b : checked) {
    QAccessible::State states;
    states.checked = true;
    QAccessibleStateChangeEvent event(a->buttonChild(b), states);
    QAccessible::updateAccessibility(&event);
  }
  if (repainted) {
    const std::vector<PanelElement*>& all = a->nodes();
    for (std::size_t i = 0; i < all.size() && i < nodes_.size(); ++i) {
      PanelElement* e = all[i];
      const Node::Kind k = e->node().kind;
      // The caption and the volume have their own notifications.
      if (k == Node::Kind::Status || k == Node::Kind::Announcement) continue;
      const NodeTold now = toldBy(*e);
      NodeTold& told = nodes_[i];
      if (now == told) continue;
      if (now.showing != told.showing)
        send(e, now.showing ? QAccessible::ObjectShow : QAccessible::ObjectHide);
      if (now.name != told.name) send(e, QAccessible::NameChanged);
      if (now.description != told.description) send(e, QAccessible::DescriptionChanged);
      told = now;
    }
  }
  // Not as the meter's new value: a screen reader says a meter's value without its name ("50 percent"), and
  // at most every few seconds.
  if (volume) {
    send(a->volumeNewsChild(), QAccessible::ObjectHide);
    send(a->volumeNewsChild(), QAccessible::ObjectShow);
  }
}

void Announcer::knowNodes(const std::vector<PanelElement*>& nodes) {
  nodes_.clear();
  for (const PanelElement* e : nodes) nodes_.push_back(toldBy(*e));
}

Announcer::NodeTold Announcer::toldBy(const PanelElement& e) {
  return {e.showing(), e.text(QAccessible::Name), e.text(QAccessible::Description)};
}

}  // namespace yunuri
