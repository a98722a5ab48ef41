// The list dialog: its two modes, the lists it builds and refused counts.
#include "dialogs/BulNumCreater.h"
#include "dialogs/DialogTest.h"

using namespace testing_support;

namespace {

using BulNumCreaterTest = DialogTest<BulNumCreater>;

TEST_F(BulNumCreaterTest, NumberingReplacesTheSelection) {
    setPage(u"a<ol>b", 1, 4);
    click(open("numberings").btnbulnumcreater);
    EXPECT_TEXT(u"a<OL TYPE=\"1\">\r\n<LI> Point1\r\n</OL>\r\nb", page());
    EXPECT_EQ(program.loaded<BulNumCreater>(), nullptr);
    EXPECT_TRUE(main().Text1.hasFocus());
}

TEST_F(BulNumCreaterTest, CountsThatAreNotWholeOrTooLargeAreRefused) {
    setPage(u"page");
    BulNumCreater& d = open("numberings");
    for (StringView bad : {u"1x2", u"2.5", u"100001", u"5000000000"}) {
        run([&] { d.txtbulnumcreater.setText(bad); });
        expectInvalid();
        click(d.btnbulnumcreater);
        EXPECT_TEXT(u"1", d.txtbulnumcreater.text()) << show(bad);
        EXPECT_TEXT(u"page", page());
        ASSERT_EQ(program.loaded<BulNumCreater>(), &d) << "the dialog stays for another try";
    }
    run([&] { d.txtbulnumcreater.setText(u"100000"); });
    click(d.btnbulnumcreater);
    EXPECT_NE(page().find(u"<LI> Point100000\r\n</OL>\r\npage"), String::npos);
}

} // namespace
