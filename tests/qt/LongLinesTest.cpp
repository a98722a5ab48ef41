// The display-only pieces of very long lines: where they are cut, the offset map, and a
// long line edited through the real window, which must stay the page's exact mirror.
#include "QtProgramTest.h"

#include "qt/LongLines.h"

#include <QTextBlock>

using namespace testing_support;
using tolva::qt::LongLines;

TEST(LongLinesTest, CutsOnlyTooLongLinesAfterATagOrBlankAndMapsBothSidesOfABreak) {
    EXPECT_TRUE(LongLines::cutsIn(std::u16string(LongLines::kLongest, u'x')).empty());
    std::u16string line(5 * LongLines::kPiece / 2, u'x');
    line[LongLines::kPiece - 10] = u'>';
    std::u16string text = u"short\n" + line + u"\n" + line;
    auto cuts = LongLines::cutsIn(text);
    ASSERT_EQ(cuts.size(), 2u) << "one cut per long line leaves two pieces of each";
    EXPECT_EQ(cuts[0], 6 + LongLines::kPiece - 9) << "just after the tag's end";
    // A piece already in the widget counts towards the first line's length.
    EXPECT_EQ(
        LongLines::cutsIn(std::u16string(LongLines::kPiece, u'x'), LongLines::kLongest).size(), 1u);

    LongLines l;
    l.add(10);
    l.add(20);
    // Widget: 10 characters, break, 10 characters, break, the rest.
    EXPECT_EQ(l.toWidget(10), 10) << "a cut maps to the end of the piece before it";
    EXPECT_EQ(l.toWidget(15), 16);
    EXPECT_EQ(l.toWidget(25), 27);
    for (int w : {10, 11})
        EXPECT_EQ(l.fromWidget(w), 10) << w;
    EXPECT_EQ(l.fromWidget(22), 20);
    EXPECT_TRUE(l.isCut(10));
    EXPECT_FALSE(l.isCut(11));
    EXPECT_TRUE(l.isCut(21));

    l.edited(5, 12, 3); // takes the first cut away, moves the second
    EXPECT_EQ(l.cuts(), std::vector<int32_t>{16});
    l.edited(16, 16, 4); // typed at a cut: the text goes before its break
    EXPECT_EQ(l.cuts(), std::vector<int32_t>{20});
    l.edited(10, 20, 0); // deleted up to a cut: the cut stays
    EXPECT_EQ(l.cuts(), std::vector<int32_t>{10});
}

class LongLineEditTest : public QtProgramTest {};

TEST_F(LongLineEditTest, AMinifiedPageIsShownInPiecesAndEditsKeepTheExactPage) {
    startMain();
    forms::String line;
    while (line.size() < 50000)
        line += u"<P CLASS=\"a\">Minified text, <B>bold</B> and more.</P>";
    forms::String page = u"<HTML>\r\n" + line + u"\r\n</HTML>";
    auto longest = [&] {
        int n = 0;
        for (QTextBlock b = buffer().document()->begin(); b.isValid(); b = b.next())
            n = std::max(n, b.length() - 1);
        return n;
    };
    setPage(page, 30000);
    expectMirror();
    EXPECT_LE(longest(), LongLines::kLongest);
    EXPECT_GT(buffer().document()->blockCount(), 20);

    // Typing, Backspace and Delete at every side of a break.
    int w = buffer().toWidget(30000);
    QTextBlock b = buffer().document()->findBlock(w);
    for (int at : {b.position(), b.position() + b.length() - 1}) {
        QTextCursor c = buffer().textCursor();
        c.setPosition(at);
        buffer().setTextCursor(c);
        QTest::keyClicks(&buffer(), QStringLiteral("xy"));
        QTest::keyClick(&buffer(), Qt::Key_Backspace);
        QTest::keyClick(&buffer(), Qt::Key_Delete);
        expectMirror();
    }
    // Enough put into the middle of a piece to cut it again; then taken back, and a whole
    // long line put into the middle.
    run([&] { main().Text1.setSelText(forms::String(LongLines::kPiece + 500, u'z')); });
    expectMirror();
    EXPECT_LE(longest(), LongLines::kLongest);
    run([&] { main().Text1.undo(); });
    expectMirror();
    run([&] {
        main().Text1.setSelStart(20000);
        main().Text1.setSelLength(15000);
        main().Text1.setSelText(line);
    });
    expectMirror();
    EXPECT_LE(longest(), LongLines::kLongest);
    run([&] { main().Text1.undo(); });
    expectMirror();
    EXPECT_EQ(show(text().substr(0, 100)), show(page.substr(0, 100)));
}
