// The program's start, with a page perhaps or the text of a run that died, and its end:
// the windows go before the page.
#include "core/Program.h"

#include "commands/Commands.h"
#include "core/Splash.h"
#include "core/Tolva.h"
#include "page/Page.h"
#include "page/Recovery.h"
#include "page/Texts.h"

#include <utility>

namespace {

// The copy's text becomes the page, modified, under the copy's name, as that file's page.
void takeBack(Tolva& w, const recovery::Copy& copy) {
    Page& page = w.page;
    page.Text1.setText(copy.text);
    page.pageFormat = copy.format;
    page.setSaveme(copy.name);
    bool named = copy.name != Captions::untitled;
    // Saving asks no more than after an open: the file as it is now is the one written over.
    if (named)
        page.disk.follow(copy.name, page.disk.stampOf(copy.name));
    else
        page.disk.stop();
    w.preview.setEnabled(named);
    w.pictprev.setVisible(named);
    page.Text1.setSelStart(copy.selStart);
    page.Text1.setSelLength(copy.selLength);
    w.markModified();
}

} // namespace

Program::Program(forms::Platform& platform)
    : runtime_(platform), windows_(runtime_), page_(std::make_unique<Page>(runtime_, windows_)),
      recovery_(std::make_unique<Recovery>(*page_)) {
    page_->command = [this](std::string_view name) { commands::run(window<Tolva>(), name); };
}

// The windows go before the page they edit.
Program::~Program() {
    windows_.tearDown();
}

void Program::launch() {
    runtime_.invoke([this] {
        if (!pageAtStart.empty()) {
            // Named on the command line, by hand or by a file manager: the person asked
            // for the page, not a greeting.
            window<Tolva>().show();
            openWhatWasAsked();
            return;
        }
        Splash& splash = window<Splash>();
        splash.proceeded = [this] { openWhatWasAsked(); };
        splash.show();
    });
}

void Program::openWhatWasAsked() {
    if (offerRecovery() && !pageAtStart.empty()) {
        runtime_.msgBox(u"Tolva edits one page at a time, so " + pageAtStart +
                            u" was not opened: the recovered text is open.",
                        forms::vbInformation);
        pageAtStart.clear();
        otherPagesAtStart = 0;
    }
    openPageAtStart();
}

void Program::openPageAtStart() {
    // Taken, not read: a second way out of the splash must not open the page again.
    forms::String page = std::exchange(pageAtStart, {});
    int others = std::exchange(otherPagesAtStart, 0);
    if (page.empty()) return;
    Tolva& main = window<Tolva>();
    main.openPage(page);
    if (others == 1)
        runtime_.msgBox(u"Tolva edits one page at a time, so the second page named was not opened.",
                        forms::vbInformation);
    else if (others > 1)
        runtime_.msgBox(u"Tolva edits one page at a time, so the other " + forms::number(others) +
                            u" pages named were not opened.",
                        forms::vbInformation);
    main.Text1.setFocus();
}

bool Program::offerRecovery() {
    auto left = recovery_->leftBehind();
    for (auto& copy : left) {
        int r = runtime_.msgBox(u"Tolva was closed without saving " + copy.copy.name +
                                    u". Recover the unsaved text?",
                                forms::vbYesNo + forms::vbQuestion);
        if (r != forms::vbYes) {
            recovery_->discard(std::move(copy));
            continue;
        }
        Tolva& main = window<Tolva>();
        takeBack(main, copy.copy);
        recovery_->adopt(std::move(copy));
        main.Text1.setFocus();
        // The copies not asked about stay for the next start.
        return true;
    }
    return false;
}
