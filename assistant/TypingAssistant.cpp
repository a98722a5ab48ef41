#include "assistant/TypingAssistant.h"

#include "forms/Controls.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"

TypingAssistant::TypingAssistant(forms::TextBox& buffer, forms::Runtime& runtime,
                                 commands::Runner run, forms::MenuItem& autoComplete,
                                 forms::MenuItem& assistant)
    : buffer_(buffer), runtime_(runtime), run_(std::move(run)), autoComplete_(autoComplete),
      assistant_(assistant) {}

void TypingAssistant::mnuautocorrect_Click() {
    bool on = !autoComplete_.checked();
    autoComplete_.setChecked(on);
    assistant_.setEnabled(on);
    // Switching off asks nothing and leaves the prompts as they were.
    if (!on) return;
    int r = runtime_.msgBox(
        u"Would you like to have an active assistant? That is message prompts like:       \r"
        u"This looks like an anchor tag. Would you like Tolva to assist you?    \r"
        u" - to appear? Assistant makes your job faster and safer by prompting. You can turn "
        u"them off from the options menu.",
        forms::vbYesNo + forms::vbQuestion,
        u"Would you like to have an Assistant to make your job faster and safer?");
    assistprompt = r == forms::vbYes;
    assistant_.setChecked(assistprompt);
}

void TypingAssistant::mnuassistant_Click() {
    assistant_.setChecked(!assistant_.checked());
    assistprompt = assistant_.checked();
}

void TypingAssistant::Text1_Change() {
    // Nothing is recognised yet: the table of openings is still empty.
}
