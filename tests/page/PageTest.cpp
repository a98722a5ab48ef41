// The page under the windows: what it tells its listeners when it changes, is read, saved
// or blanked.
#include "page/Page.h"
#include "support/FileTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testing_support;
using forms::String;
using forms::StringView;

namespace {

struct PageTest : FileTest {
    forms::Runtime rt{sp.platform};
    forms::Registry windows{rt};
    Page page{rt, windows};
    std::vector<std::string> heard;
    forms::Subscription listening = page.listen([this](Page::Event e, StringView path) {
        static const char* names[] = {"changed",  "renamed", "modified", "saved",
                                      "replaced", "cleared", "closed"};
        heard.push_back(std::string(names[static_cast<int>(e)]) +
                        (path.empty() ? "" : " " + forms::toUtf8(path)));
    });
};

TEST_F(PageTest, ReadingWritingAndClearingAreAnnouncedWithTheirFile) {
    fs::path a = dir / "a.html", b = dir / "b.html";
    writeBytes(a, "one\ntwo\n");
    String pa = pathOf(a), pb = pathOf(b);
    ASSERT_TRUE(page.read(pa));
    EXPECT_TEXT(u"one\r\ntwo\r\n", page.Text1.text());
    EXPECT_EQ(heard, (std::vector<std::string>{"changed", "replaced " + a.string()}));
    heard.clear();

    page.markModified();
    page.setSaveme(pa);
    page.setSaveme(pa); // the same name again is no news
    ASSERT_TRUE(page.write(pb));
    EXPECT_EQ(readBytes(b), "one\ntwo\n") << "written back with the file's own line breaks";
    EXPECT_EQ(heard, (std::vector<std::string>{"modified", "renamed " + a.string(),
                                               "saved " + b.string()}));
    heard.clear();

    page.blank();
    EXPECT_EQ(page.Text1.text(), page.attempt.text());
    EXPECT_TEXT(u"", page.star);
    EXPECT_EQ(heard, (std::vector<std::string>{"changed", "cleared"}));
}

} // namespace
