#pragma once

#include <vector>

#include "window/Catalogue.h"

class QWidget;

namespace yunuri {

// Tells assistive technologies what changed after an input or a tick: the caption (spoken as a
// notification), the meter's value, the buttons that now read otherwise as checked (the core says which),
// every part that came into or went out of view or now reads otherwise, and the keyboard focus. Each does
// nothing while no assistive technology is listening.
void announceCaption(QWidget* window);
void announceValue(QWidget* window, int level);
void announceChecked(QWidget* window, const std::vector<ButtonRef>& changed);
void announceChanges(QWidget* window);
void announceFocus(QWidget* window);

}  // namespace yunuri
