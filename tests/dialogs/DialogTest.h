// Fixture for the dialog tests: the dialog opened by a command of the main window, and the page.
#pragma once

#include "commands/Commands.h"
#include "support/ProgramTest.h"

namespace testing_support {

template <class D> class DialogTest : public ProgramTest {
protected:
    D& open(const char* command) {
        Tolva& w = main();
        run([&] { commands::run(w, command); });
        return *program.loaded<D>();
    }
    template <class Control> void click(Control& c) {
        run([&] { c.click(); });
    }
    String page() { return main().Text1.text(); }
};

} // namespace testing_support
