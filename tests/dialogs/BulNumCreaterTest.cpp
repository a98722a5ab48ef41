// The list dialog: its two modes, the lists it builds, its count box and refused counts.
#include "dialogs/BulNumCreater.h"
#include "commands/Commands.h"
#include "support/ProgramTest.h"

using namespace testing_support;
using forms::String;

namespace {

class BulNumCreaterTest : public ProgramTest {
protected:
    BulNumCreater& open(const char* command) {
        Tolva& w = main();
        run([&] { commands::run(w, command); });
        return *program.loaded<BulNumCreater>();
    }
    void press() {
        run([&] { program.loaded<BulNumCreater>()->btnbulnumcreater.click(); });
    }
    String page() { return main().Text1.text(); }
};

TEST_F(BulNumCreaterTest, NumberingOpensWithItsTypesAndBuildsTheFirst) {
    setPage(u"a<ol>b", 1, 4);
    BulNumCreater& d = open("numberings");
    EXPECT_TEXT(u"Numbering", d.caption());
    EXPECT_TEXT(u"Create Numbered List", d.btnbulnumcreater.caption());
    EXPECT_EQ(d.type.list().items(), (std::vector<String>{u"1", u"A", u"a", u"I", u"i"}));
    EXPECT_EQ(d.type.listIndex(), 0);
    EXPECT_TEXT(u"1", d.txtbulnumcreater.text());
    press();
    EXPECT_TEXT(u"a<OL TYPE=\"1\">\r\n<LI> Point1\r\n</OL>\r\nb", page());
    EXPECT_EQ(program.loaded<BulNumCreater>(), nullptr);
    EXPECT_TRUE(main().Text1.hasFocus());

    // Three by the arrows, of type A; then none at all.
    setPage(u"");
    BulNumCreater& three = open("numberings");
    run([&] { three.type.setListIndex(1); });
    run([&] { three.bulnumcreaterUpDown.up(); });
    run([&] { three.bulnumcreaterUpDown.up(); });
    press();
    EXPECT_TEXT(u"<OL TYPE=\"A\">\r\n<LI> Point1\r\n<LI> Point2\r\n<LI> Point3\r\n</OL>\r\n",
                page());
    setPage(u"");
    enter(open("numberings").txtbulnumcreater, u"0");
    press();
    EXPECT_TEXT(u"<OL TYPE=\"1\">\r\n</OL>\r\n", page());
}

TEST_F(BulNumCreaterTest, TheOtherOpenerSwitchesAnOpenDialogInPlace) {
    setPage(u"");
    BulNumCreater& d = open("numberings");
    run([&] { d.type.setListIndex(3); });
    enter(d.txtbulnumcreater, u"2");
    run([&] { main().menu("bulleta").click(); });
    EXPECT_EQ(program.loaded<BulNumCreater>(), &d);
    EXPECT_TEXT(u"Bullets", d.caption());
    EXPECT_TEXT(u"Create Bulletted List", d.btnbulnumcreater.caption());
    EXPECT_EQ(d.type.list().items(), (std::vector<String>{u"disc", u"circle", u"square"}));
    EXPECT_TEXT(u"disc", d.type.text());
    run([&] { d.type.setListIndex(2); });
    press();
    EXPECT_TEXT(u"<UL TYPE=\"square\"> \r\n<LI> Point1\r\n<LI> Point2\r\n</UL>\r\n", page());

    run([&] { main().menu("bulleta").click(); });
    run([&] { main().menu("numberinga").click(); });
    EXPECT_TEXT(u"Numbering", program.loaded<BulNumCreater>()->caption());
    EXPECT_TEXT(u"1", program.loaded<BulNumCreater>()->type.text());
}

TEST_F(BulNumCreaterTest, CountsThatAreNotWholeOrTooLargeAreRefused) {
    setPage(u"page");
    BulNumCreater& d = open("numberings");
    for (StringView bad : {u"1x2", u"2.5", u"100001", u"5000000000"}) {
        run([&] { d.txtbulnumcreater.setText(bad); });
        expectInvalid();
        press();
        EXPECT_TRUE(sp.dialogs.done()) << show(bad);
        EXPECT_TEXT(u"1", d.txtbulnumcreater.text());
        EXPECT_TEXT(u"page", page());
        ASSERT_EQ(program.loaded<BulNumCreater>(), &d) << "the dialog stays for another try";
    }
    run([&] { d.txtbulnumcreater.setText(u"100000"); });
    press();
    EXPECT_EQ(program.loaded<BulNumCreater>(), nullptr);
    EXPECT_NE(page().find(u"<LI> Point100000\r\n</OL>\r\npage"), String::npos);
}

} // namespace
