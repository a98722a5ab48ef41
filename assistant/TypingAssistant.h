// The typing assistant: after every change of the buffer it looks at the characters
// before the caret and completes or builds the markup they begin.
#pragma once

#include "page/Page.h"

#include <span>
#include <string_view>

namespace forms {
class MenuItem;
class Runtime;
class TextBox;
} // namespace forms

class TypingAssistant {
public:
    TypingAssistant(forms::TextBox& buffer, forms::Runtime& runtime, CommandRunner run,
                    forms::MenuItem& autoComplete, forms::MenuItem& assistant);

    // True while the assistant asks before it opens a dialog; mirrors "Assistant".
    bool assistprompt = true;

    // "Auto Complete": switches recognition, and on switching it on asks about the prompts.
    void mnuautocorrect_Click();
    // "Assistant": whether to ask first.
    void mnuassistant_Click();
    // Tries every row of the table on the text before the caret. Runs after the status
    // refresh of every change that is not an undo or redo.
    void Text1_Change();

    // What a row does to the buffer, in order.
    struct Op {
        enum Kind : uint8_t {
            None,
            Insert,     // text at the caret
            Back,       // caret n left
            Forward,    // caret n right
            SelectBack, // the n characters before the caret become the selection
            Type,       // text queued as keystrokes, after the handler returns
            Remove,     // the n characters before the caret vanish
            Run,        // the command of that name
        } kind = None;
        forms::StringView text = {};
        int n = 0;
        std::string_view command = {};
    };
    struct Row {
        forms::StringView pattern; // exactly the text before the caret, case included
        forms::StringView prompt;  // asked first (when assistprompt); "" for none
        Op ops[3];
    };
    // In the order they are tried: all of them, on every change.
    static std::span<const Row> rows();

private:
    void react(const Row& row);

    forms::TextBox& buffer_;
    forms::Runtime& runtime_;
    CommandRunner run_;
    forms::MenuItem& autoComplete_;
    forms::MenuItem& assistant_;
};
