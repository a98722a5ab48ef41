// The help sentence and the tooltip of every control of the main window that has them:
// one table, applied to the window's controls and read by the views and the help pages.
#pragma once

#include "forms/Text.h"

#include <span>
#include <string_view>

class Tolva;

namespace helpline {

struct Text {
    std::string_view control;   // "Form" is the window's own surface
    forms::StringView sentence; // written into the help line on a mouse move; "" for none
    forms::StringView tooltip;  // "" for none
};

std::span<const Text> texts();
// The entry of a control, or nullptr.
const Text* find(std::string_view control);

// Gives each control of the window its tooltip and, unless it already has a handler of its
// own, a mouse-move handler that writes its sentence into the help line.
void apply(Tolva& window);

} // namespace helpline
