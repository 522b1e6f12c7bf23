#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/Layout.h"
#include "window/Picture.h"

namespace yunuri {

// A windowless image element: a rectangle on its container that shows a picture or nothing. With no picture
// it is transparent but still takes the mouse.
struct Image {
  ArrayId array;
  std::uint8_t index;
  Rect bounds;  // relative to its container
  Picture picture;
};

// A child picture box: its own picture at (0, 0), above every image of the window, clipping its children.
struct PictureBox {
  BoxId id;
  float Left;
  float Top;
  int Width;
  int Height;
  bool Visible = true;
  Picture picture;
};

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// One drawing call made on MET: a filled box between two corners, or text whose top left is at (x1, y1).
struct MeterOp {
  enum class Kind : std::uint8_t { Box, Text };
  Kind kind;
  float x1;
  float y1;
  float x2;  // Box only
  float y2;  // Box only
  Rgb color;
  std::string text;  // Text only
  friend bool operator==(const MeterOp&, const MeterOp&) = default;
};

// What has been drawn on MET since it was last cleared, in drawing order. The shell replays it over the
// meter's background picture.
struct MeterCanvas {
  float CurrentX = 0;
  float CurrentY = 0;
  Rgb ForeColor{255, 255, 255};
  std::vector<MeterOp> ops;

  void Cls() {
    ops.clear();
    CurrentX = 0;
    CurrentY = 0;
  }
  void LineBoxFilled(float x1, float y1, float x2, float y2, Rgb color) {
    ops.push_back({MeterOp::Kind::Box, x1, y1, x2, y2, color, {}});
  }
  void Print(std::string text) {
    ops.push_back({MeterOp::Kind::Text, CurrentX, CurrentY, 0, 0, ForeColor, std::move(text)});
  }
};

struct Timer {
  int Interval = 0;  // milliseconds
  bool Enabled = false;
};

// A rectangle in window coordinates that needs repainting.
struct DirtyRect {
  float left;
  float top;
  float width;
  float height;
};

}  // namespace yunuri
