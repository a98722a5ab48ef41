// Every command of the main window, keyed by the control that runs it. The button panel,
// the menu tree, the toolbar pictures, the command box and the typing assistant refer to
// commands by these names and run them through `run`.
#pragma once

#include "forms/Platform.h"
#include "forms/Text.h"
#include "page/Page.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

class Page;
class Tolva;
namespace forms {
class TextBox;
}

namespace commands {

enum class Kind : uint8_t {
    Wrap,     // puts fragment with {S} standing for the selection
    Toggle,   // wraps the selection in open/close, or unwraps it
    Numbered, // a form control named stem + counter; older names of that number renamed
    Typed,    // fragment arrives as typed keystrokes, after the running handler
    File,     // fragment with {file}, the name picked in the open dialog
    Own,      // a handler of its own, which may open a window
};

using Action = void (*)(Tolva&);

struct Command {
    std::string_view name;
    Kind kind;
    // Wrap, Numbered, Typed, File: the text put; Toggle: the opening tag.
    forms::StringView fragment = {};
    // Wrap, Typed: the buffer takes the focus before the selection is read.
    bool focusFirst = false;
    // Toggle: the closing tag.
    forms::StringView close = {};
    // Numbered.
    int32_t Page::*counter = nullptr;
    forms::StringView stem = {};
    // File: the message when no file was picked.
    forms::StringView noFile = {};
    int flags = forms::vbOKOnly;
    forms::StringView title = {};
    // Own. A row whose window is not built yet has none and does nothing.
    Action action = nullptr;
};

// How a part of the main window runs a command without knowing the window.
using Runner = CommandRunner;

std::span<const Command> table();
// The row of a command, or nullptr.
const Command* find(std::string_view name);
// Runs a command on the main window. Every name the program uses is in the table (a test
// walks every table that names commands), so an unknown name is a programming error.
void run(Tolva& window, std::string_view name);

} // namespace commands
