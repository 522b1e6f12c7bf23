#include "shell/PanelAccessibleElement.h"

#include <QWidget>

#include "assets/Artwork.h"
#include "assets/Words.h"
#include "shell/PanelAccessible.h"
#include "window/Form1.h"
#include "window/Groups.h"

namespace yunuri {
namespace {

// The catalogue's name where it has one, else the printed words read on one line, or a symbol's words.
QString buttonName(const ButtonEntry& e) {
  if (!e.name.empty()) return accessibleText(e.name);
  if (e.label.empty()) return accessibleText(SymbolWords(e.symbol));
  return accessibleText(e.label);
}

// A projector's ON and OFF while it cannot be reached: said with the button's name, as the buttons show it.
QString projectorButtonName(const Form1& f, ArrayId array, int index, QString name) {
  const std::optional<std::size_t> side = ProjectorSideOf(array, index);
  if (!side || f.ProjectorAnswering(*side)) return name;
  return accessibleText(kNotAnswering).arg(name);
}

QRectF rectF(const DirtyRect& d) {
  return {d.left, d.top, d.width, d.height};
}

QRectF rectF(const Rect& r) {
  return {static_cast<qreal>(r.left), static_cast<qreal>(r.top), static_cast<qreal>(r.width),
          static_cast<qreal>(r.height)};
}

Group groupOf(const Node& n) {
  return static_cast<Group>(n.index);
}

// The notice's paragraphs lie where the artwork flowed them in the language shown, at the ratio the window
// paints at; the other texts where the table puts them.
QRectF textRect(const Form1& f, const TextEntry& t, qreal ratio) {
  for (std::size_t k = 0; k < printed::kNotice.size(); ++k) {
    if (t.text != printed::kNotice[k].text) continue;
    const DirtyRect box = f.WindowRect(f.KABE());
    return assets::noticeParagraphs(ratio)[k].translated(box.left, box.top);
  }
  return rectF(TextRect(f, t));
}

}  // namespace

bool PanelElement::isValid() const {
  return root_->isValid();
}

QWindow* PanelElement::window() const {
  return root_->window();
}

QAccessibleInterface* PanelElement::parent() const {
  if (up_ != nullptr) return up_;
  return root_;
}

QAccessibleInterface* PanelElement::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return kids_[static_cast<std::size_t>(index)];
}

int PanelElement::indexOfChild(const QAccessibleInterface* child) const {
  for (std::size_t i = 0; i < kids_.size(); ++i) {
    if (kids_[i] == child) return static_cast<int>(i);
  }
  return -1;
}

QAccessibleInterface* PanelElement::childAt(int x, int y) const {
  for (PanelElement* k : kids_) {
    if (k->showing() && k->rect().contains(x, y)) return k;
  }
  return nullptr;
}

AccessiblePanel* PanelElement::panel() const {
  return root_->panel();
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

QRectF PanelElement::panelRect() const {
  const Form1& f = form();
  switch (node_.kind) {
    case Node::Kind::Button:
    case Node::Kind::ScreenLabel:
      return rectF(f.WindowRect(f.Element(node_.array, node_.index)));
    case Node::Kind::Text: {
      const qreal zoom =
          panel()->panelToWidget({0, 0, kWindowWidth, kWindowHeight}).width() / qreal{kWindowWidth};
      return textRect(f, PrintedTexts()[static_cast<std::size_t>(node_.index)],
                      root_->host()->devicePixelRatioF() * zoom);
    }
    case Node::Kind::Meter:
      return rectF(f.WindowRect(f.MET()));
    case Node::Kind::Group: {
      if (groupOf(node_) == Group::Notice) return rectF(f.WindowRect(f.KABE()));
      const int popup = GroupOf(groupOf(node_)).popup;
      if (popup >= 0) return rectF(f.WindowRect(f.POP(popup)));
      // An area is as large as what shows of it.
      QRectF r;
      for (const PanelElement* k : kids_) {
        if (k->showing()) r = r.united(k->panelRect());
      }
      return r;
    }
    case Node::Kind::Status:
    case Node::Kind::Announcement:
      break;
  }
  return {};
}

QRect PanelElement::rect() const {
  const QWidget* host = root_->host();
  if (node_.kind == Node::Kind::Announcement && node_.index == kVolumeNews) {
    const QRect local = panel()->panelToWidget(rectF(form().WindowRect(form().MET())));
    return {host->mapToGlobal(local.topLeft()), local.size()};
  }
  if (node_.kind == Node::Kind::Status || node_.kind == Node::Kind::Announcement) {
    // In full screen the caption is painted under the panel; in a window it is the title bar's line, above
    // the client area.
    if (const QRect line = panel()->statusLineRect(); !line.isEmpty()) {
      return {host->mapToGlobal(line.topLeft()), line.size()};
    }
    const QRect frame = host->frameGeometry();
    const QRect client = host->geometry();
    return {frame.left(), frame.top(), frame.width(), client.top() - frame.top()};
  }
  const QRect local = panel()->panelToWidget(panelRect());
  return {host->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role PanelElement::role() const {
  switch (node_.kind) {
    case Node::Kind::Group:
      return GroupOf(groupOf(node_)).dialog ? QAccessible::Dialog : QAccessible::Grouping;
    case Node::Kind::Button:
      // A screen reader reads the checked state of radio buttons and check boxes only.
      switch (CatalogueEntry(node_.array, node_.index).checked) {
        case CheckRule::None:
          return QAccessible::Button;
        case CheckRule::SelectedSource:
          return QAccessible::RadioButton;
        default:
          return QAccessible::CheckBox;
      }
    case Node::Kind::ScreenLabel:
      return QAccessible::StaticText;
    case Node::Kind::Text:
      // The notice's paragraphs are its message, which the notice says whole as its description. As labels,
      // a screen reader would read them after the notice's name and then the description too: the notice
      // twice wherever its paragraphs have spaces between words (Orca passes over a label of fewer than three
      // words, and a Japanese paragraph is one word to it).
      return PrintedTexts()[static_cast<std::size_t>(node_.index)].group == Group::Notice
                 ? QAccessible::Paragraph
                 : QAccessible::StaticText;
    case Node::Kind::Meter:
      return QAccessible::ProgressBar;
    case Node::Kind::Status:
      return QAccessible::StatusBar;
    case Node::Kind::Announcement:
      return QAccessible::Notification;
  }
  return QAccessible::NoRole;
}

bool PanelElement::showing() const {
  const Form1& f = form();
  switch (node_.kind) {
    case Node::Kind::Group:
      if (groupOf(node_) == Group::Notice) return f.NoticeUp();
      for (const PanelElement* k : kids_) {
        if (k->showing()) return true;
      }
      return false;
    case Node::Kind::Button:
    case Node::Kind::ScreenLabel:
      return f.Showing(node_.array, node_.index);
    case Node::Kind::Text:
      return TextShowing(f, PrintedTexts()[static_cast<std::size_t>(node_.index)]);
    case Node::Kind::Meter:
      return !f.NoticeUp();
    case Node::Kind::Status:
    case Node::Kind::Announcement:
      break;
  }
  return true;
}

QAccessible::State PanelElement::state() const {
  QAccessible::State s;
  const Form1& f = form();
  const bool shown = showing();
  const bool hasFocus = root_->host()->hasFocus();
  switch (node_.kind) {
    case Node::Kind::Group:
      if (groupOf(node_) == Group::Notice) {
        // The notice takes the focus while it covers the panel, so a screen reader reads it first.
        s.modal = shown;
        s.focusable = shown;
        s.focused = shown && hasFocus;
      }
      break;
    case Node::Kind::Button: {
      const ButtonRef b{node_.array, node_.index};
      s.focusable = shown;
      s.focused = shown && hasFocus && panel()->focusedButton() == b;
      s.checkable = CatalogueEntry(b.array, b.index).checked != CheckRule::None;
      s.checked = f.Checked(b.array, b.index);
      // Only an open popup is worth a word: "collapsed" on every top button tells a visitor nothing.
      if (b.array == ArrayId::SWu && PopupWanted(f, b.index)) {
        s.expandable = true;
        s.expanded = true;
      }
      const std::optional<Target> held = f.HeldTarget();
      s.pressed =
          held && held->kind == Target::Kind::Element && held->array == b.array && held->index == b.index;
      break;
    }
    case Node::Kind::ScreenLabel:
    case Node::Kind::Text:
    case Node::Kind::Meter:
    case Node::Kind::Status:
    case Node::Kind::Announcement:
      s.readOnly = true;
      break;
  }
  s.invisible = !shown;
  s.offscreen = !shown;
  return s;
}

void* PanelElement::interface_cast(QAccessible::InterfaceType type) {
  const bool acts = node_.kind == Node::Kind::Button ||
                    (node_.kind == Node::Kind::Group && groupOf(node_) == Group::Notice);
  if (type == QAccessible::ActionInterface && acts) return static_cast<QAccessibleActionInterface*>(this);
  if (type == QAccessible::ValueInterface && node_.kind == Node::Kind::Meter) {
    return static_cast<QAccessibleValueInterface*>(this);
  }
  return nullptr;
}

QStringList PanelElement::actionNames() const {
  if (node_.kind == Node::Kind::Group) return {pressAction()};
  return {pressAction(), setFocusAction()};
}

void PanelElement::doAction(const QString& action) {
  AccessiblePanel* w = panel();
  if (node_.kind == Node::Kind::Group) {
    if (action == pressAction()) w->dismissNoticeFromAccessible();
    return;
  }
  if (action == pressAction()) w->pressFromAccessible({node_.array, node_.index});
  if (action == setFocusAction()) w->focusButton({node_.array, node_.index});
}

QVariant PanelElement::currentValue() const {
  return static_cast<int>(form().state.VolumeLevel);
}

void PanelElement::setCurrentValue(const QVariant& value) {
  const int now = form().state.VolumeLevel;
  if (value.toInt() != now) panel()->pressFromAccessible({ArrayId::SWv, value.toInt() > now ? 0 : 1});
}

QString PanelElement::name() const {
  const Form1& f = form();
  switch (node_.kind) {
    case Node::Kind::Group:
      return accessibleText(GroupOf(groupOf(node_)).name);
    case Node::Kind::Button:
      return projectorButtonName(f, node_.array, node_.index,
                                 buttonName(CatalogueEntry(node_.array, node_.index)));
    case Node::Kind::ScreenLabel: {
      QString screen = accessibleText(CatalogueEntry(node_.array, node_.index).name);
      const Picture p = f.Element(node_.array, node_.index).picture;
      if (p.kind != Picture::Kind::Label) return screen;
      return QStringLiteral("%1: %2").arg(screen, buttonName(CatalogueEntry(ArrayId::SWm, p.index)));
    }
    case Node::Kind::Text:
      return accessibleText(PrintedTexts()[static_cast<std::size_t>(node_.index)].text);
    case Node::Kind::Meter:
      return accessibleText(kMeterName);
    case Node::Kind::Status:
      return accessibleText(f.Caption());
    case Node::Kind::Announcement:
      // Heard on every press, where the title would only repeat the window's name.
      if (node_.index == kVolumeNews)
        return QStringLiteral("%1 %2%").arg(accessibleText(kMeterName)).arg(f.state.VolumeLevel);
      return oneLine(assets::shownWithoutTitle(f.Caption()));
  }
  return {};
}

QString PanelElement::description() const {
  switch (node_.kind) {
    case Node::Kind::Group: {
      const GroupEntry& g = GroupOf(groupOf(node_));
      QString said = accessibleText(g.description);
      for (const std::string_view part : g.parts) said = said.arg(accessibleText(part));
      return said;
    }
    case Node::Kind::Button:
      return accessibleText(ButtonDescription(form(), node_.array, node_.index));
    case Node::Kind::Meter:
      return form().state.MuteOn != 0 ? accessibleText(kMeterMuted) : QString();
    case Node::Kind::Announcement:
      // Said after the level, as the meter says it.
      if (node_.index == kVolumeNews && form().state.MuteOn != 0) return accessibleText(kMeterMuted);
      break;
    case Node::Kind::ScreenLabel:
    case Node::Kind::Text:
    case Node::Kind::Status:
      break;
  }
  return {};
}

}  // namespace yunuri
