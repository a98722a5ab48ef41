// Page files on real temporary files: what open reads, what save writes, save failures,
// captions and the confirmations of open and new.
#include "dialogs/Bookeeper.h"
#include "page/InitialPage.h"
#include "page/PageFile.h"
#include "support/FileTest.h"

#include <sys/mount.h>

#include <cerrno>
#include <chrono>
#include <cstring>

using namespace testing_support;

namespace {

String saveFailure(const fs::path& p, std::string_view reason) {
    return u"The page could not be saved to " + pathOf(p) + u"\r\n\r\n" + forms::fromUtf8(reason) +
           u"\r\n\r\nNothing was written; the page is not saved.";
}

using FilesTest = FileTest;

TEST_F(FilesTest, PagesAreWrittenInWindows1252OnlyWhenEveryCharacterFits) {
    Tolva& w = main();
    fs::path fits = dir / "fits.html";
    run([&] { w.Text1.setText(u"caf\u00E9 \u20AC"); });
    saveAs(fits);
    EXPECT_EQ(readBytes(fits), "caf\xE9 \x80");

    fs::path wide = dir / "wide.html";
    run([&] { w.Text1.setText(u"\u03A9 caf\u00E9"); });
    saveAs(wide);
    EXPECT_EQ(readBytes(wide), "\xEF\xBB\xBF\xCE\xA9 caf\xC3\xA9");
    open(wide);
    EXPECT_TEXT(u"\u03A9 caf\u00E9", w.Text1.text());

    // A page that once needed UTF-8 stays UTF-8, so its file does not change encoding.
    run([&] { w.Text1.setText(u"plain \u00E9"); });
    save();
    EXPECT_EQ(readBytes(wide), "\xEF\xBB\xBFplain \xC3\xA9");
}

TEST_F(FilesTest, SavingKeepsThePermissionsAndAFailedSaveSaysWhyAndKeepsTheOldFile) {
    Tolva& w = main();
    fs::path kept = dir / "page.html";
    writeBytes(kept, "old\r\n");
    fs::permissions(kept, fs::perms(0640));
    open(kept);
    typeChars(w.Text1, u"x");
    save();
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms(0640));
    EXPECT_EQ(readBytes(kept), "xold\r\n");
    fs::remove(kept);

    fs::path ro = dir / "readonly.html";
    writeBytes(ro, "old\r\n");
    fs::permissions(ro, fs::perms(0444));
    open(ro);
    typeChars(w.Text1, u"x");
    sp.dialogs.expectMessage(saveFailure(ro, "Permission denied"), forms::vbExclamation, u"Tolva",
                             forms::vbOK);
    save();
    EXPECT_EQ(readBytes(ro), "old\r\n");
    EXPECT_TEXT(u"*", w.page.star);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    // Save as into a folder that is not there leaves the name and the marker as they were.
    fs::path gone = dir / "gone" / "new.html";
    sp.dialogs.expectFile(true, pathOf(gone));
    sp.dialogs.expectMessage(saveFailure(gone, "No such file or directory"), forms::vbExclamation,
                             u"Tolva", forms::vbOK);
    run([&] { w.saveas_Click(); });
    EXPECT_TEXT(pathOf(ro), w.page.saveme());
    EXPECT_TEXT(u"*", w.page.star);
}

TEST_F(FilesTest, CaptionsAfterOpenReopenAndSaveAs) {
    Tolva& w = main();
    fs::path p = dir / "a.html";
    writeBytes(p, "a\r\n");
    program.window<Bookeeper>();
    open(p);
    EXPECT_EQ(program.loaded<Bookeeper>(), nullptr) << "the bookmark list is closed";
    open(p);
    EXPECT_TEXT(pathOf(p) + u"[]  - TevPad", w.caption()) << "the same file again";

    fs::path q = dir / "b.html";
    typeChars(w.Text1, u"z");
    saveAs(q);
    EXPECT_EQ(sp.dialogs.lastFileRequest.defaultExt, u"html");
    EXPECT_TEXT(pathOf(q) + u"[]: Tolva -By Quendry", w.caption());
    EXPECT_EQ(readBytes(q), "za\r\n");

    // Undo never brings another file's page back under this file's name; reading the same
    // file again keeps what can be taken back.
    typeChars(w.Text1, u"y");
    save();
    open(q);
    EXPECT_TRUE(w.Text1.canUndo()) << "the same file again";
    open(p);
    EXPECT_FALSE(w.Text1.canUndo());
    EXPECT_TEXT(u"a\r\n", w.Text1.text());
}

TEST_F(FilesTest, OpenCancelledOrUnreadableChangesNothingAndAModifiedPageIsAskedAbout) {
    Tolva& w = main();
    String before = w.Text1.text();
    sp.dialogs.expectFile(false, std::nullopt);
    run([&] { w.open_Click(); });
    // Saying nothing would let the user believe the page was opened.
    sp.dialogs.expectFile(false, pathOf(dir / "missing.html"));
    sp.dialogs.expectMessage(u"The page could not be opened from " + pathOf(dir / "missing.html") +
                                 u"\r\n\r\nNo such file or directory",
                             forms::vbExclamation, u"Tolva", forms::vbOK);
    run([&] { w.open_Click(); });
    EXPECT_TEXT(before, w.Text1.text());
    EXPECT_TEXT(u"Untitled", w.page.saveme());

    fs::path p = dir / "a.html";
    writeBytes(p, "a\r\n");
    typeChars(w.Text1, u"x");
    String modified = w.Text1.text();
    const String ask = u"File not saved. Save it now?", title = u"Assistant: Tolva - Confirm Save";
    sp.dialogs.expectMessage(ask, 36, title, forms::vbYes);
    run([&] { w.open_Click(); });
    EXPECT_TEXT(modified, w.Text1.text()) << "Yes lets the user save first";
    sp.dialogs.expectMessage(ask, 36, title, forms::vbNo);
    open(p);
    EXPECT_TEXT(u"a\r\n", w.Text1.text()) << "No discards the changes";
}

TEST_F(FilesTest, NewAsksFirstAndAlwaysClosesTheBookmarks) {
    Tolva& w = main();
    fs::path p = dir / "a.html";
    writeBytes(p, "a\r\n");
    open(p);
    typeChars(w.Text1, u"x");
    run([&] {
        w.page.buttonNo = 5;
        program.window<Bookeeper>();
    });
    const String ask = u"File not saved. Proceed?", title = u"Assistant: Tolva - Reminder to save";
    sp.dialogs.expectMessage(ask, 292, title, forms::vbNo);
    run([&] { w.new_Click(); });
    EXPECT_TEXT(u"xa\r\n", w.Text1.text());
    EXPECT_TEXT(pathOf(p), w.page.saveme());
    EXPECT_EQ(program.loaded<Bookeeper>(), nullptr);

    sp.dialogs.expectMessage(ask, 292, title, forms::vbYes);
    run([&] { w.new_Click(); });
    EXPECT_TEXT(initialPage(), w.Text1.text());
    EXPECT_TEXT(u"Untitled[]: Tolva -By Quendry", w.caption());
    EXPECT_EQ(w.page.buttonNo, 1);
    EXPECT_FALSE(w.preview.enabled());

    run([&] { w.new_Click(); });
    EXPECT_TEXT(initialPage(), w.Text1.text()) << "a clean page is reset without a question";
}

TEST_F(FilesTest, AutosaveAsksANameForAnUntitledPageAndNeverStacksASecondDialog) {
    Tolva& w = main();
    typeChars(w.Text1, u"x");
    run([&] { w.mnuautosave.click(); });
    int ticksWhileOpen = 0;
    // Ticks that fall due while the save dialog is on screen.
    bool inside = false;
    sp.dialogs.whileOpen = [&] {
        if (inside) return;
        inside = true;
        for (; ticksWhileOpen < 3; ++ticksWhileOpen)
            w.Timer1.fire();
        inside = false;
    };
    sp.dialogs.expectFile(true, std::nullopt);
    sp.clock.advance(5000);
    EXPECT_EQ(ticksWhileOpen, 3);
    EXPECT_TEXT(u"*", w.page.star) << "cancel changes nothing";

    fs::path p = dir / "auto.html";
    sp.dialogs.expectFile(true, pathOf(p));
    sp.clock.advance(5000);
    EXPECT_EQ(readBytes(p), forms::toUtf8(w.Text1.text()));

    // Nor a second failure message while the first is on screen.
    fs::permissions(p, fs::perms(0444));
    typeChars(w.Text1, u"z");
    ticksWhileOpen = 0;
    sp.dialogs.expectMessage(saveFailure(p, "Permission denied"), forms::vbExclamation, u"Tolva",
                             forms::vbOK);
    sp.clock.advance(5000);
    EXPECT_EQ(ticksWhileOpen, 3);
    EXPECT_TEXT(u"*", w.page.star);
}

TEST_F(FilesTest, NamesAsLongAsTheSystemAllowsOrNotUtf8AreSavedUnderTheirOwnBytes) {
    // 255 bytes, the most a name has; Latin-1 "café", a lone continuation byte and a
    // truncated sequence before the dot.
    for (std::string name :
         {std::string(250, 'n') + ".html", std::string("caf\xe9 \x80x\xe2\x82.html")}) {
        fs::path p = dir / name;
        writeBytes(p, "old");
        open(p);
        EXPECT_TEXT(u"old", main().Text1.text());
        typeChars(main().Text1, u"n");
        save();
        EXPECT_EQ(readBytes(p), "nold");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
            << "no second file under a mended name";
        fs::remove(p);
    }
}

TEST_F(FilesTest, ASaveRemovesWhatKilledSavesOfThePageLeftAndNothingElse) {
    fs::path p = dir / "page.html";
    writeBytes(p, "old");
    std::string stem = pagefile::tempStem("page.html");
    // Left by a save killed before this editor started; one of a save running now in
    // another editor; one of another page; a file of the user's.
    fs::path stale = dir / (stem + "a1B2c3");
    fs::path running = dir / (stem + "d4E5f6");
    fs::path other = dir / (pagefile::tempStem("other.html") + "g7H8i9");
    fs::path mine = dir / (stem + "notes.txt");
    for (const fs::path& f : {stale, running, other, mine}) {
        writeBytes(f, "half");
        fs::last_write_time(f, fs::file_time_type::clock::now() - std::chrono::hours(24));
    }
    fs::last_write_time(running, fs::file_time_type::clock::now() + std::chrono::seconds(1));
    open(p);
    typeChars(main().Text1, u"x");
    save();
    EXPECT_EQ(readBytes(p), "xold");
    EXPECT_FALSE(fs::exists(stale));
    for (const fs::path& f : {running, other, mine})
        EXPECT_TRUE(fs::exists(f)) << f;
}

// A read-only mount of its own: needs the right to mount, which a test machine may not give.
TEST_F(FilesTest, AReadOnlyFileSystemIsNamedAsSuch) {
    fs::path ro = dir / "mount";
    fs::create_directory(ro);
    if (::mount("tolva-test", ro.c_str(), "tmpfs", 0, nullptr) != 0)
        GTEST_SKIP() << "cannot mount here: " << std::strerror(errno);
    struct Unmount {
        fs::path at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{ro};
    fs::path p = ro / "page.html";
    writeBytes(p, "old");
    ASSERT_EQ(::mount(nullptr, ro.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0)
        << std::strerror(errno);
    Tolva& w = main();
    open(p);
    typeChars(w.Text1, u"x");
    sp.dialogs.expectMessage(saveFailure(p, "Read-only file system"), forms::vbExclamation,
                             u"Tolva", forms::vbOK);
    save();
    fs::path fresh = ro / "new.html";
    sp.dialogs.expectFile(true, pathOf(fresh));
    sp.dialogs.expectMessage(saveFailure(fresh, "Read-only file system"), forms::vbExclamation,
                             u"Tolva", forms::vbOK);
    run([&] { w.saveas_Click(); });
    EXPECT_EQ(readBytes(p), "old");
    EXPECT_TEXT(u"*", w.page.star);
}

} // namespace
