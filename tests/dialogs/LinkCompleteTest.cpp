// The link dialog: its openers, the two modes, the pieces of the tag and the builder.
#include "dialogs/LinkComplete.h"
#include "commands/Commands.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

class LinkCompleteTest : public ProgramTest {
protected:
    LinkComplete& open(const char* opener = "linker") {
        run([&] { commands::run(main(), opener); });
        return *program.loaded<LinkComplete>();
    }
    void press(LinkComplete& d) {
        run([&] { d.OKButton.click(); });
    }
    forms::String page() { return main().Text1.text(); }
};

TEST_F(LinkCompleteTest, LinkerWrapsTheSelectionAndUnloads) {
    setPage(u"Go Home now", 3, 4);
    LinkComplete& d = open();
    EXPECT_TRUE(d.visible());
    EXPECT_TEXT(u"Insert Hyperlink: Tolva", d.caption());
    EXPECT_TEXT(u"Home", d.txttodisplay.text());
    EXPECT_TRUE(d.Option1.value());
    EXPECT_FALSE(d.mailid.enabled());
    EXPECT_EQ(d.Check1.value(), 1);
    run([&] { d.linkurl.setText(u"x.htm"); });
    press(d);
    EXPECT_TEXT(u"Go <A HREF=\"x.htm\">Home</A> now", page());
    EXPECT_EQ(program.loaded<LinkComplete>(), nullptr);
}

TEST_F(LinkCompleteTest, EveryTargetGivesItsAttributeAndMoreHidesTheButton) {
    setPage(u"", 0);
    LinkComplete& d = open();
    std::vector<forms::String> items;
    for (int i = 0; i < d.targets.listCount(); ++i)
        items.push_back(d.targets.item(i));
    EXPECT_EQ(items, (std::vector<forms::String>{u"Default (none)", u"Same Frame", u"Whole Page",
                                                 u"New Window", u"Parent Frame"}));
    EXPECT_EQ(d.targets.listIndex(), -1);
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"Same Frame", u" target=\"_self\""},     {u"Whole Page", u" target=\"_top\""},
        {u"Parent Frame", u" target=\"_parent\""}, {u"Default (none)", u""},
        {u"New Window", u" target=\"_blank\""},
    };
    for (auto [item, attribute] : cases) {
        run([&] { d.chooseTarget(item); });
        EXPECT_TEXT(attribute, d.targetAttribute) << show(item);
    }
    run([&] {
        d.txttodisplay.setText(u"Home");
        d.linkurl.setText(u"x.htm");
        d.linkscreentip.setText(u"Start");
        d.Command1.click();
    });
    EXPECT_FALSE(d.Command1.visible());
    EXPECT_EQ(d.height(), 6000);
    press(d);
    EXPECT_TEXT(u"<A HREF=\"x.htm\" TITLE=\"Start\" target=\"_blank\">Home</A>", page());
}

TEST_F(LinkCompleteTest, MailLinkWithSubjectAndNoUnderlineNeverWritesATarget) {
    setPage(u"Write", 0, 5);
    LinkComplete& d = open("Mail");
    EXPECT_TRUE(d.Option2.value());
    EXPECT_TRUE(d.mailid.enabled());
    EXPECT_FALSE(d.linkurl.enabled() || d.linkscreentip.enabled() || d.targets.enabled());
    EXPECT_FALSE(d.Command1.enabled());
    run([&] {
        d.chooseTarget(u"New Window");
        d.mailid.setText(u"a");
        d.subject.setText(u"Hi");
        d.Check1.click();
    });
    press(d);
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
        String selected = String(before).substr(0, String(before).find(u'>') + 1);
        setPage(u"x" + String(before), 1, static_cast<int32_t>(selected.size()));
        LinkComplete& d = open();
        run([&] { d.linkurl.setText(u"new.htm"); });
        press(d);
        EXPECT_TEXT(u"x" + String(after), page()) << show(before);
    }
}

TEST_F(LinkCompleteTest, PiecesUndoneByTheirOwnFieldsLeaveNoAttribute) {
    setPage(u"", 0);
    LinkComplete& d = open();
    run([&] {
        d.txttodisplay.setText(u"T");
        d.linkurl.setText(u"u");
        d.Check1.click();
        d.Check1.click();
    });
    typeChars(d.linkscreentip, u"tip");
    run([&] {
        d.linkscreentip.setText(u"");
        d.chooseTarget(u"New Window");
        d.chooseTarget(u"Default (none)");
    });
    press(d);
    EXPECT_TEXT(u"<A HREF=\"u\">T</A>", page());
}

TEST_F(LinkCompleteTest, TypingAMailAddressEmptiesTheHyperlinkFieldsAndModesSwitchBack) {
    LinkComplete& d = open();
    run([&] {
        d.linkurl.setText(u"x.htm");
        d.linkscreentip.setText(u"tip");
        d.Option2.click();
    });
    typeChars(d.mailid, u"m");
    EXPECT_TEXT(u"", d.linkurl.text());
    EXPECT_TEXT(u"", d.linkscreentip.text());
    EXPECT_TEXT(u"", d.linkTitle);

    run([&] { d.Option1.click(); });
    EXPECT_TRUE(d.linkurl.enabled() && d.linkscreentip.enabled() && d.targets.enabled());
    EXPECT_TRUE(d.Command1.enabled());
    EXPECT_FALSE(d.mailid.enabled() || d.subject.enabled() || d.mailscreentip.enabled());
}

TEST_F(LinkCompleteTest, MissingEntriesKeepTheDialogOpenAndFocusTheField) {
    setPage(u"keep", 0, 4);
    LinkComplete& d = open();
    run([&] { d.linkscreentip.setText(u"tip"); });
    const std::pair<const char16_t*, forms::TextBox*> cases[] = {{u"Link URL", &d.linkurl},
                                                                 {u"Mail Id", &d.mailid}};
    for (auto [missing, field] : cases) {
        sp.dialogs.expectMessage(u"The " + String(missing) + u" has not been mentioned.",
                                 forms::vbExclamation, u"Assistant: Tolva", forms::vbOK);
        press(d);
        ASSERT_EQ(program.loaded<LinkComplete>(), &d);
        EXPECT_TRUE(field->hasFocus());
        EXPECT_TEXT(u"keep", page());
        EXPECT_TEXT(u"tip", d.linkscreentip.text()) << "the entries are kept for another try";
        run([&] { d.Option2.click(); });
    }
}

TEST_F(LinkCompleteTest, ReopeningRaisesTheSameDialogAndInsertsAtTheCaretOfTheClick) {
    setPage(u"one two", 0, 3);
    LinkComplete& d = open("Mail");
    run([&] { d.mailid.setText(u"m"); });
    // The user goes on editing; the second opening refreshes the display text only.
    setPage(u"one two", 4, 3);
    EXPECT_EQ(&open(), &d);
    EXPECT_TRUE(d.Option2.value());
    EXPECT_TEXT(u"two", d.txttodisplay.text());
    run([&] { main().Text1.setSelStart(0); });
    press(d);
    EXPECT_TEXT(u"<A HREF=\"mailto:m\">two</A>one two", page());
}

} // namespace
