// The main window's find commands: Find, Find Next (F3) with its own position, and Replace.
#include "core/Program.h"
#include "core/Tolva.h"
#include "tools/FindReplace.h"

#include <algorithm>

using forms::String;

void Tolva::mnufind_Click() {
    varfinder = forms::number(Text1.selStart());
    FindReplace& f = program.window<FindReplace>();
    f.txtfind.setText(Text1.selText());
    f.show();
}

void Tolva::mnuReplace_Click() {
    FindReplace& f = program.window<FindReplace>();
    f.show();
    f.openreplace();
}

void Tolva::mnufindnext_Click() {
    FindReplace& f = program.window<FindReplace>();
    if (f.txtfind.text().empty()) return;
    // F3 selects what it searched for: the window's last search length may belong to an
    // older search text, or be missing when the window never searched.
    findNextLength_ = std::min(static_cast<int32_t>(f.txtfind.text().size()), kMaxSearchSelection);
    varfinder = forms::number(f.search(decimalValue(varfinder)));
    if (varfinder == u"0") {
        runtime().msgBox(u"search complete", forms::vbOKOnly);
        Text1.setFocus();
        return;
    }
    selectfound();
}

void Tolva::selectfound() {
    Text1.setFocus();
    Text1.setSelStart(decimalValue(varfinder) - 1);
    Text1.setSelLength(findNextLength_);
}
