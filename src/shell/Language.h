#pragma once

#include <QString>
#include <QStringList>

class QKeyEvent;

namespace yunuri {

// The panel's own language: the source text of every catalogue, shown with no translator.
inline constexpr const char* kPanelLanguage = "ja";

// The languages the panel can speak: its own first, then those whose catalogue is built in, by code.
QStringList builtInLanguages();

// Shows the panel in the language `code` from now on: installs its catalogue (removes any, for the panel's
// own) and letters the artwork to suit. Every widget then gets a LanguageChange event. False, and nothing
// changes, for a language that is not built in. Needs the application object.
bool setLanguage(const QString& code);
QString currentLanguage();
// The language after the current one, in builtInLanguages() order, round to the first: what Ctrl+L and the
// language button switch to.
QString nextLanguage();
// Ctrl+L switches to the next language (once for a held key); false for any other key.
bool switchLanguageOnKey(QKeyEvent& event);
// A language's name in that language, as a button offering it reads ("English", "日本語").
QString languageName(const QString& code);

}  // namespace yunuri
