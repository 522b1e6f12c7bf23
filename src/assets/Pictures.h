#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace yunuri::assets {

// Each base picture painted at its logical size onto a transparent painter (see Artwork.h for the sizes).
void paintMainPanel(QPainter& p);
// The notice: a card over the main panel, dimmed.
void paintNotice(QPainter& p);
void paintRemote(QPainter& p, int panel);  // Sousa(panel), 0..5
void paintPopup(QPainter& p, int popup);   // POP(popup), 0..2
void paintMeter(QPainter& p);
void paintLabel(QPainter& p, int source);  // MESd(source), 0..11

}  // namespace yunuri::assets
