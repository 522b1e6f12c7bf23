#include <QKeyEvent>

#include "assets/Words.h"
#include "shell/Language.h"
#include "shell/PanelAnnounce.h"
#include "shell/PanelWidget.h"

// Switching the language while the panel runs: only the words change.
namespace yunuri {

bool PanelWidget::handleLanguageKey(QKeyEvent* event) {
  if (event->key() != Qt::Key_L || event->modifiers() != Qt::ControlModifier) return false;
  event->accept();
  // A held key switches once.
  if (!event->isAutoRepeat()) setLanguage(nextLanguage());
  return true;
}

void PanelWidget::showLanguage() {
  // Every picture with words is painted again in the new ones; the panel's state, its held press and its
  // timers are not touched. The caption that stands is shown again, now in the new language.
  cache_.clear();
  setWindowTitle(assets::shown(form_.Caption()));
  announceCaption(this);
  update();
}

}  // namespace yunuri
