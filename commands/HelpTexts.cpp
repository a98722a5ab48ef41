// Help sentences and tooltips of the controls of the main window and its tool windows.
#include "commands/HelpTexts.h"

#include "commands/Controls.h"
#include "core/TempClip.h"
#include "core/Tolva.h"

#include <functional>

namespace helpline {

namespace {

// The temporary clipboard's; exact to the character, misspellings included.
const Text kTexts[] = {
    {"tempclip", "Form",
     u"Master Temporary Clipboard allows you to manage multiple clipboard data.", u""},
    {"tempclip", "fullclip",
     u"Shows preview of selected item. You may alter before pasting. Drag Drop altered text to "
     u"the Clipboard to add item.",
     u""},
    {"tempclip", "tmpcmb", u"Cipboard: Click on the item you wish to paste or view preview.", u""},
    {"tempclip", "OKButton", u"Paste the item as shown in the preview.", u""},
    {"tempclip", "CancelButton", u"Return without making any changes", u""},
    {"tempclip", "remselected", u"Remove the selected item from the temporary clipboard.", u""},
    {"tempclip", "cleartmp", u"Clear the temporary clipboard", u""},
};

} // namespace

const Text* find(std::string_view window, std::string_view control) {
    for (const Text& t : kTexts)
        if (t.window == window && t.control == control) return &t;
    return nullptr;
}

namespace {

using Write = std::function<void(forms::StringView)>;

void applyTo(forms::Form& form, std::string_view control, forms::StringView sentence,
             forms::StringView tooltip, const Write& write) {
    auto handler = [write, sentence] { write(sentence); };
    if (control == "Form") {
        if (!form.MouseMove) form.MouseMove = handler;
        return;
    }
    forms::Control* c = form.find(std::string(control));
    if (!c) return;
    if (!tooltip.empty()) c->setToolTip(tooltip);
    if (!sentence.empty() && !c->MouseMove) c->MouseMove = handler;
}

} // namespace

void apply(Tolva& w) {
    Write write = [&w](forms::StringView s) { w.helper.setText(s); };
    for (const commands::Row& r : commands::rows())
        if (!r.sentence.empty() || !r.tooltip.empty())
            applyTo(w, r.name, r.sentence, r.tooltip, write);
}

void apply(TempClip& w) {
    Write write = [&w](forms::StringView s) { w.StatusBar1.setText(s); };
    for (const Text& t : kTexts)
        applyTo(w, t.control, t.sentence, t.tooltip, write);
}

} // namespace helpline
