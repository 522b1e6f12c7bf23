// The bare window painting one line of Japanese in the panel's font: the memory floor of any Japanese user
// interface in Qt (the font file, the shaper, the glyph cache, the text engine), which the panel cannot go
// below.
#include "BareWindow.h"
#include "assets/Fonts.h"

int main(int argc, char** argv) {
  return yunuri::bench::runBareWindow(argc, argv, [](QPainter& painter) {
    painter.setFont(yunuri::assets::gothic(13, true));
    painter.drawText(QPointF(20, 150), QStringLiteral("機器を選択して下さい。"));
  });
}
