// Every table that names commands names one the command table has; the command box runs
// its codes whole and case-sensitively; the Options switches of the assistant.
#include "assistant/TypingAssistant.h"
#include "commands/CommandBox.h"
#include "commands/Commands.h"
#include "commands/Menus.h"
#include "commands/Panel.h"
#include "support/ProgramTest.h"

#include <set>
#include <string>

using namespace testing_support;

namespace {

class CommandTableTest : public ProgramTest {
protected:
    Tolva& w = main();
};

TEST_F(CommandTableTest, EveryNameInEveryTableIsACommandAndEveryRowIsNamedOnce) {
    std::set<std::string_view> rows;
    for (const commands::Command& c : commands::table())
        EXPECT_TRUE(rows.insert(c.name).second) << c.name << " listed twice";
    std::set<std::string_view> panelControls;
    for (const panel::Entry& e : panel::entries()) {
        EXPECT_TRUE(panelControls.insert(e.control).second) << "panel lists twice: " << e.control;
        EXPECT_NE(w.find(std::string(e.control)), nullptr) << "panel: " << e.control;
        EXPECT_TRUE(!e.command || rows.count(e.control)) << "panel: " << e.control;
    }
    for (const panel::Group& g : panel::groups())
        EXPECT_NE(dynamic_cast<forms::Frame*>(w.find(std::string(g.frame))), nullptr) << g.frame;
    for (const MenuEntry& e : menuTable())
        if (!e.command.empty()) {
            EXPECT_TRUE(rows.count(e.command)) << "menu: " << e.name;
        }
    for (const CommandBox::Code& c : CommandBox::codes())
        EXPECT_TRUE(rows.count(c.command)) << "command box: " << c.command;
    for (const TypingAssistant::Row& r : TypingAssistant::rows())
        for (const TypingAssistant::Op& op : r.ops)
            if (op.kind == TypingAssistant::Op::Run) {
                EXPECT_TRUE(rows.count(op.command)) << "assistant: " << op.command;
            }
    EXPECT_THROW(commands::run(w, "nosuchcommand"), std::logic_error);
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
