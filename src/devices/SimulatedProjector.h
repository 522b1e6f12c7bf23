#pragma once

#include <cstddef>

#include "state/Byte.h"
#include "window/Form1.h"
#include "window/ProjectorDrive.h"

namespace yunuri {

// The demonstration room's projector: it warms up and cools down in a fixed count of ticks and takes every
// picture sent to it while it is on.
class SimulatedProjector final : public ProjectorDrive {
 public:
  void Power(Form1& f, std::size_t side, bool on) override;
  void Send(Form1& f, std::size_t side, std::size_t source) override;
  void Step(Form1& f, std::size_t side) override;
};

// The projector behind a side: the one attached, else the simulated one.
ProjectorDrive& DriveOf(Form1& f, std::size_t side);

// While a phase runs its button blinks: lit on multiples of ten, dark on values ending in five.
void BlinkPhase(Form1& f, int button, Byte value);

}  // namespace yunuri
