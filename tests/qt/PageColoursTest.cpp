// HTML colouring: the line reader's spans and carried states, readable colours, and the
// buffer coloured on demand in the real window without touching the page.
#include "QtProgramTest.h"

#include <QTextBlock>
#include <QTextLayout>

using namespace testing_support;
using namespace tolva::qt::colouring;

namespace {

const char* kindName(Kind k) {
    static const char* const names[] = {"tag", "attr", "value", "comment", "entity", "doctype"};
    return names[static_cast<int>(k)];
}

// "kind:text" for each span, separated by blanks; st goes from the line's start to its end.
std::string spans(const QString& line, State& st) {
    QList<Span> out;
    st = colourLine(line, st, &out);
    std::string s;
    for (const Span& sp : out) {
        if (!s.empty()) s += ' ';
        s += kindName(sp.kind) + std::string(":") + line.mid(sp.start, sp.length).toStdString();
    }
    return s;
}

} // namespace

TEST(PageColoursLines, SpansAndTheStateCarriedToTheNextLine) {
    // Each line starts afresh, or (carry) in the state the line above left.
    const struct {
        bool carry;
        const char* line;
        const char* spans;
        Place end;
    } lines[] = {
        {false, R"(<p class="x">a &amp; b</P>)",
         R"(tag:<p  attr:class= value:"x" tag:> entity:&amp; tag:</P>)", Place::Text},
        {false, R"(<!DOCTYPE html PUBLIC "-//W3C//DTD HTML 4.01//EN">)",
         R"(doctype:<!DOCTYPE html PUBLIC "-//W3C//DTD HTML 4.01//EN">)", Place::Text},
        {false, "&nbsp; &#169; &#xA9; & &nbsp &#; &#x;",
         "entity:&nbsp; entity:&#169; entity:&#xA9;", Place::Text},
        {false, "a < b, 3<4 and <> are text", "", Place::Text},
        // A greater-than inside a quoted value does not end the tag.
        {false, R"(<a title="a>b" alt='c>d' href=x>t)",
         R"(tag:<a  attr:title= value:"a>b"  attr:alt= value:'c>d'  attr:href= value:x tag:>)",
         Place::Text},
        {false, "a <!-- b <p>", "comment:<!-- b <p>", Place::Comment},
        {true, "c --> <b>", "comment:c --> tag:<b>", Place::Text},
        // A tag and a value left open at the end of a line, or of the page.
        {false, R"(<a href="x)", R"(tag:<a  attr:href= value:"x)", Place::DoubleQuoted},
        {true, R"(y" target=_top)", R"(value:y"  attr:target= value:_top)", Place::Attributes},
        {true, ">after", "tag:>", Place::Text},
        // Script and style hold no markup; a script tag that closes itself opens nothing.
        {false, R"(<script type="a">if (a<b) x="<p>";)",
         R"(tag:<script  attr:type= value:"a" tag:>)", Place::Raw},
        {true, "y = '<i>'; </SCRIPT> <i>", "tag:</SCRIPT> tag:<i>", Place::Text},
        {false, "<script src=a.js/><b>", "tag:<script  attr:src= value:a.js tag:/><b>",
         Place::Text},
    };
    State st;
    for (const auto& l : lines) {
        SCOPED_TRACE(l.line);
        if (!l.carry) st = {};
        EXPECT_EQ(spans(l.line, st), l.spans);
        EXPECT_EQ(st.place, l.end);
    }
}

TEST(PageColoursLines, EveryColourReadsOnLightDarkAndMidToneBases) {
    for (QColor base :
         {QColor(Qt::white), QColor(Qt::black), QColor(0x80, 0x80, 0x80), QColor(0x2b, 0x2b, 0x2b),
          QColor(0xf0, 0xf0, 0xc0), QColor(0x00, 0x00, 0x80)}) {
        auto colours = coloursFor(base);
        for (const QColor& c : colours)
            EXPECT_GE(contrast(c, base), 4.5)
                << base.name().toStdString() << " " << c.name().toStdString();
    }
}

class PageColoursTest : public QtProgramTest {
protected:
    void setPage(forms::StringView text, int32_t caret = 0) {
        run([&] {
            main().Text1.setText(text);
            main().Text1.setSelStart(caret);
        });
        paint();
    }
    void paint() {
        buffer().ensureCursorVisible();
        buffer().viewport()->repaint();
    }
    QTextBlock block(int n) { return buffer().document()->findBlockByNumber(n); }
    // The colour of the character at column col of line n, or an invalid colour.
    QColor colourAt(int n, int col) {
        for (const auto& r : block(n).layout()->formats())
            if (col >= r.start && col < r.start + r.length) return r.format.foreground().color();
        return {};
    }
    QColor colour(Kind k) { return buffer().colours().colours()[static_cast<size_t>(k)]; }
};

TEST_F(PageColoursTest, AShownTagIsColouredAndStaysReadableAfterTheContrastSwap) {
    startMain();
    forms::String initial = main().Text1.text();
    run([&] { main().Text1.setText(u"<p class=\"x\">Hello</p>\r\n"); });
    forms::String caption = main().caption();
    paint();
    EXPECT_EQ(colourAt(0, 1), colour(Kind::Tag));
    EXPECT_EQ(colourAt(0, 10), colour(Kind::Value));
    EXPECT_FALSE(colourAt(0, 14).isValid()) << "the words stay in the text colour";
    QColor base = buffer().palette().color(QPalette::Base);
    QColor ink = buffer().palette().color(QPalette::Text);

    run([&] { main().pictcontrast.click(); });
    paint();
    EXPECT_EQ(buffer().palette().color(QPalette::Text), base) << "the two colours swapped";
    EXPECT_EQ(buffer().palette().color(QPalette::Base), ink);
    EXPECT_EQ(colourAt(0, 1), colour(Kind::Tag));
    for (const QColor& c : buffer().colours().colours())
        EXPECT_GE(contrast(c, ink), 4.5);

    // The colours are the view's alone: the page and its undo steps are as they were.
    EXPECT_EQ(show(main().Text1.text()), show(u"<p class=\"x\">Hello</p>\r\n"));
    EXPECT_EQ(show(main().caption()), show(caption));
    run([&] { main().Text1.undo(); });
    EXPECT_EQ(show(main().Text1.text()), show(initial)) << "colouring added no undo step";
}

TEST_F(PageColoursTest, TypingRecolorsTheLinesAfterAsTheirStateChanges) {
    startMain();
    setPage(u"<b>one</b>\r\n<i>two</i>\r\nthree\r\n");
    EXPECT_EQ(colourAt(1, 1), colour(Kind::Tag));
    run([&] { main().Text1.setSelStart(0); });
    buffer().setFocus();
    QTest::keyClicks(&buffer(), "<!--");
    paint();
    EXPECT_EQ(colourAt(1, 1), colour(Kind::Comment)) << "the comment runs on";
    EXPECT_EQ(colourAt(2, 0), colour(Kind::Comment));
}

TEST_F(PageColoursTest, ABigPageIsReadWhereShownThenWhileIdleAsIfReadFromTheTop) {
    startMain();
    // Comments and quoted values that run over blank lines, repeated far down the page.
    forms::String page;
    for (int k = 0; page.size() < 3'000'000; ++k) {
        page += u"<p class=\"row\">row &amp; line</p>\r\n\r\n";
        if (k % 997 == 0) page += u"<!-- open\r\n\r\nstill --> <a href=\"x\r\n\r\ny\">z</a>\r\n";
        // Lone CRs and LFs break lines too.
        if (k % 991 == 0) page += u"<!-- open\n\rstill --> <a href=\"x\r\r\ny\">z</a>\n";
    }
    // The last comment opens a few screens above the page's end.
    page += u"<!-- last\r\n";
    for (int k = 0; k < 300; ++k)
        page += u"<p>inside\r\n\r\n";
    page += u"still --> <a href=\"x\r\n\r\ny\">z</a>\r\n<b>bold</b>\r\n";
    setPage(page);
    auto& colours = buffer().colours();
    int lines = buffer().document()->blockCount();
    EXPECT_LT(colours.known(), 200) << "opening reads only what is shown";

    // Typing in a line in view leaves the lines after it as they were read.
    run([&] { main().Text1.setSelStart(20); });
    buffer().setFocus();
    QTest::keyClick(&buffer(), Qt::Key_X);
    paint();
    int known = colours.known();
    QTest::keyClick(&buffer(), Qt::Key_Y);
    EXPECT_EQ(colours.known(), known);

    // Lines scrolled past let go of their kept shaping: memory stays bounded.
    for (int k = 1; k <= 30; ++k) {
        run([&] { main().Text1.setSelStart(int64_t{k} * 40 * 37); });
        paint();
    }
    int kept = 0;
    for (QTextBlock b = buffer().document()->begin(); b.isValid(); b = b.next())
        kept += b.layout()->cacheEnabled() ? 1 : 0;
    EXPECT_GT(kept, 0);
    EXPECT_LE(kept, 500);

    // The jump to the end reads on to it, and finds every state as it should be.
    run([&] { main().Text1.setSelStart(main().Text1.length()); });
    paint();
    EXPECT_EQ(colours.known(), lines);
    int at = lines - 5; // "still -->"; the page ends in an empty line
    EXPECT_EQ(colourAt(at - 2, 1), colour(Kind::Comment)) << "carried over blank lines";
    EXPECT_EQ(colourAt(at, 1), colour(Kind::Comment));
    EXPECT_EQ(colourAt(at, 11), colour(Kind::Tag));
    EXPECT_EQ(colourAt(at + 2, 0), colour(Kind::Value)) << "the value runs on";
    EXPECT_EQ(colourAt(at + 2, 2), colour(Kind::Tag));
    EXPECT_EQ(colourAt(at + 3, 1), colour(Kind::Tag));
    EXPECT_FALSE(colourAt(at + 3, 4).isValid());
    State st;
    for (QTextBlock b = buffer().document()->begin(); b.isValid(); b = b.next()) {
        st = colourLine(b.text(), st, nullptr);
        ASSERT_EQ(b.userState() & 31, st.code()) << "line " << b.blockNumber();
    }

    // An edit at the top that turns the rest of the page into script is read on while idle
    // down to the page's end.
    run([&] {
        main().Text1.setSelStart(0);
        main().Text1.setSelText(u"<script>");
    });
    paint();
    EXPECT_LT(colours.known(), lines / 2);
    for (int k = 0; k < 100'000 && colours.known() < lines; ++k)
        QCoreApplication::processEvents();
    ASSERT_EQ(colours.known(), lines);
    run([&] { main().Text1.setSelStart(main().Text1.length()); });
    paint();
    EXPECT_FALSE(colourAt(at, 1).isValid());
    EXPECT_FALSE(colourAt(at + 3, 1).isValid());
}
