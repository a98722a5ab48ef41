// Auto delete: each family of the deletion table, its messages, and the same cases past
// 40,000 characters.
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

struct Case {
    const char16_t* before;  // '|' marks the caret
    const char16_t* after;   // '|' marks the caret afterwards; nullptr: the page is as it was
    const char16_t* message; // shown with vbExclamation and answered OK, or nullptr
    const char16_t* selected = nullptr; // left selected afterwards
};

const Case kCases[] = {
    // Pairs: opening and first closing go, no nesting check.
    {u"x<|B>bold</B>y", u"x|boldy", nullptr},
    {u"x<B|>a<B>b</B>c</B>", u"x|a<B>bc</B>", nullptr},
    {u"x<B|>bold", u"x|bold",
     u"Another bold tag has been found. The ending tag (if present) will remain unchanged"},
    {u"x<B|>t</b>", u"x|t</b>",
     u"Another bold tag has been found. The ending tag (if present) will remain unchanged"},
    // Unwrap: a nested opening before the closing keeps the closing.
    {u"x<S|UP>a<SUP>b</SUP>c</SUP>", u"x|a<SUP>b</SUP>c</SUP>", nullptr},
    {u"x<font color=\"red\"|>t</font>", u"x|t", nullptr},
    {u"x<A hr|ef=\"y.html\">link</A>z", u"x|linkz", nullptr},
    {u"x<P al|ign=center>a<P>b</P>", u"x|a<P>b</P>", nullptr},
    {u"x<PR|E>code", u"x|code", nullptr},
    // Elements: everything through the closing text.
    {u"x<TABLE bo|rder=1><TR><TD>a</TD></TR></TABLE>y", u"x|y", nullptr},
    {u"x<T|R><TD>a</TD></TR>y", u"x|y", nullptr},
    {u"<P><HR si|ze=2>text", u"<P>|text", nullptr},
    {u"x<TABLE bo|rder=1><TR>", nullptr, u"The </TABLE> tag is not found. Please delete manually",
     u"<TABLE border=1>"},
    {u"x<form ac|tion=a>in", nullptr, u"The </FORM> tag is not found. Please delete manually",
     u"<form action=a>"},
    // No row matches: nothing happens.
    {u"x<|b>t</b>", u"x<b>t</b>", nullptr, u"<b>"},
    {u"x<B>wo|rd</B>", u"x<B>word</B>", nullptr, u"<B>word</B>"},
    // A caret in the content of a link selects the link with its text; deleting that
    // would also take the next link's closing tag.
    {u"x<A href=y>li|nk</A> <A href=z>w</A>", u"x<A href=y>link</A> <A href=z>w</A>", nullptr,
     u"<A href=y>link</A>"},
};

} // namespace

class AutoDeleteTest : public ProgramTest {
protected:
    void check(const Case& c, const String& prefix) {
        Tolva& w = main();
        String page = prefix + c.before;
        auto caret = static_cast<int32_t>(page.find(u'|'));
        page.erase(static_cast<size_t>(caret), 1);
        setPage(page, caret);
        SCOPED_TRACE(show(c.before));
        if (c.message)
            sp.dialogs.expectMessage(c.message, forms::vbExclamation, u"Assistant: Tolva",
                                     forms::vbOK);
        run([&] { w.menu("mnuautodel").click(); });
        String after = c.after ? prefix + c.after : page;
        if (auto at = after.find(u'|'); at != String::npos) {
            after.erase(at, 1);
            EXPECT_EQ(w.Text1.selStart(), static_cast<int32_t>(at));
        }
        EXPECT_TEXT(after, w.Text1.text());
        if (c.selected) {
            EXPECT_TEXT(c.selected, w.Text1.selText());
        }
    }
};

TEST_F(AutoDeleteTest, DeletesByTheRowOfTheSelectedTagAlsoPastSixteenBitPositions) {
    for (const String& prefix : {String(), String(40000, u'a')})
        for (const Case& c : kCases)
            check(c, prefix);
}

TEST_F(AutoDeleteTest, TagWithoutEndAppendsItAndDeletesNothing) {
    Tolva& w = main();
    setPage(u"x<B t", 3);
    sp.dialogs.expectMessage(u"Assistant has discovered the absence of the end-tag(>). It has been "
                             u"added at the end. You may want to remove it later or alter it.",
                             forms::vbInformation, u"Assistant: Tolva", forms::vbOK);
    run([&] { w.mnuautodel_Click(); });
    EXPECT_TEXT(u"x<B t>", w.Text1.text());
    EXPECT_EQ(w.Text1.selLength(), 0);
}
