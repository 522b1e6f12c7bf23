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

// While a phase runs its button blinks: lit on values ending in 0 to 4, dark on those ending in 5 to 9. Read
// from the value alone, so that a phase met midway (a real projector found warming up) blinks in step.
void BlinkPhase(Form1& f, int button, Byte value);

}  // namespace yunuri
