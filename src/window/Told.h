#pragma once

#include <vector>

#include "state/Byte.h"
#include "window/Catalogue.h"

namespace yunuri {

class Form1;

// What a screen reader was last told of the panel's state, so that each change is told once: which buttons
// read as checked, and the meter's level and mute. A panel started again is told its differences as after
// any press, since this outlives it.
class Told {
 public:
  // The buttons that read otherwise as checked than when last asked, in the catalogue's order.
  std::vector<ButtonRef> checkedChanges(const Form1& f);
  // Whether the meter's level or mute changed since last asked.
  bool meterChanged(const Form1& f);

 private:
  std::vector<bool> checked_;  // by catalogue position
  Byte volume_ = 0;
  Byte mute_ = 0;
};

}  // namespace yunuri
