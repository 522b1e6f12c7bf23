#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

// How lettering is put on the device's pixel grid, shared by the fitted captions and the running text.
namespace yunuri::assets {

// The painter's scale to device pixels when it only scales evenly and moves; 0 when it turns or shears, and
// letters are then drawn as the transform says.
qreal gridScale(const QPainter& p);

// Whether a text's word spaces may be one pixel narrower on the grid.
bool tightWordSpace(const QString& text);

// The font as it is drawn on the device's grid: a whole number of device pixels, fully hinted, and black and
// white where that is sharper.
QFont onGrid(QFont font, int devicePixels, qreal scale, bool tightWords);

// Within its scope the painter draws in device pixels, from the device's top left; clipping is kept.
class DevicePixels {
 public:
  explicit DevicePixels(QPainter& p) : p_(p) {
    p_.save();
    p_.setWorldTransform(p_.deviceTransform().inverted() * p_.worldTransform());
  }
  ~DevicePixels() { p_.restore(); }
  DevicePixels(const DevicePixels&) = delete;
  DevicePixels& operator=(const DevicePixels&) = delete;

 private:
  QPainter& p_;
};

// To the nearest whole pixel, halves upwards, the same wherever the box lies.
qreal snap(qreal v);

}  // namespace yunuri::assets
