// The preview window on the browser double: the tip, the address history and caption, an
// open preview following every save, and the preview that follows typing.
#include "dialogs/FrmBrowser.h"
#include "support/FileTest.h"

#include <algorithm>

using namespace testing_support;

namespace {

class FrmBrowserTest : public FileTest {
protected:
    String page; // the saved page's path

    void SetUp() override {
        FileTest::SetUp();
        page = saveAs("page.html");
    }
    String saveAs(const char* name) {
        FileTest::saveAs(dir / name);
        return pathOf(dir / name);
    }
    void f5() {
        run([&] { main().menu("preview").click(); });
    }
    void f5WithTip() {
        sp.dialogs.expectMessage(u"Always save before checking preview", 64, u"Tip", forms::vbOK);
        f5();
        EXPECT_TRUE(sp.dialogs.done());
    }
    FrmBrowser& browser() { return *program.loaded<FrmBrowser>(); }
    std::vector<String> history() { return browser().cboAddress.list().items(); }
    // The browser's actions of one kind ("show", "reveal", "navigate").
    std::vector<String> actionsOf(StringView kind) {
        std::vector<String> out;
        for (const String& a : sp.browser.actions)
            if (a.starts_with(String(kind) + u" ")) out.push_back(a);
        return out;
    }
    size_t shows() { return actionsOf(u"show").size(); }
    void follow() {
        f5WithTip();
        run([&] { browser().chkFollow.click(); });
    }
};

TEST_F(FrmBrowserTest, TheTipComesBeforeTheFirstPreviewOfEachFreshPage) {
    f5WithTip();
    EXPECT_EQ(sp.browser.actions, std::vector<String>{u"navigate " + page});
    f5();
    run([&] { main().pictprev.click(); });
    EXPECT_EQ(sp.browser.actions.size(), 3u) << "no tip before the second and third";

    // An untitled page has nothing to preview, and the tip waits for one that has.
    run([&] { main().new_Click(); });
    f5();
    EXPECT_EQ(sp.browser.actions.size(), 3u);
    String other = saveAs("other.html");
    f5WithTip();
    EXPECT_EQ(sp.browser.actions.back(), u"navigate " + other);
}

TEST_F(FrmBrowserTest, TheHistoryListsEachAddressOnceNewestFirstAndTheCaptionFollowsTheBrowser) {
    sp.browser.holdLoads = true;
    sp.browser.titles[page] = u"My web page!";
    f5WithTip();
    FrmBrowser& b = browser();
    EXPECT_TRUE(history().empty()) << "until the page has loaded";
    sp.browser.arrive(page);
    EXPECT_TEXT(u"My web page!", b.caption());

    sp.browser.holdLoads = false;
    sp.browser.arrive(u"file:///b.html");
    sp.browser.arrive(u"file:///c.html");
    sp.browser.arrive(page);
    EXPECT_EQ(history(), (std::vector<String>{page, u"file:///c.html", u"file:///b.html"}));
    EXPECT_EQ(sp.browser.actions.size(), 1u) << "filling the history navigates nowhere";
    // Picking an item goes there, once.
    run([&] { b.cboAddress.setListIndex(2); });
    EXPECT_EQ(sp.browser.actions,
              (std::vector<String>{u"navigate " + page, u"navigate file:///b.html"}));
    EXPECT_EQ(history(), (std::vector<String>{u"file:///b.html", page, u"file:///c.html"}));

    run([&] { b.cboAddress.userEdit(u"file:///typed.html"); });
    run([&] { b.cboAddress.type(u'x'); });
    EXPECT_EQ(sp.browser.actions.size(), 2u) << "typing alone goes nowhere";
    run([&] { b.cboAddress.type(u'\r'); });
    EXPECT_EQ(sp.browser.actions.back(), u"navigate file:///typed.htmlx");
    EXPECT_TEXT(u"file:///typed.htmlx", b.cboAddress.text()) << "the Enter is not typed";

    // The caption says so while the browser is busy, until Stop.
    sp.browser.isBusy = true;
    run([&] { b.Refresh.click(); });
    sp.clock.advance(55);
    EXPECT_TEXT(u"Working...", b.caption());
    run([&] { b.Stop.click(); });
    EXPECT_FALSE(b.timTimer.enabled());
    EXPECT_TEXT(u"file:///typed.htmlx", b.caption());
}

TEST_F(FrmBrowserTest, AnOpenPreviewFollowsEverySave) {
    f5WithTip();
    typeChars(main().Text1, u"x");
    save();
    EXPECT_EQ(sp.browser.actions, (std::vector<String>{u"navigate " + page, u"navigate " + page}));

    typeChars(main().Text1, u"y");
    run([&] { main().mnuautosave.click(); });
    sp.clock.advance(5000);
    EXPECT_EQ(sp.browser.actions.size(), 3u) << "autosave";

    String moved = saveAs("moved.html");
    EXPECT_EQ(sp.browser.actions.back(), u"navigate " + moved);
    EXPECT_TEXT(moved, browser().cboAddress.text());

    // Closed, it stays closed.
    run([&] { browser().userClose(); });
    save();
    EXPECT_EQ(sp.browser.actions.size(), 4u);
}

TEST_F(FrmBrowserTest, FollowTypingShowsTheBufferAPauseAfterTheLastChangeFromThePagesFolder) {
    follow();
    EXPECT_EQ(actionsOf(u"show"), std::vector<String>{u"show " + page}) << "at once when ticked";
    typeChars(main().Text1, u"ab");
    sp.clock.advance(200);
    typeChars(main().Text1, u"c");
    sp.clock.advance(299);
    EXPECT_EQ(shows(), 1u) << "no refresh per keystroke";
    sp.clock.advance(1);
    EXPECT_EQ(actionsOf(u"show").back(), u"show " + page);
    EXPECT_TEXT(main().Text1.text(), sp.browser.shownText) << "unsaved, as typed";
    EXPECT_TEXT(u"*", main().page.star);
    EXPECT_EQ(actionsOf(u"navigate").size(), 1u) << "the saved file is not shown";

    // A save shows nothing newer; a save as moves the base to the new folder.
    save();
    sp.clock.advance(1000);
    EXPECT_EQ(shows(), 2u);
    fs::create_directory(dir / "sub");
    String moved = saveAs("sub/moved.html");
    sp.clock.advance(300);
    EXPECT_EQ(actionsOf(u"show").back(), u"show " + moved);

    // An untitled page's addresses lead to the working folder.
    run([&] { main().new_Click(); });
    sp.clock.advance(300);
    EXPECT_EQ(actionsOf(u"show").back(), u"show " + pathOf(fs::current_path() / "Untitled.html"));

    // Unticked, the saved file again, and typing shows nothing.
    String saved = saveAs("again.html");
    size_t before = shows();
    run([&] { browser().chkFollow.click(); });
    EXPECT_EQ(sp.browser.actions.back(), u"navigate " + saved);
    typeChars(main().Text1, u"d");
    sp.clock.advance(1000);
    EXPECT_EQ(shows(), before);
}

TEST_F(FrmBrowserTest, FollowTypingWaitsForTheLoadingPageAndThenShowsTheLatestText) {
    follow();
    sp.browser.holdLoads = true;
    typeChars(main().Text1, u"a");
    sp.clock.advance(300);
    EXPECT_EQ(shows(), 2u);
    typeChars(main().Text1, u"b");
    sp.clock.advance(300);
    typeChars(main().Text1, u"c");
    sp.clock.advance(300);
    EXPECT_EQ(shows(), 2u) << "skipped while the browser loads";

    sp.browser.arrive(page);
    EXPECT_EQ(shows(), 3u) << "the text typed meanwhile, at once";
    EXPECT_TEXT(main().Text1.text(), sp.browser.shownText);
    sp.browser.arrive(page);
    sp.clock.advance(1000);
    EXPECT_EQ(shows(), 3u) << "nothing changed since";

    // A change still in its pause when the load ends waits for the pause.
    typeChars(main().Text1, u"d");
    sp.clock.advance(300);
    typeChars(main().Text1, u"e");
    sp.browser.arrive(page);
    EXPECT_EQ(shows(), 4u);
    sp.clock.advance(300);
    EXPECT_EQ(shows(), 5u);
}

TEST_F(FrmBrowserTest, FollowTypingBringsTheCaretsElementIntoViewWhenTheCaretRests) {
    follow();
    const String text = u"<HTML><BODY><P>one</P>\r\n<P>two</P></BODY></HTML>";
    run([&] { main().Text1.setText(text); });
    sp.clock.advance(300);
    sp.browser.actions.clear();
    run([&] { main().Text1.setSelStart(static_cast<int32_t>(text.find(u"two"))); });
    run([&] { main().Text1.setSelStart(static_cast<int32_t>(text.find(u"one"))); });
    sp.clock.advance(300);
    EXPECT_EQ(sp.browser.actions, std::vector<String>{u"reveal p 0"})
        << "once, where it rests, and nothing loaded";
    run([&] { main().Text1.setSelStart(static_cast<int32_t>(text.find(u"two"))); });
    sp.clock.advance(300);
    EXPECT_EQ(sp.browser.actions.back(), u"reveal p 1");
}

TEST(ElementAt, NumbersElementsAsTheBrowserWill) {
    struct Case {
        const char16_t* html;
        std::optional<ElementPlace> place;
    };
    const Case cases[] = {
        {u"plain text‸", std::nullopt},
        {u"a < b, <IMG SRC=x>‸", ElementPlace{u"img", 0}},
        {u"<P>a</P><p>b<B>c</B>‸", ElementPlace{u"b", 0}},
        {u"<P>a</P><p>b<B>c</B><P>‸", ElementPlace{u"p", 2}},
        {u"<!-- <P> --><P>‸", ElementPlace{u"p", 0}},
        {u"<SCRIPT>if (a<b) s = '<p>';</SCRIPT><P>‸", ElementPlace{u"p", 0}},
        {u"<P><SCRIPT>x = '<p>‸'", ElementPlace{u"script", 0}},
        {u"<HTML><BODY>a</BODY><BODY>b‸", ElementPlace{u"body", 0}},
        {u"<P>a‸</P><P>b", ElementPlace{u"p", 0}},
        {u"<H1>a</H1><H2>‸", ElementPlace{u"h2", 0}},
    };
    for (const Case& c : cases) {
        String html = c.html;
        auto caret = static_cast<int32_t>(html.find(u'‸'));
        html.erase(static_cast<size_t>(caret), 1);
        EXPECT_EQ(elementAt(html, caret), c.place) << show(c.html);
    }
}

} // namespace
