// The image dialog: dimensions and their unit, spacing, browsing, and the builder.
#include "dialogs/Imager.h"
#include "dialogs/DialogTest.h"

using namespace testing_support;

namespace {

class ImagerTest : public DialogTest<Imager> {
protected:
    // Opened on an empty page, with the image named.
    Imager& open() {
        setPage(u"", 0);
        Imager& d = DialogTest::open("Images");
        run([&] { d.imageurl.setText(u"a.gif"); });
        return d;
    }
};

TEST_F(ImagerTest, SpacingFromTheArrowsAndSizesLeftOutWithoutDimensions) {
    Imager& d = open();
    run([&] {
        d.UpDown2.up();
        d.UpDown3.up();
        d.UpDown3.up();
    });
    click(d.OKButton);
    EXPECT_TEXT(u"<IMG SRC=\"a.gif\" BORDER=0 align=\"Left\" ALT=\"Images not available\"  "
                u"hspace=\"2\" vspace=\"1\"> ",
                page());

    // The number boxes refuse a letter; spacing set back to nothing writes nothing.
    run([&] { d.verspace.select(1, 0); });
    expectInvalid();
    typeChars(d.verspace, u"x");
    setPage(u"", 0);
    run([&] { d.horispace.setText(u"0"); });
    click(d.OKButton);
    EXPECT_TEXT(u"<IMG SRC=\"a.gif\" BORDER=0 align=\"Left\" ALT=\"Images not available\" > ",
                page());
}

TEST_F(ImagerTest, DimensionsInPixelsAndIncompleteEntriesKeepTheDialogOpen) {
    Imager& d = open();
    setPage(u"page", 4);
    run([&] { d.txtalternate.setText(u""); });
    run([&] { d.horispace.setText(u"7"); });
    // With dimensions asked for, the entries were once thrown away with the dialog.
    click(d.dimen);
    sp.dialogs.expectMessage(u"One or more entries incomplete", forms::vbExclamation,
                             u"Assistant: Tolva", forms::vbOK);
    click(d.OKButton);
    ASSERT_EQ(program.loaded<Imager>(), &d);

    run([&] { d.txtalignment.setText(u"Top"); });
    run([&] { d.txtalternate.setText(u"A"); });
    click(d.OKButton);
    EXPECT_TEXT(u"page<IMG SRC=\"a.gif\" HEIGHT=\"800\" WIDTH=\"600\" BORDER=0 align=\"Top\" "
                u"ALT=\"A\"  hspace=\"7\"> ",
                page());
    ASSERT_EQ(program.loaded<Imager>(), &d) << "the dialog stays after a build too";
    EXPECT_TRUE(main().Text1.hasFocus());
}

TEST_F(ImagerTest, BrowseCancelledGivesBackTheNameTheFileDialogHeld) {
    Imager& d = open();
    run([&] { d.imageurl.setText(u""); });
    sp.dialogs.expectFile(false, std::nullopt);
    sp.dialogs.expectMessage(u"Invalid url, image not inserted", forms::vbOKOnly, u"Tolva",
                             forms::vbOK);
    click(d.Command1);
    EXPECT_TEXT(u"", d.imageurl.text()) << "no file was ever chosen";
    EXPECT_EQ(program.loaded<Imager>(), &d);

    sp.dialogs.expectFile(false, u"/pics/a.gif");
    click(d.Command1);
    EXPECT_TEXT(u"/pics/a.gif", d.imageurl.text());
    for (const char16_t* typed : {u"", u"typed.gif"}) {
        run([&] { d.imageurl.setText(typed); });
        sp.dialogs.expectFile(false, std::nullopt);
        click(d.Command1);
        EXPECT_TEXT(u"/pics/a.gif", d.imageurl.text())
            << (*typed ? "over a typed name" : "emptied");
    }
}

} // namespace
