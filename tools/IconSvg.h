#pragma once

#include <QByteArray>

namespace yunuri::tools {

// The application icon as an SVG document, drawn by the code that paints the PNG icons, for desktops that
// scale one drawing to any size.
QByteArray iconSvg();

}  // namespace yunuri::tools
