#pragma once

#include <QString>
#include <string_view>

#include "window/Tr.h"

namespace yunuri::assets {

// The context every text of the panel is translated in.
inline constexpr const char* kWordsContext = "Panel";

// What the panel shows or says for one of its Japanese texts, in the language the program has installed a
// translator for (the Japanese itself when none is). Safe on the painting thread.
QString shown(std::string_view source, const char* disambiguation = nullptr);

// The caption as the line under the panel and the spoken notification show it: `shown`, less the title and
// the blanks that begin it. The title bar, where the title names the window, keeps every caption whole.
QString shownWithoutTitle(std::string_view caption);

// A source's name where the room is small: the strips under the screens, the remote panels' captions.
QString shortName(int source);

// Whether the panel is lettered in a Latin face (a language other than Japanese is shown): the faces and the
// word spacing follow. Set by the shell when it changes language, before the pictures are painted again.
void setLatinLettering(bool latin);
bool latinLettering();

}  // namespace yunuri::assets
