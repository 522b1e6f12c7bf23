#pragma once

#include <QFont>
#include <QString>

namespace yunuri::assets {

// The Japanese gothic the panel is lettered in: MS PGothic where it exists, else its metric twin IPAPGothic,
// else Noto Sans CJK JP. When none of them (nor any other family) carries Japanese glyphs, one warning naming
// the package to install goes to standard error, once.
QString gothicFamily();

// Starts reading the system's font configuration on the painting thread and returns at once: the slowest
// step of the first letters painted, overlapped with the toolkit's own start when called before it.
void startFontWarmUp();

// The gothic at a pixel size; hinting is left to the font so small letters stay sharp at 100 %.
QFont gothic(int pixels, bool bold = false);

// A Latin face for the logo and the numerals of symbols: the gothic as well, so nothing needs a second font.
QFont logoFont(int pixels);

}  // namespace yunuri::assets
