#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

#include "window/RoomView.h"

// The pieces of the room's picture that show what the panel's state says, each painted where the room's
// plan (RoomPicture.cpp) puts it. Each reads the view's own fields and nothing else.
namespace yunuri::assets::room {

// Each piece in two steps: what never changes (painted once into the hall) and what the view says.

// A projector hanging from the ceiling; then its pilot lamp and its lamp's glow after its phase, and a mark
// when it does not answer.
void paintProjectorBody(QPainter& p, const QRectF& body);
void paintProjectorLamp(QPainter& p, const QRectF& body, const RoomView::Side& side);
// The words of that mark, in the language shown.
QString unansweredWords();

// The light from a projector that is on, from its lens to the top of its screen.
void paintBeam(QPainter& p, const QRectF& body, const QRectF& screen);

// A screen's surface: blank while its projector is not on, dark for no picture, else the source's drawing
// and name.
void paintScreenSurface(QPainter& p, const QRectF& surface, const RoomView::Side& side);

// The lectern's monitor on its stand; then what it shows, the monitor's source.
void paintMonitorFrame(QPainter& p, const QRectF& frame);
void paintMonitorPicture(QPainter& p, const QRectF& frame, int source);

// A speaker facing the hall; then the sound leaving it towards `outwards` (-1 left, 1 right) as loud as the
// level, or a mark that it is silent.
void paintSpeakerBox(QPainter& p, const QRectF& box);
void paintSpeakerSound(QPainter& p, const QRectF& box, int outwards, int level, bool muted);

// The card that gives the level in figures and says plainly when the room sound is off.
void paintSoundCard(QPainter& p, const QRectF& card);
void paintSoundLevel(QPainter& p, const QRectF& card, int level, bool muted);

}  // namespace yunuri::assets::room
