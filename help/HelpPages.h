// The help viewer's categories, topics and pages. Pages about a command are built from the
// command's help sentence and its place in the menu tree, so they never disagree with them.
// The guide's subjects (help/Guide) are the first category.
#pragma once

#include "commands/Controls.h"
#include "forms/Text.h"

#include <span>
#include <string_view>

namespace help {

// Between the paragraphs of a help page.
inline constexpr forms::StringView kBreak = u"\r\n\r\n";

struct Topic {
    forms::StringView title;   // as listed
    forms::StringView heading; // the page's first line
    commands::Id control;      // whose help sentence opens the prose; none for none
    forms::StringView prose;   // the rest, paragraphs separated by an empty line; may be ""
    // The menu item named in "Menu:" and "Shortcut:" when it is not the first that runs the
    // control's command.
    std::string_view menu = {};
    // A page written whole from the program's tables; the fields above then only list it.
    forms::String (*write)() = nullptr;
};

struct Category {
    std::string_view button; // the category's button
    forms::StringView caption;
    forms::StringView introduction;
    std::span<const Topic> topics;
};

std::span<const Category> categories();
forms::StringView welcome();
// The page of a topic, or nothing for a title without one.
bool page(const Topic& t, forms::String& out);
// "Options >> AutoSave (5 Seconds)": the captions from the menu bar down, without access keys.
forms::String menuPath(std::string_view item);

} // namespace help
