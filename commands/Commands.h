// Every command of the main window, keyed by the Id of the control that runs it. The button
// panel, the menu tree, the toolbar pictures, the command box and the typing assistant refer
// to commands by Id; a name is looked up only where it comes in as a string (the command
// runner handed to the parts and the dialogs).
#pragma once

#include "commands/Controls.h"
#include "forms/Platform.h"
#include "forms/Text.h"
#include "page/Page.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
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
    Own,      // a handler of its own; a window not built yet has none, and the row does nothing
};

using Action = void (*)(Tolva&);

struct Command {
    Id id;
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
    // Own.
    Action action = nullptr;
};

// How a part of the main window runs a command without knowing the window.
using Runner = CommandRunner;

// The command a control runs (its own, or that of the control it does what it does), or
// nullptr.
const Command* find(Id control);
const Command* find(std::string_view control);
// Runs a command on the main window. The program names commands by Id, checked as it
// compiles, so an unknown name is a programming error.
void run(Tolva& window, Id control);
void run(Tolva& window, std::string_view control);

// A placeholder of a fragment and what stands for it: {S} the selection, {n} a name counter,
// {C} and {R} the size of a text area, {file} a chosen file, {U} {A} {V} the parts of a
// mouse-action link.
struct Placeholder {
    forms::StringView key;
    forms::StringView text;
};
// One pass, so that a value holding something like "{n}" stays as it is.
forms::String expand(forms::StringView fragment, std::initializer_list<Placeholder> values);

} // namespace commands
