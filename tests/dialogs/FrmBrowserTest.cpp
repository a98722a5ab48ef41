// The preview window on the browser double: the tip, the address history and caption, and an
// open preview following every save.
#include "dialogs/FrmBrowser.h"
#include "support/FileTest.h"

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

} // namespace
