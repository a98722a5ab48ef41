// The object dialog: defaults, switches, the fallback text, browsing and the builder.
#include "dialogs/Objecter.h"
#include "commands/Commands.h"
#include "support/ProgramTest.h"

using namespace testing_support;

namespace {

class ObjecterTest : public ProgramTest {
protected:
    Objecter& open() {
        run([&] { commands::run(main(), "object"); });
        return *program.loaded<Objecter>();
    }
    void press(Objecter& d) {
        run([&] { d.OKButton.click(); });
    }
    forms::String page() { return main().Text1.text(); }
};

TEST_F(ObjecterTest, DefaultsBuildTheEmbedElementAndUnload) {
    setPage(u"<>", 1);
    Objecter& d = open();
    EXPECT_TEXT(u"Insert Object", d.caption());
    EXPECT_TEXT(u"Insert Objects. Objects are not widely supported.", d.StatusBar1.text());
    run([&] { d.src.setText(u"a.mid"); });
    press(d);
    EXPECT_TEXT(u"<<EMBED src=\"a.mid\" CONTROLLER=\"FALSE\"  AUTOSTART=\"FALSE\" LOOP=\"FALSE\" "
                u"WIDTH=\"75\" HEIGHT=\"10\" VOLUME=\"50\"> <noembed>Sorry pal, there's no object "
                u"for you.</noembed>>",
                page());
    EXPECT_EQ(program.loaded<Objecter>(), nullptr);
}

TEST_F(ObjecterTest, SwitchesAndNumbersAsSet) {
    setPage(u"", 0);
    Objecter& d = open();
    run([&] {
        d.src.setText(u"clip.avi");
        d.controller.click();
        d.Autostart.click();
        d.Loopa.click();
        d.Loopa.click();
        d.Widther.setText(u"320");
        d.Heighter.setText(u"240");
        d.NoEmbed.setText(u"none");
    });
    EXPECT_TEXT(u"FALSE", d.loopValue);
    press(d);
    EXPECT_TEXT(u"<EMBED src=\"clip.avi\" CONTROLLER=\"TRUE\"  AUTOSTART=\"TRUE\" LOOP=\"FALSE\" "
                u"WIDTH=\"320\" HEIGHT=\"240\" VOLUME=\"50\"> <noembed>none</noembed>",
                page());
}

TEST_F(ObjecterTest, BoxesRefuseNonDigitsAndRefillWhenEmptied) {
    Objecter& d = open();
    run([&] { d.Volume.select(2, 0); });
    expectInvalid();
    typeChars(d.Volume, u"x");
    EXPECT_TEXT(u"50", d.Volume.text());
    run([&] { d.Widther.setText(u""); });
    run([&] { d.Heighter.setText(u""); });
    EXPECT_TEXT(u"75", d.Widther.text());
    EXPECT_TEXT(u"10", d.Heighter.text());

    // The fallback text comes back only when the box is left.
    run([&] { d.NoEmbed.setFocus(); });
    run([&] { d.NoEmbed.setText(u""); });
    EXPECT_TEXT(u"", d.NoEmbed.text());
    run([&] { d.src.setFocus(); });
    EXPECT_TEXT(u"Sorry pal, there's no object for you.", d.NoEmbed.text());
}

TEST_F(ObjecterTest, AnEmptySourceIsRefusedAndBrowseFillsIt) {
    setPage(u"page", 0);
    Objecter& d = open();
    sp.dialogs.expectMessage(u"No URL selected. Please choose a valid Object", forms::vbCritical,
                             u"Assistant: Tolva", forms::vbOK);
    press(d);
    ASSERT_EQ(program.loaded<Objecter>(), &d);
    EXPECT_TRUE(d.src.hasFocus());
    EXPECT_TEXT(u"page", page());

    sp.dialogs.expectFile(false, u"/media/a.mid");
    run([&] { d.brw.click(); });
    EXPECT_TEXT(u"/media/a.mid", d.src.text());
    EXPECT_TEXT(u"", sp.dialogs.lastFileRequest.title);
    sp.dialogs.expectFile(false, std::nullopt);
    run([&] { d.brw.click(); });
    EXPECT_TEXT(u"/media/a.mid", d.src.text()) << "cancel leaves the name the dialog held";
}

} // namespace
