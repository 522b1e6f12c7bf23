#include "assets/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>
#include <cstdio>

#include "assets/PaintingThread.h"

#ifdef YUNURI_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace yunuri::assets {
namespace {

constexpr std::array<const char*, 3> kPreferredFamilies = {"MS PGothic", "IPAPGothic", "Noto Sans CJK JP"};
constexpr const char* kFontPackage = "fonts-ipafont-gothic";

bool hasJapanese(const QString& family) {
  return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

QString findFamily() {
  const QStringList families = QFontDatabase::families();
  for (const char* name : kPreferredFamilies) {
    QString family = QString::fromUtf8(name);
    if (families.contains(family) && hasJapanese(family)) return family;
  }
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    if (!QFontDatabase::isPrivateFamily(family)) return family;
  }
  std::fprintf(stderr,
               "yunuri: no Japanese font found; the panel's letters will not show. "
               "Install the package %s (IPAPGothic).\n",
               kFontPackage);
  return {};
}

}  // namespace

void startFontWarmUp() {
#ifdef YUNURI_HAVE_FONTCONFIG
  startOnPaintingThread([] { FcInit(); });
#endif
}

QString gothicFamily() {
  static const QString family = findFamily();
  return family;
}

QFont gothic(int pixels, bool bold) {
  QFont f(gothicFamily());
  f.setPixelSize(qMax(1, pixels));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

QFont logoFont(int pixels) {
  QFont f = gothic(pixels, true);
  f.setItalic(true);
  f.setLetterSpacing(QFont::AbsoluteSpacing, 0.3);
  return f;
}

}  // namespace yunuri::assets
