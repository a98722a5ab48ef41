// The five case rules on the selection, the selection they leave, and their changes.
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

struct Case {
    const char* menuItem;
    const char16_t* selected;
    const char16_t* converted;
    int changes;
};

const Case kCases[] = {
    {"mnuLcase", u"<B>Hello ÉCOLE</B>", u"<b>hello école</b>", 1},
    {"mnuUcase", u"<b>hello école</b>", u"<B>HELLO ÉCOLE</B>", 1},
    // Past ASCII each letter takes the platform's mapping, and a letter without a pair stays.
    {"mnuLcase", u"ŁÓDŹ ΑΒΓ ДОМ Ÿ ×", u"łódź αβγ дом ÿ ×", 1},
    {"mnuUcase", u"łódź αβγ дом ÿ ß µ ÷", u"ŁÓDŹ ΑΒΓ ДОМ Ÿ ß µ ÷", 1},
    {"mnuIcase", u"Hello World", u"hELLO wORLD", 1},
    {"mnutitlecase", u"the QUICK brown", u"The Quick Brown", 2},
    {"mnutitlecase", u"a\r\nb\tc  d", u"A\r\nb\tc  D", 2},
    {"mnusentencecase", u"end. the start.next", u"end. The start.Next", 2},
    {"mnutitlecase", u"", u"", 2},
};

} // namespace

class CaseConversionTest : public ProgramTest {};

TEST_F(CaseConversionTest, ConvertsTheSelectionAndKeepsItSelectedAlsoPastSixteenBitPositions) {
    Tolva& w = main();
    int changes = 0;
    auto inner = w.Text1.Change;
    w.Text1.Change = [&] {
        ++changes;
        inner();
    };
    for (const String& before : {String(u"Page [["), String(40000, u'.')})
        for (const Case& c : kCases) {
            auto start = static_cast<int32_t>(before.size());
            setPage(before + c.selected + u"]]", start,
                    static_cast<int32_t>(String(c.selected).size()));
            SCOPED_TRACE(std::string(c.menuItem) + " " + show(c.selected));
            changes = 0;
            run([&] { w.menu(c.menuItem).click(); });
            EXPECT_TEXT(before + c.converted + u"]]", w.Text1.text());
            EXPECT_EQ(w.Text1.selStart(), start);
            EXPECT_TEXT(c.converted, w.Text1.selText());
            EXPECT_EQ(changes, c.changes);
        }
    w.Text1.Change = inner;
}
