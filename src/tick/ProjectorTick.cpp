#include "devices/SimulatedProjector.h"
#include "state/Projector.h"
#include "tick/Tick.h"

namespace yunuri {

void ProjectorTick(Form1& f) {
  for (std::size_t side = 0; side < kProjectors.size(); ++side) DriveOf(f, side).Step(f, side);
}

}  // namespace yunuri
