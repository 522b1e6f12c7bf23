#pragma once

#include <QColor>

#include "assets/Buttons.h"

namespace yunuri::assets {

// The colours more than one picture paints with, so that those pictures agree; a colour that only one
// drawing uses stays beside it.
namespace colour {
inline const QColor kFrame(38, 34, 32);
inline const QColor kPanelTop(244, 152, 58);
inline const QColor kPanelMid(250, 196, 120);
inline const QColor kPanelBottom(255, 243, 220);
inline const QColor kBarTop(72, 66, 62);
inline const QColor kBarBottom(34, 31, 29);
inline const QColor kCream(255, 250, 236);
inline const QColor kCreamEdge(214, 190, 150);
inline const QColor kInk(52, 40, 30);
inline const QColor kHeadingInk(255, 255, 255);
inline const QColor kHeadingBand(92, 58, 30);
inline const QColor kRedInk(200, 28, 28);
inline const QColor kLabelYellow(255, 226, 40);
inline const QColor kLabelShadow(20, 16, 10);
inline const QColor kPopupFrame(70, 70, 74);
inline const QColor kWell(70, 50, 34);
}  // namespace colour

struct ButtonColours {
  QColor light;
  QColor mid;
  QColor dark;
  QColor rim;
  QColor text;
  QColor textShadow;
};

inline ButtonColours buttonColours(Finish finish) {
  switch (finish) {
    case Finish::Blue:
      return {{96, 160, 246}, {38, 100, 212}, {22, 62, 158}, {14, 38, 98}, Qt::white, {8, 24, 70, 200}};
    case Finish::Red:
      return {{250, 110, 96}, {214, 36, 30}, {156, 16, 14}, {96, 8, 8}, Qt::white, {70, 0, 0, 200}};
    case Finish::Olive:
      return {{190, 188, 96}, {138, 136, 44}, {98, 96, 26}, {58, 56, 12}, Qt::white, {40, 38, 0, 200}};
    case Finish::Orange:
      return {{255, 196, 98}, {242, 140, 26}, {196, 96, 8}, {120, 58, 0}, Qt::white, {96, 40, 0, 200}};
    case Finish::Slate:
      return {{140, 146, 156}, {92, 98, 110}, {60, 64, 74}, {34, 36, 42}, Qt::white, {10, 12, 16, 200}};
    case Finish::Green:
      return {{150, 250, 120}, {54, 206, 54}, {22, 150, 30}, {12, 90, 18}, Qt::white, {0, 70, 6, 230}};
  }
  return buttonColours(Finish::Blue);
}

}  // namespace yunuri::assets
