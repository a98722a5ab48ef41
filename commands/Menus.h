// The menu tree of the main window as data: read by the window to build its menu bar
// and by the help pages that list the shortcuts.
#pragma once

#include "forms/Text.h"

#include <span>
#include <string_view>

struct MenuEntry {
    int level;                // 0 for the menu bar, 1 for its items, and so on
    const char* name;         // control name
    const char16_t* caption;  // with the access-key ampersand; "-" for a separator
    const char* shortcut;     // "" for none
    std::string_view command; // "" for submenus, separators and switches without one
    bool checked = false;     // initial states
    bool enabled = true;
};

std::span<const MenuEntry> menuTable();
