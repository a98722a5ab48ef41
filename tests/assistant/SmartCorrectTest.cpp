// Smart correct: the tag around the caret read back into its dialog, the tag left selected.
#include "commands/Commands.h"
#include "dialogs/Fonty.h"
#include "dialogs/HRule.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

class SmartCorrectTest : public ProgramTest {
protected:
    Tolva& w = main();
    void correct(StringView page, int32_t caret) {
        setPage(page, caret, 0);
        run([&] { w.menu("mnutruecorrect").click(); });
    }
    // The dialog Smart Correct opened, if any.
    template <class Dialog> Dialog* corrected(StringView page, int32_t caret) {
        correct(page, caret);
        return program.loaded<Dialog>();
    }
};

TEST_F(SmartCorrectTest, AnImageTagFillsTheImageDialogAndStaysSelected) {
    Imager* d = corrected<Imager>(
        u"<P><IMG SRC=\"a.gif\" HEIGHT=\"40\" WIDTH=\"50\" BORDER=0 align=\"left\" ALT=\"x\" >", 8);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->visible());
    EXPECT_TEXT(u"a.gif", d->imageurl.text());
    EXPECT_TEXT(u"40", d->txtheight.text());
    EXPECT_TEXT(u"50", d->txtwidth.text());
    EXPECT_EQ(d->dimen.value(), 1);
    EXPECT_TEXT(u"x", d->txtalternate.text());
    EXPECT_TEXT(u"left", d->txtalignment.text());
    EXPECT_TEXT(u"0", d->txtborder.text());
    EXPECT_EQ(w.Text1.selStart(), 3);
    EXPECT_TEXT(
        u"<IMG SRC=\"a.gif\" HEIGHT=\"40\" WIDTH=\"50\" BORDER=0 align=\"left\" ALT=\"x\" >",
        w.Text1.selText());
}

TEST_F(SmartCorrectTest, ImageGuardsGiveDefaultsForNonDigitsAndAMissingAlign) {
    Imager* d = corrected<Imager>(u"0123<IMG SRC=\"b.png\" HEIGHT=\"auto\" WIDTH=\"auto\">", 8);
    ASSERT_NE(d, nullptr);
    EXPECT_TEXT(u"800", d->txtheight.text());
    EXPECT_TEXT(u"600", d->txtwidth.text());
    EXPECT_TEXT(u"Left", d->txtalignment.text());
    EXPECT_TEXT(u"0", d->txtborder.text());
}

TEST_F(SmartCorrectTest, AFontTagFillsTheFontDialogAlsoPastThe32767thCharacter) {
    Fonty* d = corrected<Fonty>(u"x<font color=\"#FF0000\" face=\"Arial\" size=\"3\">y", 4);
    ASSERT_NE(d, nullptr);
    EXPECT_TEXT(u"FF0000", d->Text3.text());
    EXPECT_TEXT(u"", d->Combo2.text());
    EXPECT_TEXT(u"Arial", d->Text4.text());
    EXPECT_TEXT(u"3", d->txtfontsize.text());

    correct(String(40000, u'a') + u"<font face=\"Georgia\">z", 40003);
    EXPECT_TEXT(u"Georgia", d->Text4.text());
    EXPECT_EQ(w.Text1.selStart(), 40000);
}

TEST_F(SmartCorrectTest, MixedCaseFontAndPlainTagsOpenNothing) {
    EXPECT_EQ(corrected<Fonty>(u"x<Font color=\"red\">y", 4), nullptr);
    EXPECT_EQ(corrected<Fonty>(u"x<B>bold</B>", 5), nullptr);
    EXPECT_TRUE(sp.dialogs.done());
}

TEST_F(SmartCorrectTest, RuleWidthEndsAtTheBlankOrAtTheEndOfTheTag) {
    HRule* d = corrected<HRule>(u"x<HR align=\"left\" width=50% size=\"2\">", 4);
    ASSERT_NE(d, nullptr);
    EXPECT_TEXT(u"50%", d->Widther.text());
    EXPECT_TEXT(u"2", d->size.text());
    correct(u"x<HR align=\"left\" width=80%>", 4);
    EXPECT_TEXT(u"80%", d->Widther.text());
}

TEST_F(SmartCorrectTest, AMailLinkRunsTheMailAndThenTheHyperlinkBranch) {
    LinkComplete* d =
        corrected<LinkComplete>(u"x<A HREF=\"mailto:a@b.c?subject=Hi\" TITLE=\"t\">mail</A>", 5);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->Option2.value());
    EXPECT_TEXT(u"a@b.c", d->mailid.text());
    EXPECT_TEXT(u"Hi", d->subject.text());
    EXPECT_TEXT(u"t", d->mailscreentip.text());
    EXPECT_TEXT(u"mailto:a@b.c?subject=Hi", d->linkurl.text());
    EXPECT_TEXT(u"t", d->linkscreentip.text());
    EXPECT_FALSE(d->txttodisplay.enabled());

    // A hyperlink without a title leaves the screen tip as it was.
    run([&] { d->linkscreentip.setText(u"kept"); });
    correct(u"x<A HREF=\"page.html\">go</A>", 5);
    EXPECT_TEXT(u"page.html", d->linkurl.text());
    EXPECT_TEXT(u"kept", d->linkscreentip.text());
}

TEST_F(SmartCorrectTest, NothingSelectedSaysWhereToPutTheCaret) {
    sp.dialogs.expectMessage(u"Place the cursor in tags, such as '<IMG ' or '<font' first. Smart "
                             u"Correct helps you to edit tags.",
                             forms::vbInformation, u"Assistant: Tolva", forms::vbOK);
    correct(u"plain text", 3);
    EXPECT_TRUE(sp.dialogs.done());
    EXPECT_TRUE(w.Text1.hasFocus());
}

} // namespace
