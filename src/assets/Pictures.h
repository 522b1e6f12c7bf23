#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace yunuri::assets {

// Each base picture painted at its logical size onto a transparent painter (see Artwork.h for the sizes).
void paintMainPanel(QPainter& p);
// The notice dims the main panel: pass the panel already rendered at the same ratio to spare painting it
// again.
void paintNotice(QPainter& p, const QImage* mainPanel = nullptr);
void paintRemote(QPainter& p, int panel);  // Sousa(panel), 0..5
void paintPopup(QPainter& p, int popup);   // POP(popup), 0..2
void paintMeter(QPainter& p);
void paintLabel(QPainter& p, int source);  // MESd(source), 0..11

}  // namespace yunuri::assets
