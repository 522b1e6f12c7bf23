#include "assets/Words.h"

#include <QByteArray>
#include <QCoreApplication>
#include <array>
#include <atomic>

#include "window/Catalogue.h"

namespace yunuri::assets {
namespace {

std::atomic<bool> latinShown{false};

// The sources' names as the short strips print them, by source index. In Japanese they are the buttons' own
// labels; a translation may word them shorter.
constexpr std::array<const char*, 12> kShortNames = {
    YUNURI_TR_AS("Panel", "映像OFF", "short"),      YUNURI_TR_AS("Panel", "デスクトップPC", "short"),
    YUNURI_TR_AS("Panel", "ノートPC", "short"),     YUNURI_TR_AS("Panel", "ワイヤレスPC", "short"),
    YUNURI_TR_AS("Panel", "書画カメラ", "short"),   YUNURI_TR_AS("Panel", "RGB入力", "short"),
    YUNURI_TR_AS("Panel", "DVD/VTR", "short"),      YUNURI_TR_AS("Panel", "世界対応VTR", "short"),
    YUNURI_TR_AS("Panel", "DVD", "short"),          YUNURI_TR_AS("Panel", "スタンドカメラ", "short"),
    YUNURI_TR_AS("Panel", "ドームカメラ", "short"), YUNURI_TR_AS("Panel", "ビデオ入力", "short"),
};

}  // namespace

QString shown(std::string_view source, const char* disambiguation) {
  if (source.empty()) return {};
  // A string_view need not end in a NUL; the translator wants one.
  const QByteArray text(source.data(), static_cast<qsizetype>(source.size()));
  return QCoreApplication::translate(kWordsContext, text.constData(), disambiguation);
}

QString shortName(int source) {
  const std::string_view label = CatalogueEntry(ArrayId::SWm, source).label;
  // A label that no longer matches its short entry shows in full rather than untranslated.
  if (label != kShortNames[static_cast<std::size_t>(source)]) return shown(label);
  return shown(label, "short");
}

void setLatinLettering(bool latin) {
  latinShown.store(latin, std::memory_order_relaxed);
}

bool latinLettering() {
  return latinShown.load(std::memory_order_relaxed);
}

}  // namespace yunuri::assets
