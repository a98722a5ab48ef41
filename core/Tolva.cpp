// Main window: its construction and wiring, the page's changes as it hears them, the two
// window timers, exit and the close box.
#include "core/Tolva.h"

#include "commands/Commands.h"
#include "commands/Panel.h"
#include "dialogs/Bookeeper.h"
#include "dialogs/PageProps.h"
#include "help/About.h"
#include "help/Helpme.h"
#include "page/Texts.h"

using forms::String;
using forms::StringView;

Tolva::Tolva(Page& p)
    : forms::Form(p.runtime(), "tolva"), page(p), Text1(p.Text1), CommonDialog1(p.CommonDialog1) {
    adopt(Text1);
    Label1[0].setVisible(false);
    nooflines[0].setVisible(false);
    helper.setFontName(u"Courier New");
    helper.setLocked(true);
    tmpcmb.setText(u"Temporary Clipboard");
    tmpcmb.setToolTip(u"Drag-drop text from the editor into the temporary clipboard. You can "
                      u"select text to paste, or press F2 to paste text");
    mastertmpclip.setCaption(u"More....");
    Frame1.setCaption(u"Temporary Clipboard");
    pictprev.setVisible(false);

    wire();
    wireMenu();
    panel::build(*this);
}

Tolva::~Tolva() = default;

void Tolva::wire() {
    Load = [this] { Form_Load(); };
    Activate = [this] { Form_Activate(); };
    // A change heard while a handler is waiting on a dialog is asked about later, at the
    // next activation, never over that dialog.
    page.disk.onNews = [this] {
        if (!runtime().running()) runtime().invoke([this] { askAboutDisk(); });
    };
    Click = [this] { Form_Click(); };
    MouseMove = [this] { helper.setText(Captions::ready); };
    QueryUnload = [this](bool& cancel) { Form_Unload(cancel); };
    pageEvents_ = page.listen([this](Page::Event e, StringView path) { pageEvent(e, path); });
    Text1.KeyDown = [this](int, int) { positionUpdate(); };
    Text1.KeyUp = [this](int, int) { positionUpdate(); };
    Text1.LineCountChanged = [this] { positionUpdate(); };
    Text1.Click = [this] { Text1_Click(); };
    Text1.MouseMove = [this] { helper.setText(Captions::ready); };
    tmpcmb.Click = [this] { tmpcmb_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer3.Tick = [this] { Timer3_Timer(); };
}

CommandRunner Tolva::runner() {
    return [this](std::string_view name) { commands::run(*this, name); };
}

// --- changes, clicks and activation ---------------------------------------------------------

void Tolva::pageEvent(Page::Event e, StringView) {
    switch (e) {
    case Page::Event::Changed:
        Text1_Change();
        break;
    case Page::Event::Renamed:
        saveme_Change();
        break;
    case Page::Event::Modified:
        setCaption(statusCaption());
        break;
    case Page::Event::Saved:
    case Page::Event::Replaced:
    case Page::Event::Cleared:
    case Page::Event::Closed:
        break;
    }
}

void Tolva::Text1_Change() {
    // The status refresh runs first on every change, whatever the Options say.
    markModified();
    commandBox.tevcmd.setText(u"");
    positionUpdate();
    // Undo and redo refresh the status like any change, but the assistant must not react
    // to text the user is taking back.
    if (Text1.undoing()) return;
    assistant.Text1_Change();
    if (auto* p = page.loaded<PageProps>(); p && p->visible()) p->bringForward();
}

void Tolva::Form_Activate() {
    askAboutDisk();
}

void Tolva::Text1_Click() {
    showCaret();
    Form_Click();
}

void Tolva::Form_Click() {
    // Brought forward, not activated: a click in the page leaves the keyboard there.
    if (auto* b = page.loaded<Bookeeper>(); b && b->visible()) b->bringForward();
    if (auto* p = page.loaded<PageProps>(); p && p->visible()) p->bringForward();
}

// --- timers -----------------------------------------------------------------------------------

void Tolva::Timer3_Timer() {
    // Raised over the page, not activated: the first keys typed after start-up belong to
    // the page.
    page.window<PageProps>().bringForward();
    Timer3.setEnabled(false);
}

void Tolva::mnuautosave_Click() {
    mnuautosave.setChecked(!mnuautosave.checked());
    Timer1.setEnabled(mnuautosave.checked());
}

void Tolva::Timer1_Timer() {
    // A tick while a save dialog is still open would stack a second one on top.
    if (CommonDialog1.showing()) return;
    savePage(true);
    askAboutDisk();
}

// --- shutdown ----------------------------------------------------------------------------------

void Tolva::exit_Click() {
    if (page.star == u"*") {
        int r = runtime().msgBox(Messages::exitUnsaved, Messages::yesNoSafe,
                                 u"Assistant: Tolva - Reminder to save");
        if (r != forms::vbYes) return;
    }
    // The user's answer: the recovery copy goes with the page.
    page.close();
    runtime().end();
}

void Tolva::Form_Unload(bool& cancel) {
    if (page.star == u"*") {
        int r = runtime().msgBox(Messages::exitUnsaved, Messages::yesNoSafe, u"Reminder to save");
        if (r == forms::vbNo) {
            cancel = true;
            return;
        }
    }
    page.close();
    runtime().end();
}

void Tolva::about_Click() {
    page.window<About>().show();
}

void Tolva::helpa_Click() {
    help::open(page);
}
