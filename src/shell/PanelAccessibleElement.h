#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QString>
#include <cstdint>
#include <string_view>

#include "window/Catalogue.h"

namespace yunuri {

class AccessiblePanel;
class Form1;
class PanelAccessible;

// Every text an assistive technology is given, from its Japanese source: in the language shown, on one line.
QString spoken(std::string_view source);

// What one child of the panel's accessible tree stands for.
struct Node {
  enum class Kind : std::uint8_t { Notice, Button, ScreenLabel, Meter, Status };
  Kind kind;
  ArrayId array = ArrayId::SWm;  // for Button and ScreenLabel
  int index = 0;
};

// One control of the panel as an assistive technology sees it. Holds no state of its own: every answer is
// read from the panel and the catalogue as they are now.
class PanelElement : public QAccessibleInterface,
                     public QAccessibleActionInterface,
                     public QAccessibleValueInterface {
 public:
  PanelElement(PanelAccessible* parent, Node node) : parent_(parent), node_(node) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // Press on a button is a press and a release of it; on the notice it dismisses it. Focus moves the keyboard
  // focus there.
  QStringList actionNames() const override;
  void doAction(const QString& action) override;
  QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& /*value*/) override {}
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

  const Node& node() const { return node_; }
  bool isButton(ButtonRef b) const {
    return node_.kind == Node::Kind::Button && node_.array == b.array && node_.index == b.index;
  }

 private:
  AccessiblePanel* panel() const;
  const Form1& form() const;
  QString name() const;
  QString description() const;

  PanelAccessible* parent_;
  Node node_;
};

}  // namespace yunuri
