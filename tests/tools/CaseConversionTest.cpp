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
    {"mnuIcase", u"Hello World", u"hELLO wORLD", 1},
    {"mnuIcase", u"zZ 9! é", u"Zz 9! é", 1},
    {"mnutitlecase", u"the QUICK brown", u"The Quick Brown", 2},
    {"mnutitlecase", u"one,two", u"One,two", 2},
    {"mnutitlecase", u"a\r\nb\tc  d", u"A\r\nb\tc  D", 2},
    {"mnutitlecase", u"ÉCOLE élan", u"école élan", 2},
    {"mnusentencecase", u"end. the start.next", u"end. The start.Next", 2},
    {"mnusentencecase", u"the start", u"the start", 2},
    {"mnusentencecase", u"end.  two blanks", u"end.  two blanks", 2},
    {"mnusentencecase", u"KEEP. lower", u"KEEP. Lower", 2},
    {"mnuUcase", u"", u"", 1},
    {"mnutitlecase", u"", u"", 2},
};

} // namespace

class CaseConversionTest : public ProgramTest {
protected:
    void check(const Case& c, const String& before) {
        Tolva& w = main();
        const String after = u"]]";
        auto start = static_cast<int32_t>(before.size());
        auto length = static_cast<int32_t>(String(c.selected).size());
        setPage(before + c.selected + after, start, length);
        int changes = 0;
        auto inner = w.Text1.Change;
        w.Text1.Change = [&] {
            ++changes;
            inner();
        };
        SCOPED_TRACE(std::string(c.menuItem) + " " + show(c.selected));
        run([&] { w.menu(c.menuItem).click(); });
        w.Text1.Change = inner;
        EXPECT_TEXT(before + c.converted + after, w.Text1.text());
        EXPECT_EQ(w.Text1.selStart(), start);
        EXPECT_TEXT(c.converted, w.Text1.selText());
        EXPECT_EQ(changes, c.changes);
    }
};

TEST_F(CaseConversionTest, ConvertsTheSelectionAndKeepsItSelectedAlsoPastSixteenBitPositions) {
    for (const String& before : {String(u"Page [["), String(40000, u'.')})
        for (const Case& c : kCases)
            check(c, before);
}

TEST_F(CaseConversionTest, LongSelectionsAreConvertedWhole) {
    Tolva& w = main();
    String text;
    while (text.size() < 70000)
        text += u"ab. cd ";
    setPage(text, 0, static_cast<int32_t>(text.size()));
    run([&] { w.mnutitlecase_Click(); });
    EXPECT_EQ(w.Text1.selLength(), 70000);
    EXPECT_TEXT(u"Ab. Cd Ab. Cd ", w.Text1.mid(0, 14));
    EXPECT_TEXT(u"Ab. Cd ", w.Text1.mid(69993, 7));
}
