// The help window's guide: one page for each subject a person looks for, written from the
// program's own tables where it has one, so that the guide and the program agree.
#pragma once

#include "help/HelpPages.h"

namespace help {

// One topic per subject, in the order listed. A new subject is a row of this table.
std::span<const Topic> guide();

// The menu path of a menu item and its shortcut, as "Options >> TevCmd (F4)".
forms::String where(std::string_view item);

} // namespace help
