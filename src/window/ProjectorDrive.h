#pragma once

#include <cstddef>

namespace yunuri {

class Form1;

// What a handler or the tick asks of the projector behind a screen. The simulated room's projectors answer by
// themselves (devices/SimulatedProjector.h); one the room file attaches answers over the network. In both
// cases the phase byte of the state record is the panel's view of the projector, and its buttons show it.
class ProjectorDrive {
 public:
  ProjectorDrive() = default;
  virtual ~ProjectorDrive() = default;
  ProjectorDrive(const ProjectorDrive&) = delete;
  ProjectorDrive& operator=(const ProjectorDrive&) = delete;

  // ON or OFF was pressed and the phase allowed it: the phase byte already says warming up or cooling down,
  // and the pressed button is lit.
  virtual void Power(Form1& f, std::size_t side, bool on) = 0;
  // A source (its index in kSources) was sent to this projector's screen; the screen's label already shows
  // it.
  virtual void Send(Form1& f, std::size_t side, std::size_t source) = 0;
  // One 100 ms tick.
  virtual void Step(Form1& f, std::size_t side) = 0;
};

}  // namespace yunuri
