// Window unloading at the end, and the start of the program with a page, perhaps.
#include "core/Program.h"

#include <utility>

Program::Program(forms::Platform& platform) : runtime_(platform) {}

Program::~Program() {
    windows::forEach([this]<class W>() { std::get<std::unique_ptr<W>>(slots_).reset(); });
}

void Program::start() {
    runtime_.invoke([this] { window<Splash>().show(); });
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
