// Master temporary clipboard window.
#include "core/TempClip.h"

#include "commands/HelpTexts.h"
#include "core/Tolva.h"
#include "page/Page.h"
#include "page/Texts.h"

TempClip::TempClip(Page& p) : forms::Form(p.runtime(), "tempclip"), page(p) {
    setCaption(u"Master Temporary Clipboard: Tolva");
    fullclip.setMultiLine(true);
    OKButton.setCaption(u"Paste Selected");
    CancelButton.setCaption(u"Cancel / Return");
    remselected.setCaption(u"Remove Selected");
    cleartmp.setCaption(u"Clear Clipboard");

    Load = [this] { Form_Load(); };
    tmpcmb.Click = [this] { tmpcmb_Click(); };
    OKButton.Click = [this] { OKButton_Click(); };
    CancelButton.Click = [this] { CancelButton_Click(); };
    remselected.Click = [this] { remselected_Click(); };
    cleartmp.Click = [this] { cleartmp_Click(); };

    helpline::apply(*this);
}

void TempClip::Form_Load() {
    // The list is this window's own: closed with its close box, the window comes back empty
    // while the main list keeps its snippets.
    StatusBar1.setText(helpline::find("tempclip", "Form")->sentence);
}

void TempClip::tmpcmb_Click() {
    fullclip.setText(tmpcmb.text());
}

void TempClip::tmpcmb_OLEDragDrop() {
    forms::String s = fullclip.selText();
    tmpcmb.addItem(s);
    page.window<Tolva>().tmpcmb.addItem(s);
}

void TempClip::OKButton_Click() {
    forms::TextBox& buffer = page.Text1;
    buffer.setSelText(buffer.selText() + fullclip.text());
    hide();
}

void TempClip::CancelButton_Click() {
    hide();
}

void TempClip::remselected_Click() {
    int i = tmpcmb.listIndex();
    if (i < 0) {
        runtime().msgBox(u"No item selected to delete", forms::vbOKOnly);
        return;
    }
    tmpcmb.removeItem(i);
    page.window<Tolva>().tmpcmb.removeItem(i);
}

void TempClip::cleartmp_Click() {
    if (runtime().msgBox(u"This will clear the temporary clipboard. Proceed?", Messages::yesNoSafe,
                         u"Confirm Clear") != forms::vbYes)
        return;
    tmpcmb.clear();
    page.window<Tolva>().tmpcmb.clear();
}
