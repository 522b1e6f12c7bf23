#pragma once

#include <array>
#include <string_view>

#include "state/PanelState.h"
#include "window/Tr.h"

namespace yunuri {

// The phases of a projector's state byte.
inline constexpr Byte kProjectorOff = 0;
inline constexpr Byte kWarmUpStart = 1;
inline constexpr Byte kWarmUpLast = 99;
inline constexpr Byte kProjectorOn = 100;
inline constexpr Byte kCoolDownStart = 101;
inline constexpr Byte kCoolDownLast = 199;

// One projector: its state byte, its pair of buttons in the power popup and what the caption reports.
struct ProjectorSide {
  Byte PanelState::*phase;
  int onButton;
  int offButton;
  std::string_view warming;
  std::string_view cooling;
  std::string_view started;
  std::string_view stopped;
};

inline constexpr std::array<ProjectorSide, 2> kProjectors = {{
    {&PanelState::LeftProjectorState, 0, 1, YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡"),
     YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"),
     YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡"),
     YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡")},
    {&PanelState::RightProjectorState, 2, 3, YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡"),
     YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"),
     YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡"),
     YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡")},
}};

}  // namespace yunuri
