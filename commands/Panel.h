// The main window's button groups: which control sits in which frame and its short
// caption. The window wires its buttons from this table and the view lays them out
// from it.
#pragma once

#include "forms/Text.h"

#include <span>
#include <string_view>

class Tolva;

namespace panel {

struct Group {
    std::string_view frame;
    forms::StringView caption;
};

struct Entry {
    std::string_view control;
    std::string_view frame; // the group it is shown in
    // False for the loose controls that sit beside the frames rather than inside one.
    bool inFrame;
    forms::StringView caption;
    // True for the buttons, whose command has the control's name; false for the lists.
    bool command = true;
    std::string_view picture = {};
};

// In the order a person scans them: general first, special last.
std::span<const Group> groups();
// Grouped by frame, in the order shown inside each group.
std::span<const Entry> entries();
// Captions, pictures and commands of the window's groups, and the lists' contents.
void build(Tolva& window);

} // namespace panel
