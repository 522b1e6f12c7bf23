#include "shell/LanguageButton.h"

#include <QEvent>
#include <QTouchEvent>

#include "shell/Language.h"
#include "shell/PanelAccessible.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

constexpr int kMargin = 12;
constexpr int kPadding = 14;
constexpr int kPixels = 18;

}  // namespace

LanguageButton::LanguageButton(QWidget* window) : QPushButton(window) {
  setObjectName(QStringLiteral("language"));
  // Reached with Tab; a click leaves the keyboard with the panel.
  setFocusPolicy(Qt::TabFocus);
  // A finger presses it as it presses the panel: the panel's window takes touch points, so this one must.
  setAttribute(Qt::WA_AcceptTouchEvents);
  QFont f = font();
  f.setPixelSize(kPixels);
  setFont(f);
  setStyleSheet(QStringLiteral(
      "QPushButton { color: #f0ece8; background: #3a3532; border: 1px solid #6a625c; border-radius: 6px; }"
      "QPushButton:pressed { background: #55504c; }"
      "QPushButton:focus { border: 2px solid #f6c445; }"));
  connect(this, &QPushButton::clicked, this, [] { setLanguage(nextLanguage()); });
  relabel();
  hide();
}

void LanguageButton::relabel() {
  const QString next = nextLanguage();
  setText(languageName(next));
  setAccessibleDescription(accessibleText(YUNURI_TR("Panel", "表示する言語を切り替えます (Ctrl+L)")));
  const QSize hint = fontMetrics().size(Qt::TextSingleLine, text()) + QSize(2 * kPadding, kPadding);
  resize(hint);
  // A wider or narrower name keeps the button in its corner.
  if (isVisible()) move(parentWidget()->width() - kMargin - width(), kMargin);
}

void LanguageButton::place(const QRectF& panel, bool fullScreen) {
  const QRect window = parentWidget()->rect();
  const bool roomAbove = panel.top() - window.top() >= height() + 2 * kMargin;
  const bool roomBeside = window.right() + 1 - panel.right() >= width() + 2 * kMargin;
  const bool shown = fullScreen && (roomAbove || roomBeside);
  if (shown) move(window.right() + 1 - kMargin - width(), window.top() + kMargin);
  setVisible(shown);
}

void LanguageButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) relabel();
  QPushButton::changeEvent(event);
}

bool LanguageButton::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::TouchBegin:
      setDown(true);
      event->accept();
      return true;
    case QEvent::TouchUpdate:
      event->accept();
      return true;
    case QEvent::TouchEnd: {
      const auto* touch = static_cast<QTouchEvent*>(event);
      const bool inside =
          !touch->points().isEmpty() && rect().contains(touch->points().first().position().toPoint());
      setDown(false);
      if (inside) click();
      event->accept();
      return true;
    }
    case QEvent::TouchCancel:
      setDown(false);
      event->accept();
      return true;
    default:
      return QPushButton::event(event);
  }
}

}  // namespace yunuri
