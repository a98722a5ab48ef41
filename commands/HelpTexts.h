// Gives the controls of the windows whose help line or status bar shows help sentences their
// sentences and tooltips: the main window's from its control rows, the temporary clipboard's
// from a table of its own.
#pragma once

#include "forms/Text.h"

#include <string_view>

class TempClip;
class Tolva;

namespace helpline {

struct Text {
    std::string_view window;    // the form whose help line or status bar shows the sentence
    std::string_view control;   // "Form" is the window's own surface
    forms::StringView sentence; // written into the help line on a mouse move; "" for none
    forms::StringView tooltip;  // "" for none
};

// The entry of a control of that window, or nullptr.
const Text* find(std::string_view window, std::string_view control);

// Gives each control of the window its tooltip and, unless it already has a handler of its
// own, a mouse-move handler that writes its sentence: into the help line of the main
// window, into the status bar of the temporary clipboard.
void apply(Tolva& window);
void apply(TempClip& window);

} // namespace helpline
