#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
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

// The application icon at one pixel size (square), and the window icon carrying every usual size.
QImage renderIcon(int pixels);
QIcon windowIcon();

// The panel's pointers, drawn for the screen's device pixel ratio.
QCursor closedHandCursor();
QCursor pointingFingerCursor();

// The pointer drawings at a ratio, with their hot spots in logical pixels (for tests and tools).
QImage renderClosedHand(qreal devicePixelRatio);
QImage renderPointingFinger(qreal devicePixelRatio);
QPoint closedHandHotSpot();
QPoint pointingFingerHotSpot();

}  // namespace yunuri::assets
