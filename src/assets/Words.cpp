#include "assets/Words.h"

#include <QByteArray>
#include <QCoreApplication>
#include <atomic>

#include "window/Form1.h"
#include "window/Sources.h"

namespace yunuri::assets {
namespace {

std::atomic<bool> latinShown{false};

}  // namespace

QString shown(std::string_view source, const char* disambiguation) {
  if (source.empty()) return {};
  // A string_view need not end in a NUL; the translator wants one.
  const QByteArray text(source.data(), static_cast<qsizetype>(source.size()));
  return QCoreApplication::translate(kWordsContext, text.constData(), disambiguation);
}

QString shownWithoutTitle(std::string_view caption) {
  QString whole = shown(caption);
  const QString title = shown(kTitle);
  if (!whole.startsWith(title)) return whole;
  qsizetype at = title.size();
  while (at < whole.size() && whole.at(at) == u' ') ++at;
  // A caption that is the title alone keeps it: an empty line would say nothing.
  return at == whole.size() ? whole : whole.mid(at);
}

QString shortName(int source) {
  return shown(kSources[static_cast<std::size_t>(source)].shortName, "short");
}

void setLatinLettering(bool latin) {
  latinShown.store(latin, std::memory_order_relaxed);
}

bool latinLettering() {
  return latinShown.load(std::memory_order_relaxed);
}

}  // namespace yunuri::assets
