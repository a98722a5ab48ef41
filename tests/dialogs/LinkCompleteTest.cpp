// The link dialog: its openers, the two modes, the pieces of the tag and the builder.
#include "dialogs/LinkComplete.h"
#include "dialogs/DialogTest.h"

using namespace testing_support;

namespace {

using LinkCompleteTest = DialogTest<LinkComplete>;

TEST_F(LinkCompleteTest, LinkerWrapsTheSelectionWithThePiecesLeftSet) {
    setPage(u"Go Home now", 3, 4);
    LinkComplete& d = open("linker");
    run([&] {
        d.linkurl.setText(u"x.htm");
        d.linkscreentip.setText(u"Start");
        d.chooseTarget(u"Parent Frame");
    });
    click(d.OKButton);
    EXPECT_TEXT(u"Go <A HREF=\"x.htm\" TITLE=\"Start\" target=\"_parent\">Home</A> now", page());
    EXPECT_EQ(program.loaded<LinkComplete>(), nullptr);

    // Pieces undone by their own fields leave no attribute.
    setPage(u"", 0);
    LinkComplete& e = open("linker");
    typeChars(e.linkscreentip, u"tip");
    run([&] {
        e.txttodisplay.setText(u"T");
        e.linkurl.setText(u"u");
        e.linkscreentip.setText(u"");
        e.chooseTarget(u"New Window");
        e.chooseTarget(u"Default (none)");
    });
    click(e.OKButton);
    EXPECT_TEXT(u"<A HREF=\"u\">T</A>", page());
}

TEST_F(LinkCompleteTest, MailLinkWithSubjectAndNoUnderlineNeverWritesATarget) {
    setPage(u"Write", 0, 5);
    LinkComplete& d = open("Mail");
    run([&] {
        d.chooseTarget(u"New Window");
        d.mailid.setText(u"a");
        d.subject.setText(u"Hi");
        d.Check1.click();
    });
    click(d.OKButton);
    EXPECT_TEXT(u"<A HREF=\"mailto:a?subject=Hi\" STYLE=\"text-decoration:none\">Write</A>",
                page());
}

TEST_F(LinkCompleteTest, AnExistingOpeningTagIsReplacedAlone) {
    // Only "<a " followed by a blank counts as an anchor.
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"<a href=\"old.htm\">Old</a>", u"<A HREF=\"new.htm\">Old</a>"},
        {u"<A HREF=\"old.htm\">Old</a>", u"<A HREF=\"new.htm\">Old</a>"},
        {u"<abbr>", u"<A HREF=\"new.htm\"><abbr></A>"},
    };
    for (auto [before, after] : cases) {
        setPage(u"x" + String(before), 1, static_cast<int32_t>(String(before).find(u'>') + 1));
        LinkComplete& d = open("linker");
        run([&] { d.linkurl.setText(u"new.htm"); });
        click(d.OKButton);
        EXPECT_TEXT(u"x" + String(after), page()) << show(before);
    }
}

TEST_F(LinkCompleteTest, MissingEntriesKeepTheDialogOpenAndFocusTheField) {
    LinkComplete& d = open("linker");
    run([&] { d.linkscreentip.setText(u"tip"); });
    const std::pair<const char16_t*, forms::TextBox*> cases[] = {{u"Link URL", &d.linkurl},
                                                                 {u"Mail Id", &d.mailid}};
    for (auto [missing, field] : cases) {
        sp.dialogs.expectMessage(u"The " + String(missing) + u" has not been mentioned.",
                                 forms::vbExclamation, u"Assistant: Tolva", forms::vbOK);
        click(d.OKButton);
        ASSERT_EQ(program.loaded<LinkComplete>(), &d);
        EXPECT_TRUE(field->hasFocus());
        EXPECT_TEXT(u"tip", d.linkscreentip.text()) << "the entries are kept for another try";
        click(d.Option2);
    }
}

TEST_F(LinkCompleteTest, AMailAddressEmptiesTheHyperlinkAndReopeningKeepsTheDialog) {
    setPage(u"one two", 0, 3);
    LinkComplete& d = open("Mail");
    run([&] {
        d.linkurl.setText(u"x.htm");
        d.linkscreentip.setText(u"tip");
    });
    typeChars(d.mailid, u"m");
    EXPECT_TEXT(u"", d.linkurl.text());
    EXPECT_TEXT(u"", d.linkTitle);
    // The user goes on editing; the second opening refreshes the display text only.
    setPage(u"one two", 4, 3);
    EXPECT_EQ(&open("linker"), &d);
    run([&] { main().Text1.setSelStart(0); });
    click(d.OKButton);
    EXPECT_TEXT(u"<A HREF=\"mailto:m\">two</A>one two", page());
}

} // namespace
