#pragma once

#include <array>
#include <string_view>

#include "state/Projector.h"
#include "window/Tr.h"

namespace yunuri {

// What the caption reports when a projector of the room file cannot do what was asked, or reports trouble of
// its own. Whole sentences per side, so that a translation words each as a whole.
struct ProjectorFaultCaptions {
  std::string_view noAnswer;      // nothing answered in time, or what answered was not a projector
  std::string_view refused;       // nothing listens at its address
  std::string_view password;      // the password was refused
  std::string_view command;       // the command is undefined there or out of its range
  std::string_view busy;          // still unavailable after asking again
  std::string_view failure;       // the projector reports a failure of its own
  std::string_view noInput;       // the source is wired to no input of this projector
  std::string_view answersAgain;  // after one of the three faults of the link above
  std::string_view cleared;       // its error status is fine again
  // By the error status's parts (fan, lamp, temperature, cover, filter, other).
  std::array<std::string_view, 6> warning;
  std::array<std::string_view, 6> error;
};

inline constexpr std::array<ProjectorFaultCaptions, kProjectors.size()> kProjectorFaultCaptions = {
    {{YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀから応答がありません｡"),
      YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀに接続できません｡"),
      YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがﾊﾟｽﾜｰﾄﾞを受け付けません｡"),
      YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｺﾏﾝﾄﾞを受け付けません｡"),
      YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀは今は操作を受け付けません｡"),
      YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが故障を報告しています｡"),
      YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀにはこの映像の入力がありません｡"),
      YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの応答が戻りました｡"),
      YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの異常が解消しました｡"),
      {YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾌｧﾝに注意が必要です｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが交換時期です｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの温度が高くなっています｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰに注意が必要です｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾌｨﾙﾀｰが交換時期です｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが警告を報告しています｡")},
      {YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾌｧﾝが異常です｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが異常です｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの温度が異常です｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰが開いています｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾌｨﾙﾀｰが異常です｡"),
       YUNURI_TR("Panel", "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが異常を報告しています｡")}},
     {YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀから応答がありません｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀに接続できません｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀがﾊﾟｽﾜｰﾄﾞを受け付けません｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀがｺﾏﾝﾄﾞを受け付けません｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀは今は操作を受け付けません｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが故障を報告しています｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀにはこの映像の入力がありません｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの応答が戻りました｡"),
      YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの異常が解消しました｡"),
      {YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾌｧﾝに注意が必要です｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが交換時期です｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの温度が高くなっています｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰに注意が必要です｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾌｨﾙﾀｰが交換時期です｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが警告を報告しています｡")},
      {YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾌｧﾝが異常です｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが異常です｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの温度が異常です｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰが開いています｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾌｨﾙﾀｰが異常です｡"),
       YUNURI_TR("Panel", "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが異常を報告しています｡")}}}};

}  // namespace yunuri
