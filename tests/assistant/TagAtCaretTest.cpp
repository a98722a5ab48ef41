// The tag around the caret where the golden folders cannot reach: smart select and auto
// delete past 40,000 characters, smart select on another window's text box, and smart
// correct reading the tag back into its dialog.
#include "dialogs/Fonty.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "support/ProgramTest.h"
#include "tools/SmartSelect.h"

using namespace testing_support;
using forms::String;

namespace {

struct Case {
    const char16_t* before;  // '|' marks the caret
    const char16_t* after;   // '|' marks the caret (or the selection's start) afterwards
    const char16_t* message; // shown and answered OK, or nullptr
};

// Smart select: after is the selection, or the page when ">" was appended.
const Case kSelect[] = {
    {u"ab<IMG S|RC=x>cd", u"<IMG SRC=x>", nullptr},
    {u"ab<B>c|d", u"ab<B>cd>",
     u"Assistant has discovered the absence of the end-tag(>). It has been added at the end. "
     u"You may want to remove it later or alter it."},
};

// Auto delete: each way of the deletion table to find and remove the closing.
const Case kDelete[] = {
    {u"x<B|>a<B>b</B>c</B>", u"x|a<B>bc</B>", nullptr},
    {u"x<B|>t</b>", u"x|t</b>",
     u"Another bold tag has been found. The ending tag (if present) will remain unchanged"},
    {u"x<TABLE bo|rder=1><TR><TD>a</TD></TR></TABLE>y", u"x|y", nullptr},
    {u"x<form ac|tion=a>in", u"x|<form action=a>in",
     u"The </FORM> tag is not found. Please delete manually"},
};

class TagAtCaretTest : public ProgramTest {
protected:
    Tolva& w = main();
    // Puts the page with the caret where '|' is, runs the command and answers its message.
    void place(const String& page, const Case& c, int flags, const char* command) {
        String text = page;
        auto caret = text.find(u'|');
        text.erase(caret, 1);
        setPage(text, static_cast<int32_t>(caret), 2); // an existing selection's length is ignored
        if (c.message) sp.dialogs.expectMessage(c.message, flags, u"Assistant: Tolva", forms::vbOK);
        run([&] { w.menu(command).click(); });
    }
    // The page expected with '|' at the expected caret.
    void expectPage(const String& page) {
        auto caret = page.find(u'|');
        EXPECT_TEXT(String(page).erase(caret, 1), w.Text1.text());
        EXPECT_EQ(w.Text1.selStart(), static_cast<int32_t>(caret));
    }
    // The dialog Smart Correct opened, if any.
    template <class Dialog> Dialog* corrected(StringView page, int32_t caret) {
        setPage(page, caret, 0);
        run([&] { w.menu("mnutruecorrect").click(); });
        return program.loaded<Dialog>();
    }
};

} // namespace

TEST_F(TagAtCaretTest, SmartSelectSelectsTheTagAroundTheCaretPastSixteenBitPositions) {
    const String prefix(40000, u'a');
    for (const Case& c : kSelect) {
        SCOPED_TRACE(show(c.before));
        place(prefix + c.before, c, forms::vbInformation, "mnusmartselect");
        if (c.message) {
            EXPECT_TEXT(prefix + c.after, w.Text1.text());
            EXPECT_EQ(w.Text1.selStart(), 0) << "the page was given its text again";
        } else {
            EXPECT_TEXT(c.after, w.Text1.selText());
            EXPECT_EQ(w.Text1.selStart(), static_cast<int32_t>(w.Text1.text().find(c.after)));
        }
    }
}

TEST_F(TagAtCaretTest, AutoDeleteDeletesByTheRowOfTheSelectedTagPastSixteenBitPositions) {
    const String prefix(40000, u'a');
    for (const Case& c : kDelete) {
        SCOPED_TRACE(show(c.before));
        place(prefix + c.before, c, forms::vbExclamation, "mnuautodel");
        expectPage(prefix + c.after);
    }
}

TEST_F(TagAtCaretTest, SmartSelectWorksOnAnyTextBox) {
    forms::Form other(program.runtime(), "other");
    forms::TextBox box(other, "working");
    box.setText(u"<FONT face=\"Arial\">a<FONT size=3>b</FONT></FONT>");
    box.setSelStart(25);
    run([&] { smartSelect(box, program.runtime()); });
    EXPECT_TEXT(u"<FONT size=3>", box.selText());
    EXPECT_TEXT(u"", w.page.star) << "the buffer is not touched";
}

TEST_F(TagAtCaretTest, SmartCorrectFillsTheImageDialogWithDefaultsForNonNumbers) {
    Imager* d = corrected<Imager>(u"<P><IMG SRC=\"a.gif\" HEIGHT=\"40\" align=\"left\" >", 8);
    ASSERT_NE(d, nullptr);
    EXPECT_TEXT(u"a.gif", d->imageurl.text());
    EXPECT_TEXT(u"40", d->txtheight.text());
    EXPECT_TEXT(u"<IMG SRC=\"a.gif\" HEIGHT=\"40\" align=\"left\" >", w.Text1.selText());

    corrected<Imager>(u"0123<IMG SRC=\"b.png\" HEIGHT=\"auto\" WIDTH=\"auto\">", 8);
    EXPECT_TEXT(u"800", d->txtheight.text());
    EXPECT_TEXT(u"600", d->txtwidth.text());
    EXPECT_TEXT(u"Left", d->txtalignment.text());
}

TEST_F(TagAtCaretTest, SmartCorrectFillsTheFontDialogFromALowerCaseTagOnlyAlsoFarIn) {
    EXPECT_EQ(corrected<Fonty>(u"x<Font color=\"red\">y", 4), nullptr);
    Fonty* d =
        corrected<Fonty>(String(40000, u'a') + u"<font face=\"Georgia\" size=\"3\">z", 40003);
    ASSERT_NE(d, nullptr);
    EXPECT_TEXT(u"Georgia", d->Text4.text());
    EXPECT_TEXT(u"3", d->txtfontsize.text());
    EXPECT_EQ(w.Text1.selStart(), 40000);
}

TEST_F(TagAtCaretTest, SmartCorrectOfAMailLinkFillsBothItsMailAndItsHyperlinkParts) {
    LinkComplete* d =
        corrected<LinkComplete>(u"x<A HREF=\"mailto:a@b.c?subject=Hi\" TITLE=\"t\">mail</A>", 5);
    ASSERT_NE(d, nullptr);
    EXPECT_TEXT(u"a@b.c", d->mailid.text());
    EXPECT_TEXT(u"mailto:a@b.c?subject=Hi", d->linkurl.text());
    EXPECT_TEXT(u"t", d->linkscreentip.text());
}
