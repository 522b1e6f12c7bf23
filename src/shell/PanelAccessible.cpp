#include "shell/PanelAccessible.h"

#include <QAccessible>
#include <QWidget>

#include "shell/PanelAccessibleElement.h"
#include "window/Form1.h"

namespace yunuri {
namespace {

// Every node in the panel's visual order: the notice over everything, then the catalogue's order, with the
// meter after the volume buttons, and the status line last.
std::vector<Node> panelNodes() {
  std::vector<Node> nodes{{Node::Kind::Notice}};
  bool meterPlaced = false;
  for (const ButtonEntry& e : Catalogue()) {
    if (!meterPlaced && nodes.back().kind == Node::Kind::Button && nodes.back().array == ArrayId::SWv &&
        e.area != Area::Volume) {
      nodes.push_back({Node::Kind::Meter});
      meterPlaced = true;
    }
    nodes.push_back(
        {e.kind == ButtonKind::Label ? Node::Kind::ScreenLabel : Node::Kind::Button, e.array, e.index});
  }
  nodes.push_back({Node::Kind::Status});
  return nodes;
}

QAccessibleInterface* panelFactory(const QString& /*classname*/, QObject* object) {
  auto* window = qobject_cast<QWidget*>(object);
  if (auto* panel = dynamic_cast<AccessiblePanel*>(window)) return new PanelAccessible(window, panel);
  return nullptr;
}

}  // namespace

PanelAccessible::PanelAccessible(QWidget* window, AccessiblePanel* panel)
    : QAccessibleWidget(window, QAccessible::Window), panel_(panel) {}

PanelAccessible::~PanelAccessible() {
  for (PanelElement* c : children_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
}

void PanelAccessible::build() const {
  if (!children_.empty()) return;
  auto* self = const_cast<PanelAccessible*>(this);
  for (const Node& n : panelNodes()) {
    auto* child = new PanelElement(self, n);
    QAccessible::registerAccessibleInterface(child);
    children_.push_back(child);
  }
}

int PanelAccessible::childCount() const {
  build();
  return static_cast<int>(children_.size()) + (panel()->groundButton() != nullptr ? 1 : 0);
}

QAccessibleInterface* PanelAccessible::child(int index) const {
  build();
  const auto count = static_cast<int>(children_.size());
  if (index == count && panel()->groundButton() != nullptr)
    return QAccessible::queryAccessibleInterface(panel()->groundButton());
  if (index < 0 || index >= count) return nullptr;
  return children_[static_cast<std::size_t>(index)];
}

int PanelAccessible::indexOfChild(const QAccessibleInterface* child) const {
  build();
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i] == child) return static_cast<int>(i);
  }
  if (child != nullptr && panel()->groundButton() != nullptr && child->object() == panel()->groundButton())
    return static_cast<int>(children_.size());
  return -1;
}

QAccessibleInterface* PanelAccessible::childAt(int x, int y) const {
  build();
  const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
  const QPoint at = panel()->widgetToPanel(local);
  const Target t = panel()->form().HitTest(at.x(), at.y());
  for (PanelElement* c : children_) {
    const Node& n = c->node();
    if (t.kind == Target::Kind::Notice && n.kind == Node::Kind::Notice) return c;
    if (t.kind == Target::Kind::Element &&
        (n.kind == Node::Kind::Button || n.kind == Node::Kind::ScreenLabel) && n.array == t.array &&
        n.index == t.index) {
      return c;
    }
    if (t.kind == Target::Kind::Box && t.box == BoxId::MET && n.kind == Node::Kind::Meter) return c;
  }
  return nullptr;
}

QAccessibleInterface* PanelAccessible::focusChild() const {
  const std::optional<ButtonRef> focus = panel()->focusedButton();
  if (!focus || !widget()->hasFocus()) return nullptr;
  return buttonChild(*focus);
}

PanelElement* PanelAccessible::buttonChild(ButtonRef button) const {
  build();
  for (PanelElement* c : children_) {
    if (c->isButton(button)) return c;
  }
  return nullptr;
}

PanelElement* PanelAccessible::meterChild() const {
  build();
  for (PanelElement* c : children_) {
    if (c->node().kind == Node::Kind::Meter) return c;
  }
  return nullptr;
}

PanelElement* PanelAccessible::statusChild() const {
  build();
  return children_.back();
}

QString PanelAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return widget()->windowTitle();
  return QAccessibleWidget::text(t);
}

void installPanelAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(panelFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace yunuri
