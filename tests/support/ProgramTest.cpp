// Program test fixture.
#include "support/ProgramTest.h"

namespace testing_support {

Tolva& ProgramTest::main() {
    Tolva* t = nullptr;
    run([&] { t = &program.window<Tolva>(); });
    return *t;
}

void ProgramTest::typeChars(forms::TextBox& box, StringView s) {
    for (char16_t c : s) {
        run([&] { box.setFocus(); });
        box.type(c);
    }
}

void ProgramTest::setPage(StringView page, int32_t selStart, int32_t selLength) {
    Tolva& w = main();
    run([&] {
        w.Text1.setText(page);
        w.Text1.setSelStart(selStart);
        w.Text1.setSelLength(selLength);
        w.Text1.setFocus();
    });
}

} // namespace testing_support
