#pragma once

#include <array>
#include <string_view>

#include "state/Projector.h"
#include "window/Tr.h"

namespace yunuri {

// What the caption reports as each projector of kProjectors changes phase.
struct ProjectorCaptions {
  std::string_view warming;
  std::string_view cooling;
  std::string_view started;
  std::string_view stopped;
};

inline constexpr std::array<ProjectorCaptions, kProjectors.size()> kProjectorCaptions = {{
    {YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡"),
     YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"),
     YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡"),
     YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡")},
    {YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡"),
     YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"),
     YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡"),
     YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡")},
}};

// What a send to a screen reports while its projector is not fully on.
inline constexpr std::array<std::string_view, kProjectors.size()> kProjectorNotOn = {
    YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡"),
    YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡"),
};

}  // namespace yunuri
