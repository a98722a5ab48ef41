// Restore points: three named snapshots of the page, kept in memory for the run.
#include "core/Tolva.h"
#include "forms/Runtime.h"
#include "page/Texts.h"

#include <string>

using forms::String;

namespace {
std::string item(const char* kind, int n) {
    return kind + std::to_string(n);
}
} // namespace

void Tolva::createRestore(int n) {
    String fallback = u"Restore Point " + forms::number(n);
    String name =
        runtime().inputBox(u"Enter the name of the restore point", Messages::assistant, fallback);
    if (name.empty()) name = fallback;
    forms::MenuItem& create = menu(item("mnucrestore", n));
    create.setCaption(name);
    menu(item("mnurrestore", n)).setCaption(name);
    page.restorePoint[static_cast<size_t>(n)] = Text1.text();
    create.setChecked(true);
}

void Tolva::useRestore(int n) {
    const String& slot = page.restorePoint[static_cast<size_t>(n)];
    if (slot.empty()) {
        String prompt = n == 3 ? u"Restore point 3 not set, would you like to set it now?"
                               : u"Restore point not set, would you like to set it now?";
        if (runtime().msgBox(prompt, forms::vbYesNo, u"Assistant: Restore point") == forms::vbYes)
            createRestore(n);
        else
            Text1.setFocus();
        return;
    }
    if (runtime().msgBox(u"Using restore point is going to take your page back to the last time "
                         u"restore point was created. Proceed?",
                         forms::vbYesNo, u"Assistant : Confirm restore") == forms::vbYes)
        Text1.setText(slot);
    else
        Text1.setFocus();
}
