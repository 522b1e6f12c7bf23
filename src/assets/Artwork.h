#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QSize>

#include "window/Picture.h"

namespace yunuri::assets {

// The logical size (window pixels) of a picture.
QSize pictureSize(Picture picture);

// Paints a picture at the given device pixel ratio: the image has size * ratio device pixels and carries the
// ratio, so it draws at its logical size. Transparent where the picture has no paint.
QImage renderPicture(Picture picture, qreal devicePixelRatio);

// The meter's text font: a Japanese gothic at 6.75 pt (9 pixels at 96 dpi).
QFont meterFont();

// The window icon.
QIcon windowIcon();

// The panel's pointers.
QCursor closedHandCursor();
QCursor pointingFingerCursor();

}  // namespace yunuri::assets
