#include "shell/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "assets/Words.h"

namespace yunuri {
namespace {

// Where the build puts the compiled catalogues, inside the program.
QString catalogueOf(const QString& code) {
  return QStringLiteral(":/i18n/yunuri_%1.qm").arg(code);
}

QString current = QString::fromLatin1(kPanelLanguage);
std::unique_ptr<QTranslator> installed;

// The built-in catalogues never change while the program runs, so they are listed once. The names are
// matched by hand: a name filter would be a wildcard compiled as a regular expression, which maps and runs
// half a megabyte of the regular expression library's compiler in a panel that needs none.
QStringList findBuiltInLanguages() {
  const QLatin1String prefix("yunuri_");
  const QLatin1String suffix(".qm");
  QStringList codes{QString::fromLatin1(kPanelLanguage)};
  const QStringList files = QDir(QStringLiteral(":/i18n")).entryList(QDir::Files, QDir::Name);
  for (const QString& file : files) {
    if (file.startsWith(prefix) && file.endsWith(suffix) && file.size() > prefix.size() + suffix.size())
      codes.append(file.mid(prefix.size(), file.size() - prefix.size() - suffix.size()));
  }
  return codes;
}

}  // namespace

QStringList builtInLanguages() {
  static const QStringList codes = findBuiltInLanguages();
  return codes;
}

bool setLanguage(const QString& code) {
  if (!builtInLanguages().contains(code)) return false;
  if (code == current) return true;
  auto translator = std::make_unique<QTranslator>();
  if (code != QLatin1String(kPanelLanguage) && !translator->load(catalogueOf(code))) return false;
  // Lettering first: the LanguageChange that installing sends repaints with it.
  assets::setLatinLettering(code != QLatin1String(kPanelLanguage));
  if (installed) QCoreApplication::removeTranslator(installed.get());
  installed.reset();
  current = code;
  // Installing or removing a translator sends every widget the LanguageChange.
  if (code != QLatin1String(kPanelLanguage)) {
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
  }
  return true;
}

QString currentLanguage() {
  return current;
}

QString nextLanguage() {
  const QStringList codes = builtInLanguages();
  return codes.at((codes.indexOf(current) + 1) % codes.size());
}

QString languageName(const QString& code) {
  const QLocale locale(code);
  QString name = locale.nativeLanguageName();
  // The locale names English after a country ("American English"); the button offers the language.
  if (locale.language() == QLocale::English) name = QStringLiteral("English");
  return name;
}

bool switchLanguageOnKey(QKeyEvent& event) {
  if (event.key() != Qt::Key_L || event.modifiers() != Qt::ControlModifier) return false;
  event.accept();
  if (!event.isAutoRepeat()) setLanguage(nextLanguage());
  return true;
}

}  // namespace yunuri
