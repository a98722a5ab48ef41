// The command box: a six-letter code typed into `tevcmd` runs its command at once.
#pragma once

#include "commands/Commands.h"
#include "forms/TextBox.h"

#include <span>
#include <string_view>

namespace forms {
class Form;
}

class CommandBox {
public:
    CommandBox(forms::Form& window, CommandRunner run);

    forms::TextBox tevcmd;

    // Compares the whole text with every code in table order, reading it afresh each time.
    void tevcmd_Change();
    // F4: empties the box and puts the caret in it.
    void mnutevcmd_Click();

    struct Code {
        forms::StringView code;
        commands::Id command;
    };
    static std::span<const Code> codes();

private:
    CommandRunner run_;
};
