// The main window's status: its caption, the caret and line labels, and the page-state
// initialisation that a new page starts with.
#include "core/Tolva.h"
#include "dialogs/PageProps.h"
#include "page/Texts.h"

using forms::String;

void Tolva::saveme_Change() {
    setCaption(page.saveme() + Captions::named);
}

String Tolva::statusCaption() const {
    return page.saveme() + u"[" + page.star + String(Captions::statusTail);
}

void Tolva::RefreshLineCount() {
    lineCount = Text1.lineCount();
}

void Tolva::showCaret() {
    String c = u"Character " + forms::number(Text1.selStart());
    Label1[0].setCaption(c);
    Label1[1].setCaption(c);
}

void Tolva::positionUpdate() {
    showCaret();
    RefreshLineCount();
    String n = u"Number of lines: " + forms::number(lineCount);
    nooflines[0].setCaption(n);
    nooflines[1].setCaption(n);
}

void Tolva::Form_Load() {
    page.resetCounters();
    assistant.assistprompt = true;
    fonts.reset();
    page.setSaveme(Captions::untitled);
    setCaption(page.saveme() + Captions::saved);
    Text1.setSelStart(97);
    Text1.setSelLength(84);
    page.star = u"";
    positionUpdate();
    page.window<PageProps>().show();
    page.star = u"";
}
