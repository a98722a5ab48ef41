// The "Font Editting" group of the main window: the bold, italic and underline toggles,
// the font dialog's button and the pending-tag flags of the size, face and colour icons.
#pragma once

#include "forms/Controls.h"

namespace forms {
class Form;
}

class FontGroup {
public:
    explicit FontGroup(forms::Form& window);

    forms::Frame fonter;
    forms::Button BeginFont, bold, italic, Underline;

    // True while no opening tag of that kind waits for its closing tag.
    bool sizeIdle = true;
    bool faceIdle = true;
    bool colourIdle = true;

    // The page-state initialisation: no tag is pending.
    void reset();
};
