#include "audio/Volume.h"
#include "tick/Tick.h"

namespace yunuri {

void Timer1_Timer(Form1& f) {
  if (f.Ended()) return;
  // When several steps write the caption in one tick, the last write stays: projectors report over volume.
  VolumeTick(f);
  SlideTick(f);
  ProjectorTick(f);
}

}  // namespace yunuri
