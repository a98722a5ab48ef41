// Restore points: names on both menu items, defaults, unset points, and restoring.
#include "commands/Commands.h"
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {
constexpr forms::StringView kAsk = u"Enter the name of the restore point";
constexpr forms::StringView kConfirm = u"Using restore point is going to take your page back to "
                                       u"the last time restore point was created. Proceed?";
} // namespace

class RestoreTest : public ProgramTest {
protected:
    Tolva& w = main();
    void confirm(int answer) {
        sp.dialogs.expectMessage(kConfirm, forms::vbYesNo, u"Assistant : Confirm restore", answer);
    }
};

TEST_F(RestoreTest, CreatingNamesBothItemsAndAnEmptyAnswerGivesTheDefault) {
    setPage(u"first version");
    sp.dialogs.expectInput(kAsk, u"Assistant: Tolva", u"Restore Point 2", u"Before tables");
    run([&] { w.menu("mnucrestore2").click(); });
    EXPECT_TEXT(u"Before tables", w.menu("mnurrestore2").caption());
    EXPECT_TRUE(w.menu("mnucrestore2").checked());
    EXPECT_FALSE(w.menu("mnucrestore1").checked());

    sp.dialogs.expectInput(kAsk, u"Assistant: Tolva", u"Restore Point 2", u"");
    run([&] { commands::run(w, "mnucrestore2"); });
    EXPECT_TEXT(u"Restore Point 2", w.menu("mnucrestore2").caption());
    EXPECT_TEXT(u"Restore Point 2", w.menu("mnurrestore2").caption());
}

TEST_F(RestoreTest, UsingTakesThePageBackAndMarksItModified) {
    setPage(u"snapshot\r\npage");
    sp.dialogs.expectInput(kAsk, u"Assistant: Tolva", u"Restore Point 1", u"");
    run([&] { w.pictrest.click(); });
    setPage(u"edited", 3);
    w.star = u"";
    confirm(forms::vbNo);
    run([&] { w.picturest.click(); });
    EXPECT_TEXT(u"edited", w.Text1.text());
    for (int i = 0; i < 2; ++i) { // the point stays set
        confirm(forms::vbYes);
        run([&] { w.menu("mnurrestore1").click(); });
        EXPECT_TEXT(u"snapshot\r\npage", w.Text1.text());
        EXPECT_EQ(w.Text1.selStart(), 0);
        EXPECT_TEXT(u"Untitled[*]: Tolva -By Quendry", w.caption());
        setPage(u"again");
    }
}

TEST_F(RestoreTest, UnsetPointsOfferToCreateWithoutRestoring) {
    setPage(u"");
    sp.dialogs.expectInput(kAsk, u"Assistant: Tolva", u"Restore Point 1", u"Empty");
    run([&] { commands::run(w, "mnucrestore1"); }); // from an empty page: still unset
    setPage(u"now");
    sp.dialogs.expectMessage(u"Restore point not set, would you like to set it now?",
                             forms::vbYesNo, u"Assistant: Restore point", forms::vbYes);
    sp.dialogs.expectInput(kAsk, u"Assistant: Tolva", u"Restore Point 1", u"Start");
    run([&] { commands::run(w, "mnurrestore1"); });
    EXPECT_TEXT(u"now", w.Text1.text());
    EXPECT_TEXT(u"Start", w.menu("mnurrestore1").caption());
    EXPECT_TEXT(u"now", w.restorePoint[1]);

    sp.dialogs.expectMessage(u"Restore point 3 not set, would you like to set it now?",
                             forms::vbYesNo, u"Assistant: Restore point", forms::vbNo);
    run([&] { commands::run(w, "mnurrestore3"); });
    EXPECT_FALSE(w.menu("mnucrestore3").checked());
}
