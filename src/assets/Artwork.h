#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <array>
#include <cstdint>

#include "window/Picture.h"

namespace yunuri::assets {

// The logical size (window pixels) of a picture.
QSize pictureSize(Picture picture);

// Paints a picture at the given device pixel ratio: the image has size * ratio device pixels and carries the
// ratio, so it draws at its logical size. Transparent where the picture has no paint.
QImage renderPicture(Picture picture, qreal devicePixelRatio);

// Where the notice's three paragraphs lie on its picture, in the language shown, when it is painted at
// `ratio` device pixels per logical pixel: the painter's own flow, so a screen reader finds each paragraph
// where it is seen. Opens fonts on the calling thread.
using NoticeParagraphs = std::array<QRectF, 3>;
NoticeParagraphs noticeParagraphs(qreal ratio);

// The meter's text font: a Japanese gothic at 6.75 pt (9 pixels at 96 dpi).
QFont meterFont();

// The application icon at one pixel size (square), and the window icon carrying every usual size. paintIcon
// draws it as vector shapes into the square of side `side` at the painter's origin, on any paint device.
void paintIcon(QPainter& p, qreal side);
QImage renderIcon(int pixels);
QIcon windowIcon();

// How the platform reads a pointer's hot spot. Qt's X11 backend hands it to the server as it is, beside the
// image's own pixels; the other backends read it in the pixmap's logical pixels.
enum class HotSpotUnits : std::uint8_t { ImagePixels, LogicalPixels };
HotSpotUnits platformHotSpotUnits();

// The panel's pointers for a window shown at `screenRatio` device pixels per logical pixel and zoomed by
// `zoom`: drawn at screenRatio x zoom, never enlarged, with the hot spot on the fingertip and in the fist at
// every ratio.
QCursor closedHandCursor(qreal screenRatio, qreal zoom, HotSpotUnits units = platformHotSpotUnits());
QCursor pointingFingerCursor(qreal screenRatio, qreal zoom, HotSpotUnits units = platformHotSpotUnits());

}  // namespace yunuri::assets
