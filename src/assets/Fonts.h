#pragma once

#include <QFont>
#include <QString>

namespace yunuri::assets {

// The Debian packages that bring a Japanese gothic: IPAPGothic, else Noto Sans CJK JP.
inline constexpr const char* kJapaneseFontPackage = "fonts-ipafont-gothic";
inline constexpr const char* kJapaneseFontPackageAlternative = "fonts-noto-cjk";

// The Japanese gothic the panel is lettered in: MS PGothic where it exists, else its metric twin IPAPGothic,
// else Noto Sans CJK JP. When none of them (nor any other family) carries Japanese glyphs, the system's sans
// face stands in so that at least the Latin letters look as meant, and one warning naming the package to
// install goes to standard error, once. Looked up once for the whole program.
QString gothicFamily();

// Whether gothicFamily() has Japanese letters; the answer of the same lookup, never a second one.
bool gothicHasJapanese();

// Starts reading the system's font configuration on the painting thread and returns at once: the slowest
// step of the first letters painted, overlapped with the toolkit's own start when called before it.
void startFontWarmUp();

// The gothic at a pixel size, fully hinted (a Latin face instead while a language in Latin letters shows);
// the text drawing (Text.h) sets it on the device's pixels.
QFont gothic(int pixels, bool bold = false);

// A Latin face for the logo and the numerals of symbols: the gothic as well, so nothing needs a second font.
QFont logoFont(int pixels);

}  // namespace yunuri::assets
