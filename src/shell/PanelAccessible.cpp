#include "shell/PanelAccessible.h"

#include <QAccessible>
#include <QWidget>

#include "assets/Words.h"
#include "shell/PanelAccessibleElement.h"
#include "window/Form1.h"
#include "window/Groups.h"

namespace yunuri {
namespace {

QAccessibleInterface* panelFactory(const QString& /*classname*/, QObject* object) {
  auto* window = qobject_cast<QWidget*>(object);
  if (auto* panel = dynamic_cast<AccessiblePanel*>(window)) return new PanelAccessible(window, panel);
  return nullptr;
}

}  // namespace

QString accessibleText(std::string_view japanese) {
  return oneLine(assets::shown(japanese));
}

QString oneLine(QString shown) {
  // A word broken at its hyphen joins up again; words on two lines are read as one line; the printed minus
  // sign is read as the hyphen-minus a speech synthesiser knows.
  return shown.replace(QStringLiteral("-\n"), QStringLiteral("-"))
      .replace(QLatin1Char('\n'), QLatin1Char(' '))
      .replace(QChar(0x2212), QLatin1Char('-'));
}

PanelAccessible::PanelAccessible(QWidget* window, AccessiblePanel* panel)
    : QAccessibleWidget(window, QAccessible::Window), panel_(panel) {}

PanelAccessible::~PanelAccessible() {
  for (PanelElement* c : all_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
}

void PanelAccessible::build() const {
  if (!all_.empty()) return;
  auto* self = const_cast<PanelAccessible*>(this);
  const auto make = [&](PanelElement* up, Node n) {
    auto* e = new PanelElement(self, up, n);
    QAccessible::registerAccessibleInterface(e);
    all_.push_back(e);
    if (up != nullptr) {
      up->adopt(e);
    } else {
      children_.push_back(e);
    }
    return e;
  };
  std::vector<PanelElement*> groups(Groups().size(), nullptr);
  // A group comes with its printed texts first, as a sighted visitor reads its heading first.
  const auto groupNode = [&](Group g) {
    PanelElement*& at = groups[static_cast<std::size_t>(g)];
    if (at != nullptr) return at;
    at = make(nullptr, {Node::Kind::Group, ArrayId::SWm, static_cast<int>(g)});
    const std::span<const TextEntry> texts = PrintedTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (texts[i].group == g) make(at, {Node::Kind::Text, ArrayId::SWm, static_cast<int>(i)});
    }
    return at;
  };
  groupNode(Group::Notice);
  for (const ButtonEntry& e : Catalogue()) {
    const Group g = GroupOfArea(e.area);
    PanelElement* up = g == Group::Window ? nullptr : groupNode(g);
    make(up, {e.kind == ButtonKind::Label ? Node::Kind::ScreenLabel : Node::Kind::Button, e.array, e.index});
  }
  make(groupNode(Group::Volume), {Node::Kind::Meter});
  make(nullptr, {Node::Kind::Status});
  make(nullptr, {Node::Kind::Announcement, ArrayId::SWm, kVolumeNews});
  make(nullptr, {Node::Kind::Announcement, ArrayId::SWm, kCaptionNews});
  panel_->nodesBuilt(all_);
}

const std::vector<PanelElement*>& PanelAccessible::nodes() const {
  build();
  return all_;
}

int PanelAccessible::childCount() const {
  build();
  return static_cast<int>(children_.size() + panel()->groundWidgets().size());
}

QAccessibleInterface* PanelAccessible::child(int index) const {
  build();
  const auto count = static_cast<int>(children_.size());
  const std::vector<QWidget*> ground = panel()->groundWidgets();
  if (index >= count && index - count < static_cast<int>(ground.size()))
    return QAccessible::queryAccessibleInterface(ground[static_cast<std::size_t>(index - count)]);
  if (index < 0 || index >= count) return nullptr;
  return children_[static_cast<std::size_t>(index)];
}

int PanelAccessible::indexOfChild(const QAccessibleInterface* child) const {
  build();
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i] == child) return static_cast<int>(i);
  }
  const std::vector<QWidget*> ground = panel()->groundWidgets();
  for (std::size_t i = 0; child != nullptr && i < ground.size(); ++i) {
    if (child->object() == ground[i]) return static_cast<int>(children_.size() + i);
  }
  return -1;
}

QAccessibleInterface* PanelAccessible::childAt(int x, int y) const {
  build();
  // The notice lies over everything while it is up.
  if (noticeChild()->showing()) return noticeChild()->rect().contains(x, y) ? noticeChild() : nullptr;
  for (PanelElement* c : children_) {
    const Node::Kind k = c->node().kind;
    if (k == Node::Kind::Status || k == Node::Kind::Announcement || !c->showing()) continue;
    if (c->node().kind == Node::Kind::Group ? c->childAt(x, y) != nullptr : c->rect().contains(x, y))
      return c;
  }
  return nullptr;
}

QAccessibleInterface* PanelAccessible::focusChild() const {
  if (!widget()->hasFocus()) return nullptr;
  if (panel()->form().NoticeUp()) return noticeChild();
  const std::optional<ButtonRef> focus = panel()->focusedButton();
  return focus ? buttonChild(*focus) : nullptr;
}

PanelElement* PanelAccessible::buttonChild(ButtonRef button) const {
  for (PanelElement* c : nodes()) {
    if (c->isButton(button)) return c;
  }
  return nullptr;
}

PanelElement* PanelAccessible::noticeChild() const {
  build();
  return children_.front();
}

PanelElement* PanelAccessible::announcementChild() const {
  build();
  return children_.back();
}

PanelElement* PanelAccessible::volumeNewsChild() const {
  build();
  return children_[children_.size() - 2];
}

QString PanelAccessible::text(QAccessible::Text t) const {
  // The caption is told by the notification; the window keeps the program's name.
  if (t == QAccessible::Name) return accessibleText(kTitle);
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
