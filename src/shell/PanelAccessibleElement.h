#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "window/Catalogue.h"

namespace yunuri {

class AccessiblePanel;
class Form1;
class PanelAccessible;

// What one node of the panel's accessible tree stands for.
struct Node {
  enum class Kind : std::uint8_t { Group, Button, ScreenLabel, Text, Meter, Status, Announcement };
  Kind kind;
  ArrayId array = ArrayId::SWm;  // for Button and ScreenLabel
  // For Button and ScreenLabel; the Group or the printed text's position; which news an Announcement tells.
  int index = 0;
};

// The two notifications: the new caption, and the volume's new level once it settled.
inline constexpr int kCaptionNews = 0;
inline constexpr int kVolumeNews = 1;

// One part of the panel as an assistive technology sees it: a control, a printed text, or a named group of
// them (the notice and the popups are dialogs). Holds no state of its own: every answer is read from the
// panel and the core's tables as they are now.
class PanelElement : public QAccessibleInterface,
                     public QAccessibleActionInterface,
                     public QAccessibleValueInterface {
 public:
  PanelElement(PanelAccessible* root, PanelElement* up, Node node) : root_(root), up_(up), node_(node) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override { return static_cast<int>(kids_.size()); }
  int indexOfChild(const QAccessibleInterface* child) const override;
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // Press on a button is a press and a release of it (of a volume button: one step); on the notice it
  // dismisses it. SetFocus moves the keyboard focus there.
  QStringList actionNames() const override;
  void doAction(const QString& action) override;
  QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  // The meter's value. Qt offers Increase and Decrease on every value: each is one step of the volume
  // button, as its Press.
  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

  const Node& node() const { return node_; }
  bool isButton(ButtonRef b) const {
    return node_.kind == Node::Kind::Button && node_.array == b.array && node_.index == b.index;
  }
  void adopt(PanelElement* kid) { kids_.push_back(kid); }
  const std::vector<PanelElement*>& kids() const { return kids_; }
  bool showing() const;

 private:
  AccessiblePanel* panel() const;
  const Form1& form() const;
  QString name() const;
  QString description() const;
  QRectF panelRect() const;

  PanelAccessible* root_;
  PanelElement* up_;  // the group it lies in, or none for the window's own children
  Node node_;
  std::vector<PanelElement*> kids_;
};

}  // namespace yunuri
