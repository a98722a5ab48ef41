// Smart select, and the main window's command that runs it on the document buffer.
#include "tools/SmartSelect.h"

#include "page/Page.h"
#include "page/Texts.h"

void smartSelect(forms::TextBox& box, forms::Runtime& rt) {
    int32_t s = box.selStart();
    // A "<" at offset 0 counts as none: the page's own first tag is never selected.
    int32_t p = box.rfind(u"<", s);
    if (p <= 0) return;
    // s >= 1 here; the search starts one character early so that a caret right after a
    // tag's ">" still selects that tag.
    int32_t q = box.find(u">", s - 1);
    box.setSelStart(p);
    if (q < 0) {
        rt.msgBox(u"Assistant has discovered the absence of the end-tag(>). It has been added at "
                  u"the end. You may want to remove it later or alter it.",
                  forms::vbInformation, Messages::assistant);
        box.setText(box.text() + u">");
        return;
    }
    box.setSelLength(q + 1 - p);
}

void mnusmartselect_Click(Page& w) {
    smartSelect(w.Text1, w.runtime());
}
