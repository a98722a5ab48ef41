// The main window's button groups and the dressing of its buttons: the window wires every
// button of a control row from it, and the view lays the groups out in the rows' order.
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

// In the order a person scans them: general first, special last. A group's controls are the
// control rows whose frame it is, in the rows' order.
std::span<const Group> groups();
// Captions, pictures and commands of the window's buttons, and the lists' contents.
void build(Tolva& window);

} // namespace panel
