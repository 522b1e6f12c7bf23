#pragma once

#include <cstdio>
#include <cstdlib>

#include "state/PanelState.h"

namespace yunuri {

// Byte arithmetic that refuses to wrap. No path of the panel leaves 0..255; if one ever does, debug and test
// builds stop at once with the offending values instead of carrying a wrapped counter on.
inline Byte byteAdd(Byte value, int delta) {
  const int result = static_cast<int>(value) + delta;
  if (result < 0 || result > 255) {
#ifndef NDEBUG
    std::fprintf(stderr, "yunuri: byte overflow: %d %+d\n", static_cast<int>(value), delta);
    std::abort();
#else
    return result < 0 ? Byte{0} : Byte{255};
#endif
  }
  return static_cast<Byte>(result);
}

}  // namespace yunuri
