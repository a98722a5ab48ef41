// The typing assistant: after every change of the buffer it looks at the characters
// before the caret and completes or builds the markup they begin.
#pragma once

#include "commands/Commands.h"

namespace forms {
class MenuItem;
class Runtime;
class TextBox;
} // namespace forms

class TypingAssistant {
public:
    TypingAssistant(forms::TextBox& buffer, forms::Runtime& runtime, commands::Runner run,
                    forms::MenuItem& autoComplete, forms::MenuItem& assistant);

    // True while the assistant asks before it opens a dialog; mirrors "Assistant".
    bool assistprompt = true;

    // "Auto Complete": switches recognition, and on switching it on asks about the prompts.
    void mnuautocorrect_Click();
    // "Assistant": whether to ask first.
    void mnuassistant_Click();
    // Runs after the status refresh of every change that is not an undo or redo.
    void Text1_Change();

private:
    forms::TextBox& buffer_;
    forms::Runtime& runtime_;
    commands::Runner run_;
    forms::MenuItem& autoComplete_;
    forms::MenuItem& assistant_;
};
