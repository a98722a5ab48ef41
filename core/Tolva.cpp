// Main window: the document buffer's status fields, page-state initialisation, the two
// window timers, exit and the close box.
#include "core/Tolva.h"

#include "commands/Bookeeper.h"
#include "core/About.h"
#include "core/InitialPage.h"
#include "core/Program.h"
#include "dialogs/PageProps.h"

using forms::String;
using forms::StringView;

namespace {
constexpr StringView kStatusTail = u"]: Tolva -By Quendry";
constexpr StringView kReady = u"Ready: Tolva-by Quendry";
} // namespace

String initialPage() {
    String page = u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n"
                  u"<HTML>\r\n"
                  u"<HEAD>\r\n"
                  u"\t<TITLE>My web page!</TITLE>\r\n"
                  u"</HEAD>\r\n"
                  u"<body  text=\"black\" bgcolor=\"white\" link=\"blue\" vlink=\"red\" "
                  u"alink=\"maroon\">\r\n";
    for (int i = 0; i < 27; ++i)
        page += u"\r\n";
    page += u"</BODY>\r\n"
            u"</HTML>\r\n"
            u"\r\n"
            u"\t\t<!--This page has been created by using Quendry's Tolva--> \r\n";
    return page;
}

Tolva::Tolva(Program& p) : forms::Form(p.runtime(), "tolva"), program(p) {
    Text1.setMultiLine(true);
    Text1.setText(initialPage());
    attempt.setMultiLine(true);
    attempt.setText(initialPage());
    attempt.setVisible(false);
    Label1[0].setVisible(false);
    nooflines[0].setVisible(false);
    helper.setFontName(u"Courier New");
    helper.setLocked(true);
    tevcmd.setMaxLength(6);
    tmpcmb.setText(u"Temporary Clipboard");
    tmpcmb.setToolTip(u"Drag-drop text from the editor into the temporary clipboard. You can "
                      u"select text to paste, or press F2 to paste text");
    mastertmpclip.setCaption(u"More....");
    Frame1.setCaption(u"Temporary Clipboard");
    pictprev.setVisible(false);

    struct Pict {
        forms::Button& b;
        const char* icon;
        const char16_t* caption;
    };
    for (const Pict& p :
         {Pict{pictnew, "document-new", u"New"}, Pict{pictopen, "document-open", u"Open"},
          Pict{pictsave, "document-save", u"Save"},
          Pict{pictsaveas, "document-save-as", u"Save As"},
          Pict{pictprev, "document-print-preview", u"Preview"},
          Pict{pictrest, "bookmark-new", u"Set Restore 1"},
          Pict{picturest, "edit-undo", u"Use Restore 1"},
          Pict{pictrefresh, "view-refresh", u"Refresh"},
          Pict{pictinformation, "view-fullscreen", u"Hide/Show"},
          Pict{pictcontrast, "color-management", u"Contrast"},
          Pict{picthelpfile, "help-contents", u"Help"}}) {
        p.b.setPicture(p.icon);
        p.b.setCaption(p.caption);
    }

    wire();
    wireMenu();
    buildTagCommands();
}

Tolva::~Tolva() = default;

void Tolva::wire() {
    Load = [this] { Form_Load(); };
    Click = [this] { Form_Click(); };
    MouseMove = [this] { Form_MouseMove(); };
    QueryUnload = [this](bool& cancel) { Form_Unload(cancel); };
    Text1.Change = [this] { Text1_Change(); };
    Text1.KeyDown = [this](int, int) { Text1_KeyDown(); };
    Text1.KeyUp = [this](int, int) { Text1_KeyUp(); };
    Text1.Click = [this] { Text1_Click(); };
    Text1.MouseMove = [this] { Text1_MouseMove(); };
    tevcmd.Change = [this] { tevcmd_Change(); };
    tmpcmb.Click = [this] { tmpcmb_Click(); };
    mastertmpclip.Click = [this] { mastertmpclip_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer3.Tick = [this] { Timer3_Timer(); };
    pictnew.Click = [this] { pictnew_Click(); };
    pictopen.Click = [this] { pictopen_Click(); };
    pictsave.Click = [this] { pictsave_Click(); };
    pictsaveas.Click = [this] { pictsaveas_Click(); };
    pictprev.Click = [this] { pictprev_Click(); };
    pictrest.Click = [this] { pictrest_Click(); };
    picturest.Click = [this] { picturest_Click(); };
    pictrefresh.Click = [this] { pictrefresh_Click(); };
    pictinformation.Click = [this] { pictinformation_Click(); };
    pictcontrast.Click = [this] { pictcontrast_Click(); };
    picthelpfile.Click = [this] { picthelpfile_Click(); };
}

// --- status ---------------------------------------------------------------------------------

void Tolva::setSaveme(StringView path) {
    if (saveme_ == path) return;
    saveme_ = String(path);
    saveme_Change();
}

void Tolva::saveme_Change() {
    setCaption(saveme_ + u":  Tolva - by Quendry");
}

String Tolva::statusCaption() const {
    return saveme_ + u"[" + star + String(kStatusTail);
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

void Tolva::Text1_Change() {
    // The status refresh runs first on every change, whatever the Options say.
    star = u"*";
    tevcmd.setText(u"");
    setCaption(statusCaption());
    positionUpdate();
    // Undo and redo refresh the status like any change, but the assistant must not react
    // to text the user is taking back.
    if (Text1.undoing()) return;
    // The typing assistant joins here.
}

void Tolva::Text1_KeyDown() {
    positionUpdate();
}
void Tolva::Text1_KeyUp() {
    positionUpdate();
}

void Tolva::Text1_Click() {
    showCaret();
    Form_Click();
}

void Tolva::Form_Click() {
    if (auto* b = program.bookeeperIfLoaded(); b && b->visible()) b->show();
    if (auto* p = program.pagepropsIfLoaded(); p && p->visible()) p->bringForward();
}

void Tolva::Form_MouseMove() {
    helper.setText(kReady);
}
void Tolva::Text1_MouseMove() {
    helper.setText(kReady);
}

// --- start-up ---------------------------------------------------------------------------------

void Tolva::Form_Load() {
    firstPreview = true;
    buttonNo = checkboxNo = radioNo = textboxNo = passNo = submitNo = resetNo = browseNo = formNo =
        pulldownNo = selectorNo = areaNo = fileNo = 1;
    assistprompt = true;
    sizeIdle = faceIdle = colourIdle = true;
    setSaveme(u"Untitled");
    setCaption(saveme_ + u"[]: Tolva -By Quendry");
    Text1.setSelStart(97);
    Text1.setSelLength(84);
    star = u"";
    positionUpdate();
    program.pageprops().show();
    star = u"";
}

void Tolva::Timer3_Timer() {
    // Raised over the page, not activated: the first keys typed after start-up belong to
    // the page.
    program.pageprops().bringForward();
    Timer3.setEnabled(false);
}

void Tolva::mnuautosave_Click() {
    mnuautosave.setChecked(!mnuautosave.checked());
    Timer1.setEnabled(mnuautosave.checked());
}

void Tolva::Timer1_Timer() {
    // A tick while a save dialog is still open would stack a second one on top.
    if (CommonDialog1.showing()) return;
    save_Click();
}

// --- shutdown ----------------------------------------------------------------------------------

void Tolva::exit_Click() {
    if (star == u"*") {
        int r = runtime().msgBox(u"Are you sure you want to exit without saving?", 292,
                                 u"Assistant: Tolva - Reminder to save");
        if (r == forms::vbYes) runtime().end();
        return;
    }
    runtime().end();
}

void Tolva::Form_Unload(bool& cancel) {
    if (star == u"*") {
        int r = runtime().msgBox(u"Are you sure you want to exit without saving?", 292,
                                 u"Reminder to save");
        if (r == forms::vbNo) {
            cancel = true;
            return;
        }
    }
    runtime().end();
}

void Tolva::about_Click() {
    program.frmAbout().show();
}

// --- toolbar pictures --------------------------------------------------------------------------

void Tolva::pictnew_Click() {
    new_Click();
}
void Tolva::pictopen_Click() {
    open_Click();
}
void Tolva::pictsave_Click() {
    save_Click();
}
void Tolva::pictsaveas_Click() {
    saveas_Click();
}
void Tolva::pictprev_Click() {
    preview_Click();
}
void Tolva::pictrest_Click() {
    mnucrestore1_Click();
}
void Tolva::picturest_Click() {
    mnurrestore1_Click();
}
// Repainting is the view's business; the model has nothing to change.
void Tolva::pictrefresh_Click() {}
