#include "assets/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>

#include "assets/Log.h"
#include "assets/PaintingThread.h"
#include "assets/Words.h"

#ifdef YUNURI_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace yunuri::assets {
namespace {

constexpr std::array<const char*, 3> kPreferredFamilies = {"MS PGothic", "IPAPGothic", "Noto Sans CJK JP"};
// Fontconfig's name for the system's sans-serif face: without a Japanese gothic, Latin letters keep a sans.
constexpr const char* kSansFallback = "sans-serif";
// Latin lettering: a face hinted for black and white at 8 to 11 pixels, with a full space between words, on
// every Debian desktop (fonts-dejavu-core). Where it is missing the toolkit substitutes a sans.
constexpr const char* kLatinFamily = "DejaVu Sans";

bool hasJapanese(const QString& family) {
  return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

struct Gothic {
  QString family;
  bool japanese = false;
};

Gothic findGothic() {
  const QStringList families = QFontDatabase::families();
  for (const char* name : kPreferredFamilies) {
    QString family = QString::fromUtf8(name);
    if (families.contains(family) && hasJapanese(family)) return {family, true};
  }
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    if (!QFontDatabase::isPrivateFamily(family)) return {family, true};
  }
  qCWarning(
      lcPanel,
      "no Japanese font found, so the panel's Japanese words cannot show; install the package %s (or %s)",
      kJapaneseFontPackage, kJapaneseFontPackageAlternative);
  return {QString::fromLatin1(kSansFallback), false};
}

// Looked up once, by whichever thread letters first.
const Gothic& lookUp() {
  static const Gothic gothic = findGothic();
  return gothic;
}

}  // namespace

void startFontWarmUp() {
#ifdef YUNURI_HAVE_FONTCONFIG
  startOnPaintingThread([] { FcInit(); });
#endif
}

QString gothicFamily() {
  return lookUp().family;
}

bool gothicHasJapanese() {
  return lookUp().japanese;
}

QFont gothic(int pixels, bool bold) {
  QFont f(latinLettering() ? QString::fromLatin1(kLatinFamily) : gothicFamily());
  f.setPixelSize(qMax(1, pixels));
  f.setBold(bold);
  f.setStyleHint(QFont::SansSerif);
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
