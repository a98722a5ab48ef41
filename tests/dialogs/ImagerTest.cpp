// The image dialog: dimensions and their unit, spacing, browsing, and the builder.
#include "dialogs/Imager.h"
#include "commands/Commands.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

class ImagerTest : public ProgramTest {
protected:
    // Opened on an empty page, with the image named.
    Imager& open(StringView image = u"a.gif") {
        setPage(u"", 0);
        run([&] { commands::run(main(), "Images"); });
        Imager& d = *program.loaded<Imager>();
        run([&] { d.imageurl.setText(image); });
        return d;
    }
    void press(Imager& d) {
        run([&] { d.OKButton.click(); });
    }
    void expectIncomplete() {
        sp.dialogs.expectMessage(u"One or more entries incomplete", forms::vbExclamation,
                                 u"Assistant: Tolva", forms::vbOK);
    }
    String page() { return main().Text1.text(); }
};

TEST_F(ImagerTest, DefaultsWithDimensionsAndTwoPressesInsertTwoTags) {
    Imager& d = open();
    setPage(u"[]", 1);
    EXPECT_TEXT(u"Insert Image: Tolva", d.caption());
    EXPECT_FALSE(d.txtheight.enabled());
    EXPECT_FALSE(d.diminper.enabled());
    EXPECT_EQ(d.txtalignment.listCount(), 10);
    EXPECT_TEXT(u"Center", d.txtalignment.item(9));
    run([&] { d.dimen.click(); });
    EXPECT_TRUE(d.txtheight.enabled() && d.txtwidth.enabled() && d.diminper.enabled());
    press(d);
    const String tag = u"<IMG SRC=\"a.gif\" HEIGHT=\"800\" WIDTH=\"600\" BORDER=0 "
                       u"align=\"Left\" ALT=\"Images not available\" > ";
    EXPECT_TEXT(u"[" + tag + u"]", page());
    ASSERT_EQ(program.loaded<Imager>(), &d);
    EXPECT_TRUE(main().Text1.hasFocus());
    press(d);
    EXPECT_TEXT(u"[" + tag + tag + u"]", page());
}

TEST_F(ImagerTest, ATypedPercentTicksThePercentUnit) {
    Imager& d = open();
    run([&] { d.dimen.click(); });
    run([&] { d.txtheight.select(0, 3); });
    typeChars(d.txtheight, u"50%");
    EXPECT_TEXT(u"50", d.txtheight.text());
    EXPECT_EQ(d.diminper.value(), 1);
    EXPECT_TEXT(u"Height of the image in percentage", d.txtheight.toolTip());
    EXPECT_TEXT(u"Width of the image in percentage", d.txtwidth.toolTip());
    press(d);
    EXPECT_TEXT(u"<IMG SRC=\"a.gif\" HEIGHT=\"50%\" WIDTH=\"600%\" BORDER=0 align=\"Left\" "
                u"ALT=\"Images not available\" > ",
                page());

    run([&] { d.diminper.click(); });
    EXPECT_TEXT(u"", d.unitSuffix);
    EXPECT_TEXT(u"Height of the image in pixels", d.txtheight.toolTip());
    EXPECT_TEXT(u"Width of the image in pixels", d.txtwidth.toolTip());
}

TEST_F(ImagerTest, FieldsSetFromCodeRunTheirHandlers) {
    // As smart correct does: fields filled from an existing tag, then the dialog shown.
    setPage(u"", 0);
    Imager* d = nullptr;
    run([&] {
        d = &program.window<Imager>();
        d->imageurl.setText(u"c.jpg");
        d->dimen.setValue(1);
        d->txtheight.setText(u"40%");
        d->txtwidth.setText(u"30");
        d->txtalternate.setText(u"Cat");
        d->txtalignment.setText(u"Right");
        d->horispace.setText(u"3");
        d->show();
    });
    press(*d);
    EXPECT_TEXT(u"<IMG SRC=\"c.jpg\" HEIGHT=\"40%\" WIDTH=\"30%\" BORDER=0 align=\"Right\" "
                u"ALT=\"Cat\"  hspace=\"3\"> ",
                page());
}

TEST_F(ImagerTest, SpacingSetAndResetAndStepped) {
    Imager& d = open();
    run([&] { d.horispace.setText(u"5"); });
    run([&] { d.horispace.setText(u"0"); });
    EXPECT_TEXT(u"", d.hspaceAttribute);
    run([&] { d.UpDown2.up(); });
    run([&] { d.UpDown3.up(); });
    run([&] { d.UpDown3.up(); });
    press(d);
    EXPECT_TEXT(u"<IMG SRC=\"a.gif\" BORDER=0 align=\"Left\" ALT=\"Images not available\"  "
                u"hspace=\"2\" vspace=\"1\"> ",
                page());
    run([&] {
        d.UpDown2.down();
        d.UpDown2.down();
        d.UpDown1.down();
    });
    EXPECT_TEXT(u"0", d.verspace.text()) << "floor 0";
    EXPECT_TEXT(u"", d.vspaceAttribute);
    EXPECT_TEXT(u"0", d.txtborder.text()) << "floor 0";
}

TEST_F(ImagerTest, NonDigitsInNumberBoxesAreRefusedTheBorderTakesAnyTextAndSizesCanBeLeftOut) {
    Imager& d = open();
    run([&] { d.dimen.click(); });
    for (forms::TextBox* box : {&d.txtwidth, &d.verspace}) {
        run([&] { box->select(box->length(), 0); });
        expectInvalid();
        typeChars(*box, u"x");
    }
    EXPECT_TEXT(u"600", d.txtwidth.text());
    EXPECT_TEXT(u"0", d.verspace.text());

    // Without dimensions the sizes are left out, whatever their boxes hold.
    setPage(u"", 0);
    run([&] {
        d.dimen.setValue(0);
        d.txtalignment.setListIndex(4);
        d.txtborder.setText(u"thin");
        d.UpDown1.up();
    });
    EXPECT_FALSE(d.txtheight.enabled());
    EXPECT_TEXT(u"thin", d.txtborder.text()) << "the arrows leave a non-number alone";
    press(d);
    EXPECT_TEXT(u"<IMG SRC=\"a.gif\" BORDER=thin align=\"Middle\" ALT=\"Images not available\" > ",
                page());
}

TEST_F(ImagerTest, IncompleteEntriesKeepTheDialogOpenWithOrWithoutDimensions) {
    Imager& d = open();
    setPage(u"page", 4);
    run([&] { d.txtalternate.setText(u""); });
    run([&] { d.horispace.setText(u"7"); });
    expectIncomplete();
    press(d);
    ASSERT_EQ(program.loaded<Imager>(), &d);

    // With dimensions asked for, the entries were once thrown away with the dialog.
    run([&] { d.dimen.click(); });
    expectIncomplete();
    press(d);
    ASSERT_EQ(program.loaded<Imager>(), &d);
    EXPECT_TRUE(d.visible());
    EXPECT_TEXT(u"a.gif", d.imageurl.text());
    EXPECT_TEXT(u"7", d.horispace.text());
    EXPECT_EQ(d.dimen.value(), 1);
    run([&] { d.txtalignment.setText(u""); });
    expectIncomplete();
    press(d);
    EXPECT_TEXT(u"page", page());

    run([&] { d.txtalignment.setText(u"Top"); });
    run([&] { d.txtalternate.setText(u"A"); });
    press(d);
    EXPECT_TEXT(u"page<IMG SRC=\"a.gif\" HEIGHT=\"800\" WIDTH=\"600\" BORDER=0 align=\"Top\" "
                u"ALT=\"A\"  hspace=\"7\"> ",
                page());
}

TEST_F(ImagerTest, BrowseAsksWithItsTitleAndCancelKeepsTheTypedSource) {
    Imager& d = open();
    sp.dialogs.expectFile(false, u"/pics/a.gif");
    run([&] { d.Command1.click(); });
    EXPECT_TEXT(u"Select image file", sp.dialogs.lastFileRequest.title);
    EXPECT_TEXT(u"/pics/a.gif", d.imageurl.text());

    run([&] { d.imageurl.setText(u"typed.gif"); });
    sp.dialogs.expectFile(false, std::nullopt);
    run([&] { d.Command1.click(); });
    EXPECT_TEXT(u"typed.gif", d.imageurl.text()) << "cancel loses nothing typed";
    EXPECT_TRUE(sp.dialogs.done()) << "and says nothing";
    EXPECT_TRUE(program.loaded<Imager>());
}

} // namespace
