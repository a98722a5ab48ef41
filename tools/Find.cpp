// The main window's find commands: Find, Find Next (F3) with its own position, and Replace.
#include "page/Page.h"
#include "tools/FindReplace.h"

#include <algorithm>

using forms::String;

namespace {

void selectfound(Page& w) {
    w.Text1.setFocus();
    w.Text1.setSelStart(decimalValue(w.varfinder) - 1);
    w.Text1.setSelLength(w.findNextLength);
}

} // namespace

void mnufind_Click(Page& w) {
    w.varfinder = forms::number(w.Text1.selStart());
    FindReplace& f = w.window<FindReplace>();
    f.txtfind.setText(w.Text1.selText());
    f.show();
}

void mnuReplace_Click(Page& w) {
    FindReplace& f = w.window<FindReplace>();
    f.show();
    f.openreplace();
}

void mnufindnext_Click(Page& w) {
    FindReplace& f = w.window<FindReplace>();
    if (f.txtfind.text().empty()) return;
    // F3 selects what it searched for: the window's last search length may belong to an
    // older search text, or be missing when the window never searched.
    w.findNextLength = std::min(static_cast<int32_t>(f.txtfind.text().size()), kMaxSearchSelection);
    w.varfinder = forms::number(f.search(decimalValue(w.varfinder)));
    if (w.varfinder == u"0") {
        w.runtime().msgBox(u"search complete", forms::vbOKOnly);
        w.Text1.setFocus();
        return;
    }
    selectfound(w);
}
