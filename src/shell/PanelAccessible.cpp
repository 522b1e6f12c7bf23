#include "shell/PanelAccessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QWidget>
#include <array>

#include "assets/Buttons.h"
#include "assets/Text.h"
#include "input/Input.h"
#include "shell/PanelWidget.h"

namespace yunuri {
namespace {

using assets::u;

enum class NodeKind : std::uint8_t { Notice, Button, ScreenLabel, Meter, Status };

struct Node {
  NodeKind kind;
  ArrayId array = ArrayId::SWm;
  int index = 0;
};

// Symbols read as words; the volume's arrows say what they do.
QString symbolName(assets::Symbol s) {
  using assets::Symbol;
  static const std::array<const char*, 11> kNames = {
      "上",     "下",   "左",       "右",  "前のチャプター", "次のチャプター", "巻戻し",
      "早送り", "再生", "一時停止", "停止"};
  return u(kNames[static_cast<std::size_t>(s)]);
}

QString buttonName(ArrayId id, int index) {
  if (id == ArrayId::SWv && index < 2) return index == 0 ? u("音量を上げる") : u("音量を下げる");
  const assets::Face face = assets::buttonFace(id, index);
  if (face.text.isEmpty()) return symbolName(face.symbol);
  QString name = face.text;
  return name.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(u("−"), u("-"));
}

QString sourceName(int source) {
  return buttonName(ArrayId::SWm, source);
}

// What a button does, in a sentence a screen reader adds after its name.
QString buttonDescription(ArrayId id, int index) {
  // The sources whose remotes SWr1..SWr4 are: the DVD/VTR deck, the multi-standard VTR, DVD, the dome camera.
  static constexpr std::array<int, 4> kRemoteSources = {6, 7, 8, 10};
  if (IsCloseButton({id, index})) return u("この操作パネルを閉じます");
  switch (id) {
    case ArrayId::SWm:
      return index == 0 ? u("モニターの映像を消します")
                        : u("モニターに「%1」の映像を表示します").arg(sourceName(index));
    case ArrayId::SWu:
      return index == 0   ? u("プロジェクタ電源の操作パネルを開閉します")
             : index == 1 ? u("CD/MDの操作パネルを開閉します")
                          : u("終了確認を開閉します");
    case ArrayId::SWv:
      return index == 0   ? u("押している間、音量を上げます")
             : index == 1 ? u("押している間、音量を下げます")
                          : u("消音を入れたり切ったりします");
    case ArrayId::SWs:
      return u("モニターの映像を%1スクリーンへ送出します").arg(index == 0 ? u("左側") : u("右側"));
    case ArrayId::SWp1:
      return u("%1プロジェクターの電源を%2")
          .arg(index < 2 ? u("左側") : u("右側"), index % 2 == 0 ? u("入れます") : u("切ります"));
    case ArrayId::SWp2:
      return u("CD/MDプレーヤーの操作");
    case ArrayId::SWp3:
      return u("プログラムを終了します");
    case ArrayId::SWr1:
    case ArrayId::SWr2:
    case ArrayId::SWr3:
    case ArrayId::SWr4:
      return u("「%1」のリモコン")
          .arg(sourceName(
              kRemoteSources[static_cast<std::size_t>(id) - static_cast<std::size_t>(ArrayId::SWr1)]));
    case ArrayId::MES:
      break;
  }
  return {};
}

// Buttons whose light means a choice rather than a press in progress.
bool showsChoice(ArrayId id, int index) {
  return id == ArrayId::SWm || (id == ArrayId::SWv && index == 2) || (id == ArrayId::SWp1 && index < 4);
}

// Every node in the panel's visual order: the notice over everything, then the order keyboard focus takes,
// with the screen labels after the sends they belong to and the meter after the volume buttons.
std::vector<Node> panelNodes(const Form1& f) {
  std::vector<Node> nodes{{NodeKind::Notice}};
  auto addArray = [&](ArrayId id) {
    for (int i = 0; i < static_cast<int>(f.Elements(id).size()); ++i) {
      nodes.push_back({NodeKind::Button, id, NthInVisualOrder(id, i)});
    }
  };
  addArray(ArrayId::SWu);
  addArray(ArrayId::SWm);
  addArray(ArrayId::SWs);
  nodes.push_back({NodeKind::ScreenLabel, ArrayId::MES, 0});
  nodes.push_back({NodeKind::ScreenLabel, ArrayId::MES, 1});
  addArray(ArrayId::SWv);
  nodes.push_back({NodeKind::Meter});
  for (ArrayId id : {ArrayId::SWp1, ArrayId::SWp2, ArrayId::SWp3, ArrayId::SWr1, ArrayId::SWr2, ArrayId::SWr3,
                     ArrayId::SWr4}) {
    addArray(id);
  }
  nodes.push_back({NodeKind::Status});
  return nodes;
}

}  // namespace

// One control of the panel as an assistive technology sees it. Holds no state of its own: every answer is
// read from the panel as it is now.
class PanelElement : public QAccessibleInterface,
                     public QAccessibleActionInterface,
                     public QAccessibleValueInterface {
 public:
  PanelElement(PanelAccessible* parent, Node node) : parent_(parent), node_(node) {}

  bool isValid() const override { return parent_->isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_->window(); }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return name();
    if (t == QAccessible::Description) return description();
    if (t == QAccessible::Value && node_.kind == NodeKind::Meter)
      return QString::number(form().state.VolumeLevel);
    return {};
  }

  QRect rect() const override {
    PanelWidget* w = widget();
    QRectF r;
    switch (node_.kind) {
      case NodeKind::Button:
      case NodeKind::ScreenLabel: {
        const DirtyRect d = form().WindowRect(form().Element(node_.array, node_.index));
        r = QRectF(d.left, d.top, d.width, d.height);
        break;
      }
      case NodeKind::Meter:
      case NodeKind::Notice: {
        const DirtyRect d = form().WindowRect(node_.kind == NodeKind::Meter ? form().MET : form().KABE);
        r = QRectF(d.left, d.top, d.width, d.height);
        break;
      }
      case NodeKind::Status:
        r = QRectF(0, 0, kWindowWidth, kWindowHeight);
        break;
    }
    const QRect local = w->panelToWidget(r);
    return {w->mapToGlobal(local.topLeft()), local.size()};
  }

  QAccessible::Role role() const override {
    switch (node_.kind) {
      case NodeKind::Notice:
        return QAccessible::Dialog;
      case NodeKind::Button:
        return QAccessible::Button;
      case NodeKind::ScreenLabel:
        return QAccessible::StaticText;
      case NodeKind::Meter:
        return QAccessible::ProgressBar;
      case NodeKind::Status:
        return QAccessible::StatusBar;
    }
    return QAccessible::NoRole;
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    const Form1& f = form();
    bool showing = true;
    switch (node_.kind) {
      case NodeKind::Notice:
        showing = f.KABE.Visible;
        s.modal = showing;
        break;
      case NodeKind::Button: {
        showing = f.Showing(node_.array, node_.index);
        s.focusable = showing;
        s.focused = showing && widget()->hasFocus() &&
                    widget()->focusedButton() == ButtonRef{node_.array, node_.index};
        const bool lit = f.Element(node_.array, node_.index).picture == f.Twin(node_.array, node_.index);
        if (showsChoice(node_.array, node_.index)) {
          s.checkable = true;
          s.checked = lit;
        }
        const std::optional<Target> held = f.HeldTarget();
        s.pressed = (lit && showsChoice(node_.array, node_.index)) ||
                    (held && held->kind == Target::Kind::Element && held->array == node_.array &&
                     held->index == node_.index);
        break;
      }
      case NodeKind::ScreenLabel:
        showing = f.Showing(node_.array, node_.index);
        s.readOnly = true;
        break;
      case NodeKind::Meter:
        showing = !f.KABE.Visible;
        s.readOnly = true;
        break;
      case NodeKind::Status:
        s.readOnly = true;
        break;
    }
    s.invisible = !showing;
    s.offscreen = !showing;
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface &&
        (node_.kind == NodeKind::Button || node_.kind == NodeKind::Notice)) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    if (type == QAccessible::ValueInterface && node_.kind == NodeKind::Meter) {
      return static_cast<QAccessibleValueInterface*>(this);
    }
    return nullptr;
  }

  // Press on a button is a press and a release of it; on the notice it dismisses it. Focus moves the keyboard
  // focus there.
  QStringList actionNames() const override {
    if (node_.kind == NodeKind::Notice) return {pressAction()};
    return {pressAction(), setFocusAction()};
  }
  void doAction(const QString& action) override {
    PanelWidget* w = widget();
    if (node_.kind == NodeKind::Notice) {
      if (action == pressAction()) w->dismissNoticeFromAccessible();
      return;
    }
    if (action == pressAction()) w->pressFromAccessible({node_.array, node_.index});
    if (action == setFocusAction()) w->focusButton({node_.array, node_.index});
  }
  QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

  QVariant currentValue() const override { return static_cast<int>(form().state.VolumeLevel); }
  void setCurrentValue(const QVariant& /*value*/) override {}
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

  const Node& node() const { return node_; }

 private:
  PanelWidget* widget() const { return parent_->panel(); }
  const Form1& form() const { return widget()->form(); }

  QString name() const {
    const Form1& f = form();
    switch (node_.kind) {
      case NodeKind::Notice:
        return u("「ゆぬり～」のご案内");
      case NodeKind::Button:
        return buttonName(node_.array, node_.index);
      case NodeKind::ScreenLabel: {
        const QString screen = node_.index == 0 ? u("左側スクリーン") : u("右側スクリーン");
        const Picture p = f.Element(node_.array, node_.index).picture;
        return p.kind == Picture::Kind::Label ? u("%1: %2").arg(screen, sourceName(p.index)) : screen;
      }
      case NodeKind::Meter:
        return u("音量");
      case NodeKind::Status:
        return QString::fromStdString(f.Caption());
    }
    return {};
  }

  QString description() const {
    switch (node_.kind) {
      case NodeKind::Notice:
        return u("押すと閉じて、パネルを操作できるようになります");
      case NodeKind::Button:
        return buttonDescription(node_.array, node_.index);
      case NodeKind::Meter:
        return form().state.MuteOn != 0 ? u("ミュート中 (muted)") : QString();
      case NodeKind::ScreenLabel:
      case NodeKind::Status:
        break;
    }
    return {};
  }

  PanelAccessible* parent_;
  Node node_;
};

PanelAccessible::PanelAccessible(PanelWidget* panel) : QAccessibleWidget(panel, QAccessible::Window) {}

PanelAccessible::~PanelAccessible() {
  for (QAccessibleInterface* c : children_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
}

PanelWidget* PanelAccessible::panel() const {
  return static_cast<PanelWidget*>(widget());
}

void PanelAccessible::build() const {
  if (!children_.empty()) return;
  auto* self = const_cast<PanelAccessible*>(this);
  for (const Node& n : panelNodes(panel()->form())) {
    auto* child = new PanelElement(self, n);
    QAccessible::registerAccessibleInterface(child);
    children_.push_back(child);
  }
}

int PanelAccessible::childCount() const {
  build();
  return static_cast<int>(children_.size());
}

QAccessibleInterface* PanelAccessible::child(int index) const {
  build();
  if (index < 0 || index >= static_cast<int>(children_.size())) return nullptr;
  return children_[static_cast<std::size_t>(index)];
}

int PanelAccessible::indexOfChild(const QAccessibleInterface* child) const {
  build();
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i] == child) return static_cast<int>(i);
  }
  return -1;
}

QAccessibleInterface* PanelAccessible::childAt(int x, int y) const {
  build();
  const QPoint local = panel()->mapFromGlobal(QPoint(x, y));
  const QPoint at = panel()->widgetToPanel(local);
  const Target t = panel()->form().HitTest(at.x(), at.y());
  for (QAccessibleInterface* c : children_) {
    const Node& n = static_cast<PanelElement*>(c)->node();
    if (t.kind == Target::Kind::Notice && n.kind == NodeKind::Notice) return c;
    if (t.kind == Target::Kind::Element && n.kind != NodeKind::Notice && n.kind != NodeKind::Meter &&
        n.array == t.array && n.index == t.index) {
      return c;
    }
    if (t.kind == Target::Kind::Box && t.box == BoxId::MET && n.kind == NodeKind::Meter) return c;
  }
  return nullptr;
}

QAccessibleInterface* PanelAccessible::focusChild() const {
  const std::optional<ButtonRef> focus = panel()->focusedButton();
  if (!focus || !panel()->hasFocus()) return nullptr;
  build();
  for (QAccessibleInterface* c : children_) {
    const Node& n = static_cast<PanelElement*>(c)->node();
    if (n.kind == NodeKind::Button && n.array == focus->array && n.index == focus->index) return c;
  }
  return nullptr;
}

QString PanelAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return widget()->windowTitle();
  return QAccessibleWidget::text(t);
}

namespace {

QAccessibleInterface* panelFactory(const QString& /*classname*/, QObject* object) {
  if (auto* panel = qobject_cast<PanelWidget*>(object)) return new PanelAccessible(panel);
  return nullptr;
}

PanelAccessible* accessibleOf(PanelWidget* panel) {
  if (!QAccessible::isActive()) return nullptr;
  return dynamic_cast<PanelAccessible*>(QAccessible::queryAccessibleInterface(panel));
}

}  // namespace

void installPanelAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(panelFactory);
    return true;
  }();
  (void)installed;
}

void announceCaption(PanelWidget* panel) {
  PanelAccessible* a = accessibleOf(panel);
  if (a == nullptr) return;
  QAccessibleEvent window(panel, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&window);
  QAccessibleInterface* status = a->child(a->childCount() - 1);
  QAccessibleEvent line(status, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&line);
}

void announceValue(PanelWidget* panel) {
  PanelAccessible* a = accessibleOf(panel);
  if (a == nullptr) return;
  for (int i = 0; i < a->childCount(); ++i) {
    QAccessibleInterface* c = a->child(i);
    if (c->role() != QAccessible::ProgressBar) continue;
    QAccessibleValueChangeEvent event(c, static_cast<int>(panel->form().state.VolumeLevel));
    QAccessible::updateAccessibility(&event);
  }
}

void announceChoices(PanelWidget* panel, std::vector<bool>& known) {
  PanelAccessible* a = accessibleOf(panel);
  if (a == nullptr) return;
  const Form1& f = panel->form();
  const std::size_t count = static_cast<std::size_t>(a->childCount());
  known.resize(count, false);
  for (std::size_t i = 0; i < count; ++i) {
    auto* c = static_cast<PanelElement*>(a->child(static_cast<int>(i)));
    const Node& n = c->node();
    if (n.kind != NodeKind::Button || !showsChoice(n.array, n.index)) continue;
    const bool lit = f.Element(n.array, n.index).picture == f.Twin(n.array, n.index);
    if (lit == known[i]) continue;
    known[i] = lit;
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(c, changed);
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
