// The command line: what it asks for, and a page named on it opening after the splash.
#include "core/CommandLine.h"
#include "core/Splash.h"
#include "page/InitialPage.h"
#include "support/FileTest.h"

#include <tuple>

#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;
using Action = cmdline::Request::Action;

namespace {

TEST(CommandLine, PagesAreOpenedByTheirAbsolutePathAndOnlyTheFirstOfSeveral) {
    struct Case {
        std::vector<std::string> args;
        std::string cwd, page;
        int otherPages;
    } cases[] = {
        {{}, "/home/ann/site", "", 0},
        {{"index.html"}, "/home/ann/site", "/home/ann/site/index.html", 0},
        // Folders that do not exist: ".." is the folder before, and never above the root.
        {{"./css/../index.html"}, "/home/ann/site", "/home/ann/site/index.html", 0},
        {{"../other/page.html"}, "/home/ann/site", "/home/ann/other/page.html", 0},
        {{"../../../../a.html"}, "/home/ann/site", "/a.html", 0},
        {{"/srv//www/./a.html"}, "/home/ann/site", "/srv/www/a.html", 0},
        {{"css/"}, "/home/ann/site", "/home/ann/site/css/", 0},
        {{"--", "--version"}, "/home/ann/site", "/home/ann/site/--version", 0},
        {{"index.html"}, "", "index.html", 0}, // no working folder: the name as given
        {{"a.html", "b.html", "--", "-c.html"}, "/home/ann/site", "/home/ann/site/a.html", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args.back());
        cmdline::Request r = cmdline::parse(c.args, c.cwd);
        EXPECT_EQ(r.action, Action::Start);
        EXPECT_EQ(r.page, c.page);
        EXPECT_EQ(r.otherPages, c.otherPages);
    }
}

TEST(CommandLine, HelpAndVersionWinOverEverythingAndAnUnknownOptionFails) {
    const std::string usage = "Usage: tolva [OPTION]... [PAGE]\n";
    // Before QApplication has taken its own options they are still there.
    for (auto args :
         {std::vector<std::string>{"--version"}, {"-platform", "offscreen", "--version"}})
        EXPECT_EQ(cmdline::parse(args, "/home/ann/site").text, "Tolva 1.0.0\n");
    for (auto args : {std::vector<std::string>{"-h"}, {"--version", "--help"}, {"-x", "--help"}}) {
        cmdline::Request r = cmdline::parse(args, "/home/ann/site");
        EXPECT_EQ(r.action, Action::Print);
        EXPECT_TRUE(r.text.starts_with(usage) && r.text.find("--version") != std::string::npos)
            << r.text;
    }
    cmdline::Request r = cmdline::parse({"a.html", "-x", "--verbose"}, "/home/ann/site");
    EXPECT_EQ(r.action, Action::Fail);
    EXPECT_TRUE(r.text.starts_with("tolva: unknown option -x\n" + usage)) << r.text;
    EXPECT_EQ(r.page, "") << "nothing starts";
}

TEST(CommandLine, DotDotAfterALinkLeadsWhereTheFileSystemGoes) {
    fs::path dir = fs::temp_directory_path() / ("tolva-cmdline-" + std::to_string(::getpid()));
    fs::create_directories(dir / "real" / "deep");
    fs::create_directory_symlink(dir / "real" / "deep", dir / "link");
    fs::path real = fs::canonical(dir);
    // link/.. is real/, not dir/: the page named is real/a.html, and the title says so.
    EXPECT_EQ(cmdline::parse({"link/../a.html"}, dir.string()).page,
              (real / "real" / "a.html").string());
    // A link that is the page itself keeps its name.
    EXPECT_EQ(cmdline::parse({"../x/link"}, (dir / "real").string()).page,
              (real / "x" / "link").string());
    fs::remove_all(dir);
}

// The manual page is made from the usage's own tables, in roff; that it lists every option
// and section of --help: the install check, as man shows it.
TEST(CommandLine, TheManualPageListsWhatHelpListsWithItsFilesAndExitStatuses) {
    std::string manual = cmdline::manual();
    EXPECT_TRUE(manual.starts_with(".TH TOLVA 1 \"\" \"Tolva 1.0.0\"")) << manual;
    EXPECT_NE(manual.find(".B \\-\\-version\n"), std::string::npos) << "the indent goes";
    EXPECT_NE(manual.find(".I $XDG_STATE_HOME/tolva/PID.recovery\n"), std::string::npos);
    // roff takes a plain "-" as a hyphen, which a man page must not show in an option.
    for (size_t i = manual.find('-'); i != std::string::npos; i = manual.find('-', i + 1))
        EXPECT_EQ(manual[i - 1], '\\') << manual.substr(i - 10, 20);
}

// The program started with a page named, as the front end sets it up.
using StartWithPageTest = FileTest;

TEST_F(StartWithPageTest, ThePageShowsAtOnceWithoutASplashAndOpensOnce) {
    fs::path p = dir / "index.html";
    writeBytes(p, "a\r\n");
    program.pageAtStart = pathOf(p);
    program.launch();
    EXPECT_EQ(program.loaded<Splash>(), nullptr);
    EXPECT_TEXT(u"a\r\n", main().Text1.text());
    typeChars(main().Text1, u"x");
    sp.clock.advance(3000); // nothing left to open it again over the change
    EXPECT_TEXT(u"xa\r\n", main().Text1.text());
}

TEST_F(StartWithPageTest, WhatIsNotOpenedIsToldAsTheMainWindowShows) {
    fs::path a = dir / "a.html";
    writeBytes(a, "a\r\n");
    ASSERT_EQ(::mkfifo((dir / "pipe.html").c_str(), 0600), 0);
    // The page, why it cannot be read (if it cannot), the other pages and what they say.
    const std::tuple<fs::path, const char16_t*, int, const char16_t*> cases[] = {
        {a, nullptr, 0, nullptr},
        {dir / "missing.html", u"No such file or directory", 0, nullptr},
        {dir, u"Is a directory", 0, nullptr},
        {dir / "pipe.html", u"It is not a regular file", 0, nullptr}, // and never waits
        {a, nullptr, 1,
         u"Tolva edits one page at a time, so the second page named was not opened."},
        {dir / "missing.html", u"No such file or directory", 3,
         u"Tolva edits one page at a time, so the other 3 pages named were not opened."},
    };
    for (auto [page, failure, others, othersMessage] : cases) {
        SCOPED_TRACE(page.string() + " and " + std::to_string(others));
        ScriptedPlatform sp;
        Program program{sp.platform};
        if (failure)
            sp.dialogs.expectMessage(u"The page could not be opened from " + pathOf(page) +
                                         u"\r\n\r\n" + failure,
                                     forms::vbExclamation, u"Tolva", forms::vbOK);
        if (othersMessage)
            sp.dialogs.expectMessage(othersMessage, forms::vbInformation, u"Tolva", forms::vbOK);
        program.pageAtStart = pathOf(page);
        program.otherPagesAtStart = others;
        program.launch();
        Tolva* w = program.loaded<Tolva>();
        ASSERT_NE(w, nullptr);
        EXPECT_TEXT(failure ? initialPage() : u"a\r\n", w->Text1.text());
        EXPECT_TEXT(failure ? String(u"Untitled[]: Tolva -By Quendry")
                            : pathOf(a) + u":  Tolva - by Quendry",
                    w->caption());
    }
}

} // namespace
