#include "shell/PanelAccessibleElement.h"

#include <QWidget>

#include "assets/Text.h"
#include "assets/Words.h"
#include "shell/PanelAccessible.h"
#include "window/Form1.h"

namespace yunuri {
namespace {

using assets::u;

// The catalogue's name where it has one, else the printed words read on one line, or a symbol's words.
QString buttonName(const ButtonEntry& e) {
  if (!e.name.empty()) return spoken(e.name);
  if (e.label.empty()) return spoken(SymbolWords(e.symbol));
  return spoken(e.label);
}

}  // namespace

QString spoken(std::string_view source) {
  // A word broken at its hyphen joins up again; words on two lines are read as one line; the printed minus
  // sign is read as the hyphen-minus a speech synthesiser knows.
  return assets::shown(source)
      .replace(u("-\n"), u("-"))
      .replace(QLatin1Char('\n'), QLatin1Char(' '))
      .replace(u("−"), u("-"));
}

bool PanelElement::isValid() const {
  return parent_->isValid();
}

QWindow* PanelElement::window() const {
  return parent_->window();
}

QAccessibleInterface* PanelElement::parent() const {
  return parent_;
}

AccessiblePanel* PanelElement::panel() const {
  return parent_->panel();
}

const Form1& PanelElement::form() const {
  return panel()->form();
}

QString PanelElement::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return name();
  if (t == QAccessible::Description) return description();
  if (t == QAccessible::Value && node_.kind == Node::Kind::Meter)
    return QString::number(form().state.VolumeLevel);
  return {};
}

QRect PanelElement::rect() const {
  QRectF r;
  switch (node_.kind) {
    case Node::Kind::Button:
    case Node::Kind::ScreenLabel: {
      const DirtyRect d = form().WindowRect(form().Element(node_.array, node_.index));
      r = QRectF(d.left, d.top, d.width, d.height);
      break;
    }
    case Node::Kind::Meter:
    case Node::Kind::Notice: {
      const DirtyRect d = form().WindowRect(node_.kind == Node::Kind::Meter ? form().MET : form().KABE);
      r = QRectF(d.left, d.top, d.width, d.height);
      break;
    }
    case Node::Kind::Status:
      r = QRectF(0, 0, kWindowWidth, kWindowHeight);
      break;
  }
  const QRect local = panel()->panelToWidget(r);
  return {parent_->host()->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role PanelElement::role() const {
  switch (node_.kind) {
    case Node::Kind::Notice:
      return QAccessible::Dialog;
    case Node::Kind::Button:
      return QAccessible::Button;
    case Node::Kind::ScreenLabel:
      return QAccessible::StaticText;
    case Node::Kind::Meter:
      return QAccessible::ProgressBar;
    case Node::Kind::Status:
      return QAccessible::StatusBar;
  }
  return QAccessible::NoRole;
}

QAccessible::State PanelElement::state() const {
  QAccessible::State s;
  const Form1& f = form();
  bool showing = true;
  switch (node_.kind) {
    case Node::Kind::Notice:
      showing = f.NoticeUp();
      s.modal = showing;
      break;
    case Node::Kind::Button: {
      showing = f.Showing(node_.array, node_.index);
      s.focusable = showing;
      s.focused = showing && parent_->host()->hasFocus() &&
                  panel()->focusedButton() == ButtonRef{node_.array, node_.index};
      s.checkable = CatalogueEntry(node_.array, node_.index).checked != CheckRule::None;
      s.checked = f.Checked(node_.array, node_.index);
      const std::optional<Target> held = f.HeldTarget();
      s.pressed = s.checked || (held && held->kind == Target::Kind::Element && held->array == node_.array &&
                                held->index == node_.index);
      break;
    }
    case Node::Kind::ScreenLabel:
      showing = f.Showing(node_.array, node_.index);
      s.readOnly = true;
      break;
    case Node::Kind::Meter:
      showing = !f.NoticeUp();
      s.readOnly = true;
      break;
    case Node::Kind::Status:
      s.readOnly = true;
      break;
  }
  s.invisible = !showing;
  s.offscreen = !showing;
  return s;
}

void* PanelElement::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface &&
      (node_.kind == Node::Kind::Button || node_.kind == Node::Kind::Notice)) {
    return static_cast<QAccessibleActionInterface*>(this);
  }
  if (type == QAccessible::ValueInterface && node_.kind == Node::Kind::Meter) {
    return static_cast<QAccessibleValueInterface*>(this);
  }
  return nullptr;
}

QStringList PanelElement::actionNames() const {
  if (node_.kind == Node::Kind::Notice) return {pressAction()};
  return {pressAction(), setFocusAction()};
}

void PanelElement::doAction(const QString& action) {
  AccessiblePanel* w = panel();
  if (node_.kind == Node::Kind::Notice) {
    if (action == pressAction()) w->dismissNoticeFromAccessible();
    return;
  }
  if (action == pressAction()) w->pressFromAccessible({node_.array, node_.index});
  if (action == setFocusAction()) w->focusButton({node_.array, node_.index});
}

QVariant PanelElement::currentValue() const {
  return static_cast<int>(form().state.VolumeLevel);
}

QString PanelElement::name() const {
  const Form1& f = form();
  switch (node_.kind) {
    case Node::Kind::Notice:
      return spoken(YUNURI_TR("Panel", "「ゆぬり～」のご案内"));
    case Node::Kind::Button:
      return buttonName(CatalogueEntry(node_.array, node_.index));
    case Node::Kind::ScreenLabel: {
      QString screen = spoken(CatalogueEntry(node_.array, node_.index).name);
      const Picture p = f.Element(node_.array, node_.index).picture;
      if (p.kind != Picture::Kind::Label) return screen;
      return u("%1: %2").arg(screen, buttonName(CatalogueEntry(ArrayId::SWm, p.index)));
    }
    case Node::Kind::Meter:
      return spoken(YUNURI_TR("Panel", "音量"));
    case Node::Kind::Status:
      return spoken(f.Caption());
  }
  return {};
}

QString PanelElement::description() const {
  switch (node_.kind) {
    case Node::Kind::Notice:
      return spoken(YUNURI_TR("Panel", "押すと閉じて、パネルを操作できるようになります"));
    case Node::Kind::Button:
      return spoken(CatalogueEntry(node_.array, node_.index).description);
    case Node::Kind::Meter:
      return form().state.MuteOn != 0 ? spoken(YUNURI_TR("Panel", "ミュート中 (muted)")) : QString();
    case Node::Kind::ScreenLabel:
    case Node::Kind::Status:
      break;
  }
  return {};
}

}  // namespace yunuri
