// The platform clipboard commands and the main window's side of the temporary clipboard.
#include "core/TempClip.h"
#include "core/Tolva.h"
#include "page/Page.h"

using forms::String;
using forms::StringView;

// --- platform clipboard ---------------------------------------------------------------

void Tolva::mnucopy_Click() {
    if (Text1.selLength() == 0) return;
    forms::Clipboard& clip = runtime().platform().clipboard;
    clip.clear();
    clip.setText(Text1.selText());
    Text1.setFocus();
}

void Tolva::mnucut_Click() {
    if (Text1.selLength() == 0) return;
    forms::Clipboard& clip = runtime().platform().clipboard;
    clip.clear();
    clip.setText(Text1.selText());
    Text1.setSelText(u"");
    Text1.setFocus();
}

void Tolva::mnupaste_Click() {
    Text1.setSelText(runtime().platform().clipboard.text());
}

void Tolva::mnuselectall_Click() {
    Text1.setFocus();
    // One selection change, not a caret move and then a selection: on a long page the
    // view would otherwise scroll to the top and back to the end.
    Text1.select(0, 0);
    Text1.setSelLength(Text1.length());
}

void Tolva::mnuslowpaste_Click() {
    mnuslowpaste.setChecked(!mnuslowpaste.checked());
}

// --- temporary clipboard ----------------------------------------------------------------

void Tolva::addSnippet(StringView s) {
    tmpcmb.addItem(s);
    // A master window that was closed comes back, empty but for this snippet.
    page.window<TempClip>().tmpcmb.addItem(s);
}

void Tolva::mnucopytotemp_Click() {
    addSnippet(Text1.selText());
}

// What was dropped is not read: the buffer's selection is what was dragged.
void Tolva::tmpcmb_OLEDragDrop() {
    addSnippet(Text1.selText());
}

void Tolva::tmpcmb_Click() {
    Text1.setFocus();
    if (mnuslowpaste.checked())
        runtime().sendKeys(tmpcmb.text());
    else
        Text1.setSelText(tmpcmb.text());
}

void Tolva::mnupastetmp_Click() {
    tmpcmb_Click();
}

void Tolva::mnutmprem_Click() {
    page.window<TempClip>().show();
    runtime().msgBox(u"Select item to be deleted and remove", forms::vbOKOnly);
}

void Tolva::mnucleartemp_Click() {
    if (runtime().msgBox(u"This will clear the temporary clipboard. Proceed",
                         forms::vbYesNo + forms::vbQuestion, u"Assistant: Tolva") != forms::vbYes) {
        Text1.setFocus();
        return;
    }
    // The master window keeps its snippets; the two lists no longer pair up by position.
    tmpcmb.clear();
}

void Tolva::mnuMaster_Click() {
    page.window<TempClip>().show();
}
