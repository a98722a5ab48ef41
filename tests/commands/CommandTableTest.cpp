// Controls that do what another does, placeholders, every button runs a command; the command
// box runs its codes whole and case-sensitively; the Options switches of the assistant.
#include "commands/Commands.h"
#include "support/ProgramTest.h"

#include <stdexcept>

using namespace testing_support;

namespace {

class CommandTableTest : public ProgramTest {
protected:
    Tolva& w = main();
};

TEST_F(CommandTableTest, ARowThatDoesWhatAnotherDoesRunsThatOnesCommandUnderItsOwnName) {
    using commands::Id;
    EXPECT_EQ(commands::find("pictnew"), commands::find(Id::new_));
    EXPECT_EQ(commands::find("mastertmpclip"), commands::find(Id::mnuMaster));
    EXPECT_EQ(commands::find(Id::Frame1), nullptr) << "a control without a command";
    EXPECT_EQ(commands::find("nosuchcommand"), nullptr);
    EXPECT_THROW(commands::run(w, "nosuchcommand"), std::logic_error);
    EXPECT_THROW(commands::run(w, "Frame1"), std::logic_error);
}

TEST_F(CommandTableTest, APlaceholderIsReplacedOnceAndAnUnknownOneStays) {
    EXPECT_TEXT(u"<A>{n}</A>{x}",
                commands::expand(u"<A>{S}</A>{x}", {{u"{S}", u"{n}"}, {u"{n}", u"1"}}));
    EXPECT_TEXT(u"{", commands::expand(u"{", {{u"{S}", u"s"}}));
    // Each place a placeholder stands gets its text, however often that is.
    EXPECT_TEXT(u"[ab|ab|ab]", commands::expand(u"[{S}|{S}|{S}]", {{u"{S}", u"ab"}}));
}

TEST_F(CommandTableTest, EveryButtonOfTheWindowRunsACommand) {
    for (forms::Control* c : w.controls())
        if (auto* b = dynamic_cast<forms::Button*>(c)) {
            EXPECT_TRUE(b->Click) << c->name();
            EXPECT_NE(commands::find(c->name()), nullptr) << c->name();
        }
}

TEST_F(CommandTableTest, CommandBoxRunsAWholeCaseSensitiveCodeAndF4EmptiesAndFocusesIt) {
    forms::TextBox& box = w.commandBox.tevcmd;
    setPage(u"[x]", 1, 1);
    for (StringView miss : {u"TEVBLD", u" tevbl", u"tevbl"}) {
        run([&] { box.setText(miss); });
        EXPECT_TEXT(u"[x]", w.Text1.text()) << show(miss);
    }
    run([&] { box.setText(u""); });
    typeChars(box, u"tevbld");
    EXPECT_TEXT(u"[<B>x</B>]", w.Text1.text());
    EXPECT_TEXT(u"", box.text()) << "the buffer's change empties the box";

    setPage(u"", 0, 0);
    typeChars(box, u"tevbtn");
    EXPECT_TEXT(u"<INPUT TYPE=\"BUTTON\"  VALUE=\"Button1\"  NAME=\"Button1\" > ", w.Text1.text());
    // A command that edits later, by typed keys, leaves its code in the box.
    run([&] { w.commandBox.mnutevcmd_Click(); });
    EXPECT_TRUE(box.hasFocus());
    run([&] { box.setText(u"tevpa"); });
    run([&] { w.menu("mnutevcmd").click(); });
    EXPECT_TEXT(u"", box.text());
    EXPECT_TRUE(box.hasFocus());
}

TEST_F(CommandTableTest, AutoCompleteSwitchAsksAboutPromptsOnlyWhenSwitchedOn) {
    run([&] { w.menu("mnuautocorrect").click(); });
    EXPECT_FALSE(w.mnuautocorrect.checked());
    EXPECT_FALSE(w.mnuassistant.enabled());
    EXPECT_TRUE(w.mnuassistant.checked()) << "switching off leaves the prompt switch";

    sp.dialogs.expectMessage(
        u"Would you like to have an active assistant? That is message prompts like:       "
        u"\rThis looks like an anchor tag. Would you like Tolva to assist you?    \r - to "
        u"appear? Assistant makes your job faster and safer by prompting. You can turn them off "
        u"from the options menu.",
        36, u"Would you like to have an Assistant to make your job faster and safer?", forms::vbNo);
    run([&] { w.menu("mnuautocorrect").click(); });
    EXPECT_TRUE(w.mnuassistant.enabled());
    EXPECT_FALSE(w.mnuassistant.checked());
    EXPECT_FALSE(w.assistant.assistprompt);
}

} // namespace
