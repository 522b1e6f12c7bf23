#pragma once

#include <QAccessibleWidget>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

#include "window/Catalogue.h"

namespace yunuri {

class Form1;
class PanelElement;

// What the accessible side needs of the window that shows the panel. The window implements it, so the
// accessible files never include the window's header.
class AccessiblePanel {
 public:
  virtual const Form1& form() const = 0;
  virtual std::optional<ButtonRef> focusedButton() const = 0;
  // Between the panel's own 400 x 300 coordinates and the widget's.
  virtual QRect panelToWidget(const QRectF& r) const = 0;
  virtual QPoint widgetToPanel(QPointF p) const = 0;
  // The accessible actions: focus on a button, a press and a release of it, the notice's dismissal.
  virtual void focusButton(ButtonRef button) = 0;
  virtual void pressFromAccessible(ButtonRef button) = 0;
  virtual void dismissNoticeFromAccessible() = 0;
  // The tree was just built: what its nodes say now is what a screen reader knows of them.
  virtual void nodesBuilt(const std::vector<PanelElement*>& nodes) = 0;
  // The window's own widgets beside the panel that show (the room's picture and the language button in full
  // screen), in the order they are read after the panel.
  virtual std::vector<QWidget*> groundWidgets() const { return {}; }
  // Where the window paints the caption as a status line (in full screen), in widget pixels; empty where the
  // title bar shows it.
  virtual QRect statusLineRect() const { return {}; }

 protected:
  AccessiblePanel() = default;
  ~AccessiblePanel() = default;
  AccessiblePanel(const AccessiblePanel&) = default;
  AccessiblePanel& operator=(const AccessiblePanel&) = default;
};

// Every text the accessible tree exposes passes here, from the core's Japanese, in the language shown and on
// one line.
QString accessibleText(std::string_view japanese);
// A text already in the language shown, on one line as `accessibleText` gives it.
QString oneLine(QString shown);

// What a screen reader sees of the panel: the window, named by the program, with every part of the panel in
// visual order: the notice (a dialog with its text), the top buttons, the named groups (the sources, the
// screens, the volume with the meter, each popup as a dialog, the remote area) with their printed texts and
// buttons, the status line and the notifications that speak each new caption and each new volume. The nodes
// are built only when an assistive technology first asks for them.
class PanelAccessible : public QAccessibleWidget {
 public:
  PanelAccessible(QWidget* window, AccessiblePanel* panel);
  ~PanelAccessible() override;
  PanelAccessible(const PanelAccessible&) = delete;
  PanelAccessible& operator=(const PanelAccessible&) = delete;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  QString text(QAccessible::Text t) const override;

  AccessiblePanel* panel() const { return panel_; }
  QWidget* host() const { return widget(); }
  // The node of a button, of the notice and of the notifications of the caption and the volume.
  PanelElement* buttonChild(ButtonRef button) const;
  PanelElement* noticeChild() const;
  PanelElement* announcementChild() const;
  PanelElement* volumeNewsChild() const;
  // Every node, parents before their children.
  const std::vector<PanelElement*>& nodes() const;

 private:
  void build() const;
  AccessiblePanel* panel_;
  mutable std::vector<PanelElement*> children_;  // the window's own
  mutable std::vector<PanelElement*> all_;
};

// Installs the factory that gives the panel's window its accessible interface. Cheap: nothing is built until
// an assistive technology asks.
void installPanelAccessibility();

}  // namespace yunuri
