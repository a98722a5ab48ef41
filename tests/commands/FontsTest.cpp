// The font group of the main window, the face chooser and the font dialog.
#include "assistant/SmartCorrect.h"
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {

class FontsTest : public ProgramTest {
protected:
    Tolva& w = main();
    FontGroup& f = w.fonts;
};

TEST_F(FontsTest, SizeIconOpensAndClosesATagOrWrapsOneAndTheSizeStaysOneToSeven) {
    run([&] { f.txtfontsize.setText(u"5"); });
    setPage(u"ab", 1, 0);
    run([&] { f.btnfontsize.click(); });
    EXPECT_TEXT(u"a<font size=\"5\">b", w.Text1.text());
    EXPECT_FALSE(f.sizeIdle);

    // A selection in between is wrapped and leaves the pending tag alone.
    run([&] { w.Text1.select(0, 1); });
    run([&] { f.btnfontsize.click(); });
    EXPECT_TEXT(u"<font size=\"5\">a</font><font size=\"5\">b", w.Text1.text());
    EXPECT_FALSE(f.sizeIdle);

    run([&] { w.Text1.select(w.Text1.length(), 0); });
    run([&] { f.btnfontsize.click(); });
    EXPECT_TEXT(u"<font size=\"5\">a</font><font size=\"5\">b</font>", w.Text1.text());
    EXPECT_TRUE(f.sizeIdle);

    // The size box takes one to seven, and the spinner stays inside.
    sp.dialogs.expectMessage(u"Invalid Entry. Font size ranges from 1 to 7", forms::vbCritical,
                             u"Assistant: Tolva", forms::vbOK);
    run([&] { f.txtfontsize.setText(u"9"); });
    EXPECT_TEXT(u"3", f.txtfontsize.text());
    run([&] { f.txtfontsize.setText(u"7"); });
    run([&] { f.fontsizeUpDown.up(); });
    EXPECT_TEXT(u"7", f.txtfontsize.text());
}

TEST_F(FontsTest, FaceAndRgbIconsWrapWithABlankBeforeTheClosingTagAndRefuseAnEmptyField) {
    setPage(u"x", 0, 1);
    run([&] { f.Combo1.setListIndex(10); }); // Verdana
    run([&] { f.command6.click(); });
    EXPECT_TEXT(u"<font face=\"Verdana\">x </font>", w.Text1.text());

    // An empty field is refused and inserts nothing.
    setPage(u"x", 0, 1);
    run([&] { f.Text4.setText(u""); });
    sp.dialogs.expectMessage(u"Invalid. Enter or choose a valid font name", forms::vbCritical,
                             u"Assistant: Tolva", forms::vbOK);
    run([&] { f.command6.click(); });
    EXPECT_TEXT(u"Times New Roman", f.Text4.text());
    EXPECT_TEXT(u"x", w.Text1.text());

    // RGB needs six characters.
    run([&] { f.Text3.setText(u"FF00"); });
    sp.dialogs.expectMessage(u"Invalid value, 6 letters/numbers are required for RGB",
                             forms::vbOKOnly, u"Tolva", forms::vbOK);
    run([&] { f.command5.click(); });
    EXPECT_TEXT(u"", f.Text3.text());
    run([&] { f.Text3.setText(u"FF0000"); });
    run([&] { f.command5.click(); });
    EXPECT_TEXT(u"<font color=\"#FF0000\">x </font>", w.Text1.text());
}

TEST_F(FontsTest, FaceChooserListsFontsFromTheSecondOnAndSetsAFaceTag) {
    setPage(u"x", 0, 1);
    run([&] { w.menu("mnuhider").click(); }); // unrelated state must not matter
    run([&] { w.fonts.btnmorefonts.click(); });
    FontCombo& c = *program.loaded<FontCombo>();
    EXPECT_TEXT(u"Courier New", c.Combo1.item(0));
    run([&] { c.Combo1.setListIndex(1); });
    run([&] { c.Command1.click(); });
    run([] {});
    EXPECT_TEXT(u"<font face= \"Georgia\">x </font>", w.Text1.text());
    EXPECT_EQ(program.loaded<FontCombo>(), nullptr);
}

TEST_F(FontsTest, FontDialogBuildsOneTagOfTheChangedAttributesAndOkHandsItBack) {
    setPage(u"[Hello]", 1, 5);
    run([&] { w.menu("mnufont").click(); });
    Fonty& d = *program.loaded<Fonty>();
    run([&] { d.txtfontsize.setText(u"5"); });
    run([&] { d.Combo2.setText(u"red"); });
    run([&] { d.Text1.select(0, 5); });
    run([&] { d.Command1.click(); });
    EXPECT_TEXT(u"<font size=\"5\" color=\"red\">Hello</font>", d.Text1.text());
    run([&] { d.OKButton.click(); });
    run([] {});
    EXPECT_TEXT(u"[<font size=\"5\" color=\"red\">Hello</font>]", w.Text1.text());
    EXPECT_EQ(program.loaded<Fonty>(), nullptr);
}

TEST_F(FontsTest, EditLoadsTheFontTagAroundTheCaretIntoTheFieldsAndTheRgbBoxFollowsItsCheck) {
    setPage(u"", 0, 0);
    run([&] { w.fonts.BeginFont.click(); });
    Fonty& d = *program.loaded<Fonty>();
    run([&] { d.Text1.setText(u"<font color=\"red\">x</font>"); });
    run([&] { d.Text1.setSelStart(6); });
    run([&] { d.SmartSelect.click(); });
    EXPECT_TEXT(u" <font color=\"red\">x</font>", d.Text1.text());
    EXPECT_TEXT(u"red", d.Combo2.text());

    // Ticked, the RGB box is filled when too short, and a named colour waits for unticking.
    run([&] { d.Text3.setText(u""); });
    run([&] { d.Check1.setValue(1); });
    EXPECT_TRUE(d.Text3.enabled());
    sp.dialogs.expectMessage(u"Invalid value, 6 letters/numbers are required for RGB",
                             forms::vbOKOnly, u"Tolva", forms::vbOK);
    run([&] { d.Command1.MouseMove(); });
    EXPECT_TEXT(u"000000", d.Text3.text());
    EXPECT_TEXT(u" color=\"#000000\"", d.colourAttr);
    run([&] { d.Combo2.setText(u"blue"); });
    EXPECT_TEXT(u" color=\"#000000\"", d.colourAttr) << "the named colour waits";
    run([&] { d.Check1.setValue(0); });
    EXPECT_TEXT(u" color=\"blue\"", d.colourAttr);
}

TEST_F(FontsTest, SmartCorrectOnAFontTagOpensTheDialogOverTheTagSoOkNeverDeletesIt) {
    const String page = u"AB <font color=\"#FF0000\" face=\"Arial\" size=\"3\">x</font> IJ";
    setPage(page, 8, 0);
    run([&] { smartCorrect(w.page); });
    Fonty& d = *program.loaded<Fonty>();
    const String tag = u"<font color=\"#FF0000\" face=\"Arial\" size=\"3\">";
    EXPECT_TEXT(tag, d.Text1.text());
    EXPECT_TEXT(tag, d.Text1.selText());
    EXPECT_EQ(d.Check1.value(), 1) << "a # colour is an RGB code";
    EXPECT_TEXT(u" color=\"#FF0000\"", d.colourAttr);
    run([&] { d.OKButton.click(); });
    EXPECT_TEXT(page, w.Text1.text()) << "OK alone changes nothing";

    setPage(page, 8, 0);
    run([&] { smartCorrect(w.page); });
    Fonty& again = *program.loaded<Fonty>();
    run([&] { again.Command1.click(); });
    run([&] { again.OKButton.click(); });
    String now = w.Text1.text();
    EXPECT_TRUE(StringView(now).starts_with(u"AB <font color=\"#FF0000\"") &&
                StringView(now).ends_with(u">x</font> IJ"))
        << show(now);
}

} // namespace
