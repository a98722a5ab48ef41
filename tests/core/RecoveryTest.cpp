// The recovery copy in the program: when it is written and what it holds, when it goes, and
// the question at the next start after a run died.
#include "page/Recovery.h"
#include "core/Splash.h"
#include "page/Texts.h"
#include "support/FileTest.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace testing_support;

namespace {

struct RecoveryTest : FileTest {
    fs::path state;

    void SetUp() override {
        FileTest::SetUp();
        state = dir / "state" / "tolva";
        sp.state.dir = state.string();
    }

    std::vector<fs::path> copies() const {
        std::vector<fs::path> out;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(state, ec))
            if (e.path().extension() == ".recovery") out.push_back(e.path());
        return out;
    }
    // The one copy on disk.
    recovery::Copy onDisk() const {
        auto all = copies();
        EXPECT_EQ(all.size(), 1u);
        if (all.empty()) return {};
        auto c = recovery::decode(readBytes(all.front()));
        EXPECT_TRUE(c) << "a whole recovery file";
        return c.value_or(recovery::Copy{});
    }
    void type(forms::StringView s) { typeChars(main().Text1, s); }
    // A copy left by a run that died: nobody holds its lock.
    fs::path leave(const recovery::Copy& c, const std::string& id = "4242") {
        fs::create_directories(state);
        fs::path p = state / (id + ".recovery");
        writeBytes(p, recovery::encode(c));
        writeBytes(state / (id + ".lock"), "");
        return p;
    }
    // Starts the program and leaves the splash, if it shows, as a click does.
    void start() {
        program.launch();
        run([&] {
            if (auto* splash = program.loaded<Splash>()) splash->Frame1.Click();
        });
    }
    void expectOffer(forms::StringView name, int answer) {
        sp.dialogs.expectMessage(u"Tolva was closed without saving " + String(name) +
                                     u". Recover the unsaved text?",
                                 forms::vbYesNo + forms::vbQuestion, u"Tolva", answer);
    }
};

// What it holds of an opened file: KillTest, after a real kill; its bytes: RecoveryFileTest.
TEST_F(RecoveryTest, WrittenAPauseAfterTheLastChangeAndAtIntervalsWhileTypingGoesOn) {
    setPage(u"<p></p>", 3);
    type(u"Hi");
    sp.clock.advance(Recovery::pauseMs - 1);
    EXPECT_TRUE(copies().empty()) << "not before the pause";
    type(u"!");
    sp.clock.advance(Recovery::pauseMs - 1);
    EXPECT_TRUE(copies().empty()) << "each change starts the pause again";
    sp.clock.advance(1);
    recovery::Copy c = onDisk();
    EXPECT_TEXT(u"<p>Hi!</p>", c.text);
    EXPECT_EQ(c.selStart, 6);
    EXPECT_TEXT(Captions::untitled, c.name);
    // This run's own, and readable by the user alone.
    ASSERT_EQ(copies().size(), 1u);
    fs::path file = copies().front();
    EXPECT_EQ(file, program.recovery().path());
    EXPECT_EQ(file.filename().string(), std::to_string(::getpid()) + ".recovery");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::group_all, fs::perms::none);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::others_all, fs::perms::none);
    EXPECT_EQ(fs::status(state).permissions() & fs::perms::others_all, fs::perms::none);

    // A key every half second for 12 s: copied 5 s after the first unwritten change, then
    // again at the pause after the last.
    int before = sp.state.posted;
    for (int i = 0; i < 24; ++i) {
        type(u"x");
        sp.clock.advance(500);
    }
    EXPECT_EQ(sp.state.posted - before, 2);
    sp.clock.advance(Recovery::pauseMs);
    EXPECT_EQ(sp.state.posted - before, 3);
    EXPECT_TEXT(main().Text1.text(), onDisk().text);
    sp.clock.advance(60'000);
    EXPECT_EQ(sp.state.posted - before, 3) << "nothing new, nothing written";
}

TEST_F(RecoveryTest, GoesWhenThePageIsSavedReplacedOrLetGoAndStaysWhileTheUserKeepsIt) {
    auto typed = [&] {
        type(u"a");
        sp.clock.advance(Recovery::pauseMs);
        ASSERT_EQ(copies().size(), 1u);
    };
    typed();
    saveAs(dir / "a.html");
    EXPECT_TRUE(copies().empty()) << "saved";

    type(u"b");
    save();
    sp.clock.advance(Recovery::latestMs);
    EXPECT_TRUE(copies().empty()) << "a change saved before its pause is not copied";

    typed();
    sp.dialogs.expectMessage(u"File not saved. Proceed?", Messages::yesNoSafe,
                             u"Assistant: Tolva - Reminder to save", forms::vbYes);
    run([&] { main().new_Click(); });
    sp.clock.advance(Recovery::latestMs);
    EXPECT_TRUE(copies().empty()) << "New";

    typed();
    sp.dialogs.expectMessage(u"File not saved. Save it now?", forms::vbYesNo + forms::vbQuestion,
                             u"Assistant: Tolva - Confirm Save", forms::vbNo);
    open(dir / "a.html");
    sp.clock.advance(Recovery::latestMs);
    EXPECT_TRUE(copies().empty()) << "another page opened";

    typed();
    for (int answer : {forms::vbNo, forms::vbYes})
        sp.dialogs.expectMessage(Messages::exitUnsaved, Messages::yesNoSafe,
                                 u"Assistant: Tolva - Reminder to save", answer);
    run([&] { main().exit_Click(); });
    EXPECT_EQ(copies().size(), 1u) << "the user stays";
    run([&] { main().exit_Click(); });
    EXPECT_TRUE(sp.session.ended);
    EXPECT_TRUE(copies().empty()) << "the user let the page go";
}

TEST_F(RecoveryTest, TheWriterWorksOnACopyAndAWriteStillWaitingCannotBringTheFileBack) {
    sp.state.hold = true;
    setPage(u"", 0);
    type(u"a");
    sp.clock.advance(Recovery::pauseMs);
    type(u"b");
    sp.state.runJobs();
    EXPECT_TEXT(u"a", onDisk().text) << "the text as it was when the write was posted";

    type(u"c");
    sp.clock.advance(Recovery::pauseMs);
    saveAs(dir / "a.html");
    sp.state.runJobs();
    EXPECT_TRUE(copies().empty());
}

TEST_F(RecoveryTest, AtStartYesGivesTheTextBackModifiedUnderItsNameAndASaveAsksNothing) {
    fs::path p = dir / "page.html";
    writeBytes(p, "old\n");
    recovery::Copy c{pathOf(p),
                     u"new\r\n\U0001F600 text\r\n",
                     5,
                     2,
                     {pagefile::Encoding::Utf8, pagefile::Breaks::Lf}};
    fs::path left = leave(c);
    fs::path named = dir / "other.html";
    writeBytes(named, "other");
    program.pageAtStart = pathOf(named);
    expectOffer(pathOf(p), forms::vbYes);
    sp.dialogs.expectMessage(u"Tolva edits one page at a time, so " + pathOf(named) +
                                 u" was not opened: the recovered text is open.",
                             forms::vbInformation, u"Tolva", forms::vbOK);
    start();

    Tolva& w = main();
    EXPECT_TEXT(c.text, w.Text1.text());
    EXPECT_TEXT(u"*", w.page.star);
    EXPECT_TEXT(pathOf(p), w.page.saveme());
    EXPECT_TEXT(pathOf(p) + u"[*]: Tolva -By Quendry", w.caption());
    EXPECT_EQ(w.Text1.selStart(), 5);
    EXPECT_EQ(w.Text1.selLength(), 2);
    EXPECT_TRUE(w.preview.enabled());
    // This run's own copy replaced the old one.
    EXPECT_FALSE(fs::exists(left));
    EXPECT_FALSE(fs::exists(state / "4242.lock"));
    EXPECT_TEXT(c.text, onDisk().text);

    save();
    EXPECT_EQ(readBytes(p), "new\n\xF0\x9F\x98\x80 text\n") << "written as the page's own file";
    EXPECT_TEXT(u"", w.page.star);
    EXPECT_TRUE(copies().empty());
}

TEST_F(RecoveryTest, AtStartNoRemovesTheCopyAndTheNextStartAsksNothing) {
    recovery::Copy c{Captions::untitled, u"lost", 0, 0, {}};
    leave(c);
    expectOffer(Captions::untitled, forms::vbNo);
    start();
    EXPECT_TEXT(u"", main().page.star);
    EXPECT_NE(main().Text1.text(), u"lost");
    EXPECT_TRUE(fs::is_empty(state)) << "neither the copy nor its lock is left";

    Program next{sp.platform};
    next.launch();
    next.runtime().invoke([&] { next.window<Splash>().Frame1.Click(); });
}

TEST_F(RecoveryTest, ACopyOfALiveRunIsLeftAloneAndOfferedOnceThatRunIsGone) {
    fs::path left = leave({u"x.html", u"theirs", 0, 0, {}});
    int fd = ::open((state / "4242.lock").c_str(), O_RDWR);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    start();
    EXPECT_TRUE(fs::exists(left));
    EXPECT_TRUE(fs::exists(state / "4242.lock"));

    // This run's copy sits beside it, under its own name.
    type(u"mine");
    sp.clock.advance(Recovery::pauseMs);
    EXPECT_EQ(copies().size(), 2u);
    EXPECT_TRUE(program.recovery().leftBehind().empty()) << "neither is a dead run's";

    ::close(fd);
    auto found = program.recovery().leftBehind();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TEXT(u"theirs", found.front().copy.text);
    // Held by this run while it asks: another start now passes it by.
    Program other{sp.platform};
    EXPECT_TRUE(other.recovery().leftBehind().empty());
}

} // namespace
