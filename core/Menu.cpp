// How the main window builds its menu bar from the menu table and wires it.
#include "commands/Commands.h"
#include "commands/Menus.h"
#include "core/Tolva.h"

#include <stdexcept>
#include <string>

std::vector<std::unique_ptr<forms::MenuItem>> Tolva::buildMenu(Tolva& w) {
    std::vector<std::unique_ptr<forms::MenuItem>> items;
    std::vector<forms::MenuItem*> open; // the last item of each level
    for (const MenuEntry& e : menuTable()) {
        auto item =
            std::make_unique<forms::MenuItem>(w, std::string(e.name), e.caption, e.shortcut);
        item->setChecked(e.checked);
        item->setEnabled(e.enabled);
        open.resize(static_cast<size_t>(e.level));
        if (e.level == 0)
            w.menuBar.push_back(item.get());
        else
            open.back()->addChild(*item);
        open.push_back(item.get());
        items.push_back(std::move(item));
    }
    return items;
}

void Tolva::wireMenu() {
    size_t i = 0;
    for (const MenuEntry& e : menuTable()) {
        forms::MenuItem& item = *menuItems_[i++];
        if (e.command != commands::Id::none)
            item.Click = [this, c = e.command] { commands::run(*this, c); };
    }
}

forms::MenuItem& Tolva::menu(std::string_view name) const {
    for (const auto& item : menuItems_)
        if (item->name() == name) return *item;
    throw std::logic_error("no menu item " + std::string(name));
}
