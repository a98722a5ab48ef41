// The program's start, with a page perhaps, and its end: the windows go before the page.
#include "core/Program.h"

#include "commands/Commands.h"
#include "core/Splash.h"
#include "core/Tolva.h"
#include "page/Page.h"

#include <utility>

Program::Program(forms::Platform& platform)
    : runtime_(platform), windows_(runtime_), page_(std::make_unique<Page>(runtime_, windows_)) {
    page_->command = [this](std::string_view name) { commands::run(window<Tolva>(), name); };
}

// The windows go before the page they edit.
Program::~Program() {
    windows_.tearDown();
}

void Program::start() {
    runtime_.invoke([this] {
        Splash& splash = window<Splash>();
        splash.proceeded = [this] { openPageAtStart(); };
        splash.show();
    });
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
