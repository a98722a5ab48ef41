// About window: title, version and a way to the help viewer.
#include "help/About.h"

#include "help/Helpme.h"
#include "page/Page.h"
#include "page/Version.h"

About::About(Page& p) : forms::Form(p.runtime(), "frmAbout"), page(p) {
    Load = [this] { Form_Load(); };
    cmdOK.setCaption(u"OK");
    cmdOK.Click = [this] { cmdOK_Click(); };
    picthelp.setPicture("help-contents");
    picthelp.setToolTip(u"Show Help For Tolva");
    picthelp.Click = [this] { picthelp_Click(); };
    lblDescription.setCaption(u"Tolva is an editor for hand-written HTML pages. Its assistant "
                              u"completes tags as you type and offers dialogs that build "
                              u"tables, images, links, rules, lists and more.");
    lblDisclaimer.setCaption(u"Restore points, snippets and option switches live in memory "
                             u"only: save your page before you leave.");
}

void About::Form_Load() {
    setCaption(u"About " + runtime().title);
    lblTitle.setCaption(runtime().title);
    lblVersion.setCaption(versionText());
}

void About::cmdOK_Click() {
    unload();
}

void About::picthelp_Click() {
    help::open(page);
}
