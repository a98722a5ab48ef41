#include "commands/FontGroup.h"

FontGroup::FontGroup(forms::Form& window)
    : fonter(window, "fonter"), BeginFont(window, "BeginFont"), bold(window, "bold"),
      italic(window, "italic"), Underline(window, "Underline") {}

void FontGroup::reset() {
    sizeIdle = faceIdle = colourIdle = true;
}
