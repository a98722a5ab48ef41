// The object dialog: switches, the fallback text, the refused source and the builder.
#include "dialogs/Objecter.h"
#include "dialogs/DialogTest.h"

using namespace testing_support;

namespace {

using ObjecterTest = DialogTest<Objecter>;

TEST_F(ObjecterTest, TheEmbedElementFromDefaultsOrSwitchesAndAnEmptySourceRefused) {
    setPage(u"<>", 1);
    Objecter& d = open("object");
    run([&] { d.src.setText(u"a.mid"); });
    click(d.OKButton);
    EXPECT_TEXT(u"<<EMBED src=\"a.mid\" CONTROLLER=\"FALSE\"  AUTOSTART=\"FALSE\" LOOP=\"FALSE\" "
                u"WIDTH=\"75\" HEIGHT=\"10\" VOLUME=\"50\"> <noembed>Sorry pal, there's no object "
                u"for you.</noembed>>",
                page());

    setPage(u"", 0);
    Objecter& e = open("object");
    run([&] {
        e.src.setText(u"clip.avi");
        e.controller.click();
        e.Autostart.click();
        e.Loopa.click();
        e.Loopa.click();
        e.Widther.setText(u"320");
        e.Heighter.setText(u"");
        e.NoEmbed.setText(u"none");
    });
    click(e.OKButton);
    EXPECT_TEXT(u"<EMBED src=\"clip.avi\" CONTROLLER=\"TRUE\"  AUTOSTART=\"TRUE\" LOOP=\"FALSE\" "
                u"WIDTH=\"320\" HEIGHT=\"10\" VOLUME=\"50\"> <noembed>none</noembed>",
                page());

    // An empty source is refused; an emptied fallback text comes back when the box is left.
    setPage(u"page", 0);
    Objecter& f = open("object");
    sp.dialogs.expectMessage(u"No URL selected. Please choose a valid Object", forms::vbCritical,
                             u"Assistant: Tolva", forms::vbOK);
    click(f.OKButton);
    ASSERT_EQ(program.loaded<Objecter>(), &f);
    EXPECT_TRUE(f.src.hasFocus());
    EXPECT_TEXT(u"page", page());

    run([&] { f.NoEmbed.setFocus(); });
    run([&] { f.NoEmbed.setText(u""); });
    EXPECT_TEXT(u"", f.NoEmbed.text());
    run([&] { f.src.setFocus(); });
    EXPECT_TEXT(u"Sorry pal, there's no object for you.", f.NoEmbed.text());
}

} // namespace
