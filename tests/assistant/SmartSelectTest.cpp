// Smart select on the buffer and on a text box of another window, near the start of the
// page and past 40,000 characters.
#include "assistant/SmartSelect.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

constexpr forms::StringView kNoEndTag =
    u"Assistant has discovered the absence of the end-tag(>). It has been added at the end. "
    u"You may want to remove it later or alter it.";

struct Case {
    const char16_t* page;     // '|' marks the caret
    const char16_t* selected; // nullptr: the selection stays as it was
    const char16_t* after;    // the page afterwards when ">" was appended, else nullptr
    bool padded = true;       // also holds with 40,000 characters before the page
};

const Case kCases[] = {
    {u"ab<IMG S|RC=x>cd", u"<IMG SRC=x>", nullptr},
    {u"ab<IMG SRC=x>|cd", u"<IMG SRC=x>", nullptr},
    {u"x<B>wo|rd</B>", u"<B>word</B>", nullptr},
    {u"x<B>|", u"<B>", nullptr},
    {u"<HT|ML>", nullptr, nullptr, false},
    {u"<HTML> plain| text", nullptr, nullptr, false},
    {u"no tags at a|ll", nullptr, nullptr},
    {u"ab<IMG S|RC=x", nullptr, u"ab<IMG SRC=x>"},
    {u"ab<B>c|d", nullptr, u"ab<B>cd>"},
};

} // namespace

class SmartSelectTest : public ProgramTest {
protected:
    void check(const Case& c, const String& prefix) {
        Tolva& w = main();
        String page = prefix + c.page;
        auto caret = static_cast<int32_t>(page.find(u'|'));
        page.erase(static_cast<size_t>(caret), 1);
        setPage(page, caret, 2); // an existing selection's length is ignored
        SCOPED_TRACE(show(c.page));
        if (c.after)
            sp.dialogs.expectMessage(kNoEndTag, forms::vbInformation, u"Assistant: Tolva",
                                     forms::vbOK);
        run([&] { w.menu("mnusmartselect").click(); });
        if (c.after) {
            EXPECT_TEXT(prefix + c.after, w.Text1.text());
            EXPECT_EQ(w.Text1.selStart(), 0);
            EXPECT_EQ(w.Text1.selLength(), 0);
            EXPECT_TEXT(u"*", w.star);
        } else if (c.selected) {
            EXPECT_TEXT(c.selected, w.Text1.selText());
            EXPECT_EQ(w.Text1.selStart(), static_cast<int32_t>(page.find(c.selected)));
        } else {
            EXPECT_EQ(w.Text1.selStart(), caret);
            EXPECT_EQ(w.Text1.selLength(), 2);
        }
    }
};

TEST_F(SmartSelectTest, SelectsTheTagAroundTheCaretAlsoPastSixteenBitPositions) {
    for (const Case& c : kCases) {
        check(c, u"");
        if (c.padded) check(c, String(40000, u'a'));
    }
}

TEST_F(SmartSelectTest, WorksOnAnyTextBox) {
    forms::Form other(program.runtime(), "other");
    forms::TextBox box(other, "working");
    box.setText(u"<FONT face=\"Arial\">a<FONT size=3>b</FONT></FONT>");
    box.setSelStart(25);
    run([&] { smartSelect(box, program.runtime()); });
    EXPECT_TEXT(u"<FONT size=3>", box.selText());
    EXPECT_TEXT(u"", main().star) << "the buffer is not touched";
}
