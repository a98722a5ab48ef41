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

void ProgramTest::enter(forms::TextBox& box, StringView s) {
    run([&] {
        box.setSelStart(0);
        box.setSelLength(box.length());
    });
    typeChars(box, s);
}

void ProgramTest::expectInvalid() {
    sp.dialogs.expectMessage(u"Invalid Entry. Specify a valid number", forms::vbCritical,
                             u"Assistant: Tolva", forms::vbOK);
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
