#include "assets/Words.h"

#include <QByteArray>
#include <QCoreApplication>
#include <atomic>

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
