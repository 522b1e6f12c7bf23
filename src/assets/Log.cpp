#include "assets/Log.h"

namespace yunuri {

Q_LOGGING_CATEGORY(lcPanel, "yunuri")

}  // namespace yunuri
