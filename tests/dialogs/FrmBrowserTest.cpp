// The preview window on the browser double: the tip, the address history, the toolbar, the
// busy caption, and an open preview following every save.
#include "dialogs/FrmBrowser.h"
#include "support/FileTest.h"

using namespace testing_support;
using forms::String;

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
    std::vector<String> history() {
        std::vector<String> items;
        for (int i = 0; i < browser().cboAddress.listCount(); ++i)
            items.push_back(browser().cboAddress.item(i));
        return items;
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
    EXPECT_TRUE(main().firstPreview);
    String other = saveAs("other.html");
    f5WithTip();
    EXPECT_EQ(sp.browser.actions.back(), u"navigate " + other);
}

TEST_F(FrmBrowserTest, AnUntitledPageOpensNoPreview) {
    run([&] { main().new_Click(); });
    f5();
    EXPECT_EQ(program.loaded<FrmBrowser>(), nullptr);
    EXPECT_TRUE(sp.browser.actions.empty());
}

TEST_F(FrmBrowserTest, TheHistoryListsEachAddressOnceNewestFirstAndTheBoxGoesOnEnter) {
    sp.browser.holdLoads = true;
    sp.browser.titles[page] = u"My web page!";
    f5WithTip();
    FrmBrowser& b = browser();
    EXPECT_TRUE(b.visible());
    EXPECT_TEXT(u"Preview: Tolva - by Quendry", b.caption()) << "until the page has loaded";
    EXPECT_TEXT(page, b.cboAddress.text());
    EXPECT_TEXT(u"&Address:", b.lblAddress.caption());
    EXPECT_TRUE(history().empty());
    sp.browser.arrive(page);
    EXPECT_TEXT(u"My web page!", b.caption());
    EXPECT_EQ(history(), std::vector<String>{page});

    sp.browser.holdLoads = false;
    sp.browser.arrive(u"file:///b.html");
    sp.browser.arrive(u"file:///c.html");
    sp.browser.arrive(page);
    EXPECT_EQ(history(), (std::vector<String>{page, u"file:///c.html", u"file:///b.html"}));
    EXPECT_EQ(b.cboAddress.listIndex(), 0);
    EXPECT_TEXT(page, b.cboAddress.text());
    EXPECT_EQ(sp.browser.actions.size(), 1u) << "filling the history navigates nowhere";
    // Picking an item goes there, once.
    run([&] { b.cboAddress.setListIndex(2); });
    EXPECT_EQ(sp.browser.actions.back(), u"navigate file:///b.html");
    EXPECT_EQ(sp.browser.actions.size(), 2u);
    EXPECT_EQ(history(), (std::vector<String>{u"file:///b.html", page, u"file:///c.html"}));

    run([&] { b.cboAddress.userEdit(u"file:///typed.html"); });
    run([&] { b.cboAddress.type(u'x'); });
    EXPECT_EQ(sp.browser.actions.size(), 2u) << "typing alone goes nowhere";
    run([&] { b.cboAddress.type(u'\r'); });
    EXPECT_EQ(sp.browser.actions.back(), u"navigate file:///typed.htmlx");
    EXPECT_TEXT(u"file:///typed.htmlx", b.cboAddress.text()) << "the Enter is not typed";
}

TEST_F(FrmBrowserTest, TheCaptionSaysWorkingWhileTheBrowserIsBusy) {
    sp.browser.titles[page] = u"Page";
    f5WithTip();
    FrmBrowser& b = browser();
    sp.browser.isBusy = true;
    run([&] { b.Refresh.click(); });
    EXPECT_TRUE(b.timTimer.enabled());
    sp.clock.advance(55);
    EXPECT_TEXT(u"Working...", b.caption());
    sp.browser.isBusy = false;
    sp.clock.advance(5);
    EXPECT_TEXT(u"Page", b.caption());
    EXPECT_FALSE(b.timTimer.enabled());

    // Stop ends the wait at once, busy or not.
    sp.browser.isBusy = true;
    run([&] { b.Back.click(); });
    sp.clock.advance(5);
    EXPECT_TEXT(u"Working...", b.caption());
    run([&] { b.Stop.click(); });
    EXPECT_FALSE(b.timTimer.enabled());
    EXPECT_TEXT(u"Page", b.caption());
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
    ASSERT_EQ(program.loaded<FrmBrowser>(), nullptr);
    save();
    EXPECT_EQ(sp.browser.actions.size(), 4u);
}

} // namespace
