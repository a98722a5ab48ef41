// Two toolbar pictures of the main window: one hides the fifteen button groups (giving
// the buffer their room) and shows them again, the other swaps the colour scheme of the
// buffer and the help line.
#pragma once

#include "forms/Control.h"

#include <vector>

namespace forms {
class MenuItem;
class TextBox;
} // namespace forms

class ToolbarToggles {
public:
    // groups: the controls hidden and shown together, the frame `General` first.
    ToolbarToggles(std::vector<forms::Control*> groups, forms::MenuItem& hider,
                   forms::TextBox& buffer, forms::TextBox& helpLine);

    // The visibility test is on the first group alone; the menu caption alternates on its
    // own, so the two agree only while nothing else hides or shows that group.
    void pictinformation_Click();
    // Each of the four colours on its own: window background becomes window frame, and
    // anything else becomes window background.
    void pictcontrast_Click();

private:
    std::vector<forms::Control*> groups_;
    forms::MenuItem& hider_;
    forms::TextBox& buffer_;
    forms::TextBox& helpLine_;
};
