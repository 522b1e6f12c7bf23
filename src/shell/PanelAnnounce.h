#pragma once

#include <vector>

#include "window/Catalogue.h"

namespace yunuri {

class PanelWidget;

// Tells assistive technologies what changed after an input or a tick: the caption (spoken as the status
// line), the meter's value, the buttons that now read otherwise as checked (the core says which), the
// keyboard focus. Each does nothing while no assistive technology is listening.
void announceCaption(PanelWidget* panel);
void announceValue(PanelWidget* panel);
void announceChecked(PanelWidget* panel, const std::vector<ButtonRef>& changed);
void announceFocus(PanelWidget* panel);

}  // namespace yunuri
