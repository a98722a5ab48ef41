// The page's file changed or removed by another program: the questions, when they come,
// what their answers do, and saves that must not write over someone else's work.
#include "support/FileTest.h"

using namespace testing_support;

namespace {

constexpr int kYesNo = forms::vbYesNo + forms::vbQuestion;   // 36
constexpr int kYesNoSafe = kYesNo + forms::vbDefaultButton2; // 292

// A question the test does not expect fails it, so steps that must ask nothing need no check.
class DiskWatchTest : public FileTest {
protected:
    fs::path page;

    void SetUp() override {
        FileTest::SetUp();
        page = dir / "page.html";
        writeBytes(page, "a\r\n");
        open(page);
    }
    void activate(bool on = true) {
        run([&] { main().setActive(on); });
    }
    // Another program writes the file, and the watcher tells.
    void writeOutside(std::string_view bytes) {
        writeBytes(page, bytes);
        sp.files.changed();
    }
    void expectAsk(forms::StringView after, int flags, int answer) {
        sp.dialogs.expectMessage(u"The file " + pathOf(page) + String(after), flags, u"Tolva",
                                 answer);
    }
    void expectChanged(bool modified, int answer) {
        expectAsk(modified
                      ? u" was changed by another program. Reload it and lose the changes made "
                        u"here?"
                      : u" was changed by another program. Reload it?",
                  modified ? kYesNoSafe : kYesNo, answer);
    }
    void expectGone(int answer) {
        expectAsk(u" no longer exists. Keep the page open to save it again?", kYesNo, answer);
    }
    void expectOverwrite(int answer) {
        expectAsk(u" was changed by another program since it was opened. Overwrite it?", kYesNoSafe,
                  answer);
    }
};

TEST_F(DiskWatchTest, AChangeIsAskedAtOnceInTheActiveWindowAndReloadReadsTheFileAsOpenDoes) {
    Tolva& w = main();
    activate();
    expectChanged(false, forms::vbYes);
    writeOutside("bb\r\n");
    EXPECT_TEXT(u"bb\r\n", w.Text1.text());
    EXPECT_TEXT(u"", w.page.star);

    // Declined: the page wins, and its next save writes without a question.
    typeChars(w.Text1, u"x");
    expectChanged(true, forms::vbNo);
    writeOutside("ccc\r\n");
    EXPECT_TEXT(u"xbb\r\n", w.Text1.text());
    EXPECT_TEXT(u"*", w.page.star);
    save();
    EXPECT_EQ(readBytes(page), "xbb\r\n");
    EXPECT_TEXT(u"", w.page.star);

    // Declined on an unmodified page: marked modified all the same.
    expectChanged(false, forms::vbNo);
    writeOutside("dddd\r\n");
    EXPECT_TEXT(u"*", w.page.star);
}

// The question waiting for the window, one for several changes: FileWatchViewTest.
TEST_F(DiskWatchTest, ARemovedFileIsKeptAndSavedAgainOnlyWhenTheUserSaysSo) {
    Tolva& w = main();
    activate();
    expectGone(forms::vbNo);
    fs::remove(page);
    sp.files.changed();
    EXPECT_TEXT(u"", w.page.star) << "No leaves the page as it is";
    // Nor does the timer bring back what was removed.
    run([&] { w.mnuautosave.click(); });
    sp.clock.advance(5000);
    EXPECT_FALSE(fs::exists(page));
    // A save by hand does, without asking: nothing on disk to lose.
    save();
    EXPECT_EQ(readBytes(page), "a\r\n");

    expectGone(forms::vbYes);
    fs::remove(page);
    sp.files.changed();
    EXPECT_TEXT(u"*", w.page.star);
    sp.clock.advance(5000);
    EXPECT_EQ(readBytes(page), "a\r\n") << "kept to be saved again: the timer saves it";
    EXPECT_TEXT(u"", w.page.star);
}

TEST_F(DiskWatchTest, TolvasOwnSavesAreNotReportedAndTheWatchFollowsThePage) {
    Tolva& w = main();
    activate();
    EXPECT_TEXT(pathOf(page), sp.files.watched);
    typeChars(w.Text1, u"x");
    save();
    sp.files.changed();
    EXPECT_EQ(readBytes(page), "xa\r\n");

    fs::path other = dir / "other.html";
    saveAs(other);
    EXPECT_TEXT(pathOf(other), sp.files.watched);
    writeBytes(page, "old file, no longer the page's\r\n");
    sp.files.changed();
    save();
    EXPECT_EQ(readBytes(other), "xa\r\n");

    run([&] { w.new_Click(); });
    EXPECT_TEXT(u"", sp.files.watched) << "an untitled page has no file to watch";
}

TEST_F(DiskWatchTest, SavingOverAChangedFileAsksFirst) {
    Tolva& w = main();
    typeChars(w.Text1, u"x");
    writeBytes(page, "theirs\r\n"); // the watcher has not told yet
    expectOverwrite(forms::vbNo);
    save();
    EXPECT_EQ(readBytes(page), "theirs\r\n");
    EXPECT_TEXT(u"*", w.page.star);
    sp.files.changed(); // the change was answered at the save: not asked again
    activate();

    expectOverwrite(forms::vbYes);
    save();
    EXPECT_EQ(readBytes(page), "xa\r\n");
    EXPECT_TEXT(u"", w.page.star);
    int stats = sp.files.stats;
    save(); // once written, the file is the page's again: no question
    EXPECT_EQ(sp.files.stats - stats, 2) << "a check before writing and a stamp after";
}

TEST_F(DiskWatchTest, AutosaveNeverWritesOverAChangedFileNorStacksQuestions) {
    Tolva& w = main();
    typeChars(w.Text1, u"x");
    run([&] { w.mnuautosave.click(); });
    writeBytes(page, "theirs\r\n");
    sp.clock.advance(15000); // the timer asks nothing of a window not in use
    EXPECT_EQ(readBytes(page), "theirs\r\n");

    // Ticks while the question is on screen neither write nor ask again.
    int ticks = 0;
    sp.dialogs.whileOpen = [&] {
        for (; ticks < 3; ++ticks)
            w.Timer1.fire();
    };
    expectChanged(true, forms::vbNo);
    activate();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(readBytes(page), "theirs\r\n");
    sp.clock.advance(5000);
    EXPECT_EQ(readBytes(page), "xa\r\n") << "declined: the page is saved back";

    // Nor while a save's own question is on screen.
    writeBytes(page, "theirs again\r\n");
    typeChars(w.Text1, u"y");
    ticks = 0;
    expectOverwrite(forms::vbNo);
    save();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(readBytes(page), "theirs again\r\n");
    sp.clock.advance(5000);
    EXPECT_EQ(readBytes(page), "theirs again\r\n") << "refused by hand: the timer obeys";
}

} // namespace
