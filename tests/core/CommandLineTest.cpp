// The command line: what it asks for, and a page named on it opening after the splash.
#include "core/CommandLine.h"
#include "core/InitialPage.h"
#include "support/FileTest.h"

using namespace testing_support;
using Action = cmdline::Request::Action;

namespace {

cmdline::Request parse(std::vector<std::string> args) {
    return cmdline::parse(args, "/home/ann/site");
}

TEST(CommandLine, APageIsOpenedByItsAbsolutePath) {
    struct Case {
        std::vector<std::string> args;
        std::string page;
    } cases[] = {
        {{}, ""},
        {{"index.html"}, "/home/ann/site/index.html"},
        {{"./css/../index.html"}, "/home/ann/site/css/../index.html"},
        {{"/srv//www/./a.html"}, "/srv/www/a.html"},
        {{"--", "-draft.html"}, "/home/ann/site/-draft.html"},
        {{"--", "--version"}, "/home/ann/site/--version"},
        {{"-"}, "/home/ann/site/-"},
        {{"pages/"}, "/home/ann/site/pages/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args.back());
        cmdline::Request r = parse(c.args);
        EXPECT_EQ(r.action, Action::Start);
        EXPECT_EQ(r.page, c.page);
        EXPECT_EQ(r.otherPages, 0);
        EXPECT_EQ(r.text, "");
    }
}

TEST(CommandLine, WithoutAWorkingFolderARelativePageKeepsItsName) {
    EXPECT_EQ(cmdline::parse({"index.html"}, "").page, "index.html");
    EXPECT_EQ(cmdline::parse({"/srv/a.html"}, "").page, "/srv/a.html");
}

TEST(CommandLine, OnlyTheFirstOfSeveralPagesIsOpened) {
    cmdline::Request r = parse({"a.html", "b.html", "--", "c.html"});
    EXPECT_EQ(r.action, Action::Start);
    EXPECT_EQ(r.page, "/home/ann/site/a.html");
    EXPECT_EQ(r.otherPages, 2);
}

TEST(CommandLine, HelpAndVersionAreAnsweredWhateverElseIsGiven) {
    cmdline::Request v = parse({"--version"});
    EXPECT_EQ(v.action, Action::Print);
    EXPECT_EQ(v.text, "Tolva 1.0.0\n");
    // Before QApplication has taken its own options they are still there.
    EXPECT_EQ(parse({"-platform", "offscreen", "--version"}).text, "Tolva 1.0.0\n");

    for (auto args : {std::vector<std::string>{"--help"},
                      {"-h"},
                      {"a.html", "--help"},
                      {"--version", "--help"},
                      {"-x", "--help"}}) {
        SCOPED_TRACE(args.front());
        cmdline::Request h = parse(args);
        EXPECT_EQ(h.action, Action::Print);
        EXPECT_TRUE(h.text.starts_with("Usage: tolva [OPTION]... [PAGE]\n")) << h.text;
        EXPECT_NE(h.text.find("--version"), std::string::npos);
        EXPECT_EQ(h.page, "");
    }
}

TEST(CommandLine, AnUnknownOptionFailsWithTheUsage) {
    cmdline::Request r = parse({"a.html", "-x", "--verbose"});
    EXPECT_EQ(r.action, Action::Fail);
    EXPECT_TRUE(r.text.starts_with("tolva: unknown option -x\nUsage: tolva [OPTION]... [PAGE]\n"))
        << r.text;
    EXPECT_EQ(r.page, "") << "nothing starts";
}

// The program started with a page named, as the front end sets it up.
class StartWithPageTest : public FileTest {
protected:
    void startWith(const fs::path& page, int others = 0) {
        program.pageAtStart = pathOf(page);
        program.otherPagesAtStart = others;
        program.start();
    }
    void expectOpenFailure(const fs::path& p, const char16_t* reason) {
        sp.dialogs.expectMessage(u"The page could not be opened from " + pathOf(p) + u"\r\n\r\n" +
                                     reason,
                                 forms::vbExclamation, u"Tolva", forms::vbOK);
    }
    void expectInitialPage() {
        Tolva* w = program.loaded<Tolva>();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->visible());
        EXPECT_TEXT(initialPage(), w->Text1.text());
        EXPECT_TEXT(u"Untitled[]: Tolva -By Quendry", w->caption());
        EXPECT_TEXT(u"Untitled", w->saveme());
        EXPECT_FALSE(w->preview.enabled());
    }
};

TEST_F(StartWithPageTest, ThePageOpensWhenTheSplashEnds) {
    fs::path p = dir / "index.html";
    writeBytes(p, "<p>caf\xC3\xA9</p>\n");
    startWith(p);
    sp.clock.advance(2499);
    EXPECT_EQ(program.loaded<Tolva>(), nullptr) << "the splash runs its course";
    sp.clock.advance(1);
    Tolva& w = main();
    EXPECT_TRUE(w.visible());
    EXPECT_TEXT(u"<p>café</p>\r\n", w.Text1.text());
    EXPECT_TEXT(pathOf(p) + u":  Tolva - by Quendry", w.caption());
    EXPECT_TEXT(pathOf(p), w.saveme());
    EXPECT_TEXT(u"", w.star);
    EXPECT_TRUE(w.preview.enabled());
    EXPECT_TRUE(w.Text1.hasFocus());
    save();
    EXPECT_EQ(readBytes(p), "<p>caf\xC3\xA9</p>\n") << "saved back in its own encoding and breaks";
}

TEST_F(StartWithPageTest, SkippingTheSplashOpensItOnce) {
    fs::path p = dir / "index.html";
    writeBytes(p, "a\r\n");
    startWith(p);
    run([&] { program.loaded<Splash>()->Frame1.Click(); });
    EXPECT_TEXT(u"a\r\n", main().Text1.text());
    typeChars(main().Text1, u"x");
    sp.clock.advance(3000); // no splash timer is left to open it again over the change
    EXPECT_TEXT(u"xa\r\n", main().Text1.text());
}

TEST_F(StartWithPageTest, APageThatCannotBeReadSaysWhyAndKeepsTheInitialPage) {
    fs::path missing = dir / "missing.html";
    expectOpenFailure(missing, u"No such file or directory");
    startWith(missing);
    sp.clock.advance(2500);
    expectInitialPage();
}

TEST_F(StartWithPageTest, AFolderIsRefusedToo) {
    expectOpenFailure(dir, u"Is a directory");
    startWith(dir);
    sp.clock.advance(2500);
    expectInitialPage();
}

TEST_F(StartWithPageTest, MorePagesNamedAreNotOpenedAndTheUserIsTold) {
    fs::path a = dir / "a.html";
    writeBytes(a, "a\r\n");
    sp.dialogs.expectMessage(
        u"Tolva edits one page at a time, so the second page named was not opened.",
        forms::vbInformation, u"Tolva", forms::vbOK);
    startWith(a, 1);
    sp.clock.advance(2500);
    EXPECT_TEXT(u"a\r\n", main().Text1.text());
    EXPECT_TRUE(sp.dialogs.done());
}

TEST_F(StartWithPageTest, AFirstPageThatFailsStillGetsBothMessages) {
    fs::path missing = dir / "missing.html";
    expectOpenFailure(missing, u"No such file or directory");
    sp.dialogs.expectMessage(
        u"Tolva edits one page at a time, so the other 3 pages named were not opened.",
        forms::vbInformation, u"Tolva", forms::vbOK);
    startWith(missing, 3);
    sp.clock.advance(2500);
    expectInitialPage();
}

} // namespace
