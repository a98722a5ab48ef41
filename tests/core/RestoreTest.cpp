// Restore points: names on both menu items, defaults, unset points, and restoring.
#include "commands/Commands.h"
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {
constexpr forms::StringView kAsk = u"Enter the name of the restore point";

class RestoreTest : public ProgramTest {
protected:
    Tolva& w = main();
    void create(const char* item, forms::StringView defaultName, forms::StringView answer) {
        sp.dialogs.expectInput(kAsk, u"Assistant: Tolva", defaultName, answer);
        run([&] { commands::run(w, item); });
    }
};

TEST_F(RestoreTest, CreatingNamesBothItemsAndAnUnsetPointOffersToCreate) {
    setPage(u"first version");
    create("mnucrestore2", u"Restore Point 2", u"Before tables");
    EXPECT_TEXT(u"Before tables", w.menu("mnurrestore2").caption());
    EXPECT_TRUE(w.menu("mnucrestore2").checked());
    create("mnucrestore2", u"Restore Point 2", u"");
    EXPECT_TEXT(u"Restore Point 2", w.menu("mnucrestore2").caption());
    EXPECT_TEXT(u"Restore Point 2", w.menu("mnurrestore2").caption());

    // An unset point offers to create one, without restoring.
    setPage(u"");
    create("mnucrestore1", u"Restore Point 1", u"Empty"); // from an empty page: still unset
    setPage(u"now");
    sp.dialogs.expectMessage(u"Restore point not set, would you like to set it now?",
                             forms::vbYesNo, u"Assistant: Restore point", forms::vbYes);
    create("mnurrestore1", u"Restore Point 1", u"Start");
    EXPECT_TEXT(u"now", w.Text1.text());
    EXPECT_TEXT(u"Start", w.menu("mnurrestore1").caption());
    EXPECT_TEXT(u"now", w.page.restorePoint[1]);
}

TEST_F(RestoreTest, UsingTakesThePageBackAndMarksItModifiedAsOftenAsAsked) {
    setPage(u"snapshot\r\npage");
    sp.dialogs.expectInput(kAsk, u"Assistant: Tolva", u"Restore Point 1", u"");
    run([&] { w.pictrest.click(); });
    for (int answer : {forms::vbNo, forms::vbYes, forms::vbYes}) {
        setPage(u"edited", 3);
        w.page.star = u"";
        sp.dialogs.expectMessage(u"Using restore point is going to take your page back to the last "
                                 u"time restore point was created. Proceed?",
                                 forms::vbYesNo, u"Assistant : Confirm restore", answer);
        run([&] { w.picturest.click(); });
        EXPECT_TEXT(answer == forms::vbNo ? u"edited" : u"snapshot\r\npage", w.Text1.text());
        EXPECT_TEXT(answer == forms::vbNo ? u"" : u"*", w.page.star);
    }
    EXPECT_EQ(w.Text1.selStart(), 0);
}

} // namespace
