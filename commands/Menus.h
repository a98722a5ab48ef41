// The menu tree of the main window as data: read by the window to build its menu bar
// and by the help pages that list the shortcuts.
#pragma once

#include "commands/Controls.h"
#include "forms/Text.h"

#include <span>
#include <string_view>

struct MenuEntry {
    int level;               // 0 for the menu bar, 1 for its items, and so on
    std::string_view name;   // control name
    const char16_t* caption; // with the access-key ampersand; "-" for a separator
    const char* shortcut;    // "" for none
    // none for submenus, separators and switches without one.
    commands::Id command = commands::Id::none;
    bool checked = false; // initial states
    bool enabled = true;
};

std::span<const MenuEntry> menuTable();
