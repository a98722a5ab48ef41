// The check itself: the sample pages and their problems, places in the buffer, and pages
// made with the program's own commands and dialogs.
#include "check/Check.h"
#include "check/Problems.h"
#include "commands/Commands.h"
#include "dialogs/BulNumCreater.h"
#include "dialogs/TableCreater.h"
#include "page/InitialPage.h"
#include "support/ProgramTest.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace testing_support;

namespace {

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(CheckTest, SamplePagesShowExactlyTheirExpectedProblems) {
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TOLVA_CHECK_PAGES)) {
        if (entry.path().extension() != ".html") continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++pages;
        String text = forms::fromUtf8(readFile(entry.path()));
        std::string rows;
        // Each row, and what its underline stands under.
        for (const check::Problem& p : check::check(text))
            rows += forms::toUtf8(Problems::row(p)) + " [" +
                    forms::toUtf8(StringView(text).substr(static_cast<size_t>(p.start),
                                                          static_cast<size_t>(p.length))) +
                    "]\n";
        auto expected = entry.path();
        EXPECT_EQ(readFile(expected.replace_extension(".expected")), rows);
    }
    EXPECT_GE(pages, 8);
}

TEST(CheckTest, PlacesCountLineBreaksAndCharactersAsTheBufferDoes) {
    // CR LF is one break of two units, a lone CR or LF one of one; the smiley is two units
    // and one column.
    const String text = u"ab\r\ncd\re\nf\U0001F600g";
    EXPECT_EQ(check::offsetOf(text, 1, 1), 0);
    EXPECT_EQ(check::offsetOf(text, 2, 2), 5);
    EXPECT_EQ(check::offsetOf(text, 3, 1), 7);
    EXPECT_EQ(check::offsetOf(text, 4, 3), 12);
    EXPECT_EQ(check::offsetOf(text, 1, 40), 2) << "past its line's end: at the end";
    EXPECT_EQ(check::offsetOf(text, 9, 1), static_cast<int32_t>(text.size()));

    // The same fault after each kind of break lands on the same tag.
    for (StringView br : {StringView(u"\r\n"), StringView(u"\r"), StringView(u"\n")}) {
        SCOPED_TRACE(br.size() == 2 ? "CR LF" : br[0] == u'\r' ? "CR" : "LF");
        String page = u"<HTML><BODY>" + String(br) + String(br) + u"x <DIV>y" + String(br) +
                      u"</BODY></HTML>";
        auto found = check::check(page);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].line, 3);
        EXPECT_EQ(
            page.substr(static_cast<size_t>(found[0].start), static_cast<size_t>(found[0].length)),
            u"<DIV>");
    }
}

TEST(CheckTest, TheFirstFaultOfALongPageIsFoundAsTheLast) {
    String page = initialPage();
    String body;
    for (int i = 0; i < 2000; ++i)
        body += u"<P ALIGN=\"LEFT\"><B>bold</B> and <FONT SIZE=\"3\">text</FONT></P>\r\n";
    size_t at = page.find(u"</BODY>");
    auto lineOfDiv = static_cast<int32_t>(std::count(
                         page.begin(), page.begin() + static_cast<std::ptrdiff_t>(at), u'\n')) +
                     1;
    page.insert(at, u"<DIV>" + body + u"<SPAN>");
    auto found = check::check(page);
    ASSERT_EQ(found.size(), 2u);
    // Without a body of its own, the fault stands where Tidy opens one: still reported.
    EXPECT_EQ(check::check(u"<DIV>x").size(), 1u);
    EXPECT_EQ(found.front().message, "missing </div>");
    EXPECT_EQ(found.front().line, lineOfDiv);
    EXPECT_EQ(found.back().line, lineOfDiv + 2000);
}

class OwnPagesTest : public ProgramTest {};

TEST_F(OwnPagesTest, APageMadeWithTheProgramsCommandsAndDialogsShowsNoProblem) {
    Tolva& w = main();
    setPage(initialPage(), static_cast<int32_t>(initialPage().find(u"</BODY>")));
    // Cells, list points, a legend and a frame set belong inside what other commands make.
    const commands::Id inside[] = {commands::Id::Points, commands::Id::Column, commands::Id::header,
                                   commands::Id::legend, commands::Id::framz};
    int ran = 0;
    for (int i = 0; i < static_cast<int>(commands::Id::none); ++i) {
        auto id = static_cast<commands::Id>(i);
        const commands::Command* c = commands::find(id);
        if (!c || c->id != id ||
            std::find(std::begin(inside), std::end(inside), id) != std::end(inside))
            continue;
        using K = commands::Kind;
        if (c->kind != K::Wrap && c->kind != K::Toggle && c->kind != K::Numbered &&
            c->kind != K::Typed)
            continue;
        if (c->stem == u"area") {
            sp.dialogs.expectAnyInput(u"25");
            sp.dialogs.expectAnyInput(u"10");
        }
        // Each command wraps a word of its own, on a line of its own.
        run([&w] {
            w.Text1.setSelText(u"\r\nword");
            w.Text1.setSelStart(w.Text1.selStart() - 4);
            w.Text1.setSelLength(4);
        });
        run([&w, id] { commands::run(w, id); });
        run([&w] { w.Text1.setSelStart(w.Text1.find(u"</BODY>")); });
        ++ran;
    }
    EXPECT_GT(ran, 40);

    run([&] { commands::run(w, commands::Id::Table); });
    run([&] { program.loaded<TableCreater>()->btnCreateTbl.click(); });
    for (const char* list : {"Bullet", "numberings"}) {
        run([&] { commands::run(w, list); });
        auto* lists = program.loaded<BulNumCreater>();
        ASSERT_NE(lists, nullptr);
        run([&] { lists->btnbulnumcreater.click(); });
    }

    String page = w.Text1.text();
    ASSERT_NE(page.find(u"<TABLE"), String::npos);
    ASSERT_NE(page.find(u"<UL"), String::npos);
    std::string rows;
    for (const check::Problem& p : check::check(page))
        rows += forms::toUtf8(Problems::row(p)) + "\n";
    EXPECT_EQ(rows, "") << forms::toUtf8(page);
}

} // namespace
