#pragma once

#include <array>
#include <cstdint>

#include "state/PanelState.h"

namespace yunuri {

class Form1;

// What the picture of the lecture room shows, read from the window: nothing it does not say. Two views that
// compare equal paint the same picture, so the picture is painted again only when this changes.
struct RoomView {
  struct Side {
    // The source whose label the screen's strip shows (an index of kSources; 0 is video off).
    Byte source = 0;
    // The projector's phase byte (state/Projector.h): off, warming 1..99, on, cooling 101..199.
    Byte phase = 0;
    // False while a projector of the room file does not answer.
    bool answering = true;
    friend bool operator==(const Side&, const Side&) = default;
  };
  std::array<Side, 2> sides;  // left, right
  Byte monitorSource = 0;     // what the lectern's monitor shows
  Byte volume = 0;            // 0..100
  bool muted = false;
  friend bool operator==(const RoomView&, const RoomView&) = default;
};

RoomView ViewOf(const Form1& f);

}  // namespace yunuri
