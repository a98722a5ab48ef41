// Pages read from disk survive open and save byte for byte: a generated corpus of line
// breaks, encodings and odd bytes, and what the buffer holds for each kind of line break.
#include "page/PageFile.h"
#include "support/FileTest.h"

#include <vector>

using namespace testing_support;

namespace {

// Bytes as C escapes, so that a failure shows which line break went wrong.
std::string escaped(std::string_view bytes) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes.substr(0, 200))
        out += b == '\r'   ? std::string("\\r")
               : b == '\n' ? std::string("\\n")
               : b >= 0x20 && b < 0x7F && b != '\\'
                   ? std::string(1, static_cast<char>(b))
                   : std::string{'\\', 'x', hex[b >> 4], hex[b & 15]};
    return bytes.size() > 200 ? out + "...(" + std::to_string(bytes.size()) + " bytes)" : out;
}

std::string bytesOf(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

class PageFileRoundTripTest : public FileTest {};

// Every line-break convention, with and without a final break, in the encodings the
// program reads, and bytes that tempt a decoder to drop or change them.
std::vector<std::string> corpus() {
    std::string all, allLf, allCr; // every byte; every byte but the breaks, one to a line
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
        if (b != '\r' && b != '\n') {
            allLf += std::string(1, static_cast<char>(b)) + "\n";
            allCr += std::string(1, static_cast<char>(b)) + "\r";
        }
    }
    std::string split(65535, 'a'); // Load reads 64 KiB at a time
    std::vector<std::string> out = {
        // Mixed breaks, and a lone break of another kind at the end.
        "a\nb\r\nc\rd\n", "a\r\r\nb", "a\nb\r", "a\r\nb\n", "", all, allLf, allCr,
        std::string("a\0b\n\0\n\0", 7),
        // UTF-8, with a byte order mark, and not quite UTF-8.
        "caf\xC3\xA9\n\xE2\x82\xAC \xF0\x9F\x98\x80\n", "\xEF\xBB\xBF<p>\xC3\xA9</p>\r\nx",
        "\xC3(\n\xC0\xAF\n", "\xED\xA0\x80\n", "a\n\xE2\x82", "\xEF\xBB\xBF\xFF\n",
        // UTF-16 both ways, and what only looks like it.
        bytesOf({0xFF, 0xFE, 'a', 0, '\n', 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE, '\n', 0}),
        bytesOf({0xFE, 0xFF, 0, 'a', 0, '\r', 0, '\n', 0x20, 0xAC, 0, '\r', 0, '\n'}),
        bytesOf({0xFF, 0xFE, 'a', 0, '\r', 0, '\n', 0, '\n', 0}),
        bytesOf({0xFF, 0xFE, 'a', 0, '\n'}), bytesOf({0xFF, 0xFE, 0x3D, 0xD8, '\n', 0}),
        bytesOf({0xFE, 0xFF, 0xDE, 0x00, 0xD8, 0x3D}),
        // Breaks at and across the read boundary.
        split + "\r\nb\r\n", split + "\nb\n" + std::string(70000, 'c'), split + "\rb"};
    for (std::string brk : {"\n", "\r", "\r\n"}) {
        std::string lines = "<html>" + brk + "<p>x</p>" + brk + brk + "</html>";
        out.insert(out.end(), {lines + brk, lines, brk + brk + brk});
    }
    return out;
}

TEST_F(PageFileRoundTripTest, OpeningAndSavingAnyFileUnchangedGivesBackItsBytes) {
    auto samples = corpus();
    for (size_t i = 0; i < samples.size(); ++i) {
        const std::string& bytes = samples[i];
        SCOPED_TRACE(escaped(bytes));
        fs::path p = dir / ("page" + std::to_string(i) + ".html");
        writeBytes(p, bytes);
        for (int cycle = 0; cycle < 2; ++cycle) { // a second cycle changes nothing either
            open(p);
            EXPECT_TEXT(u"", main().page.star);
            save();
            EXPECT_EQ(escaped(readBytes(p)), escaped(bytes));
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()),
              static_cast<long>(samples.size()))
        << "no temporary files are left behind";
}

TEST_F(PageFileRoundTripTest, TheBufferBreaksLinesWithCrLfOnlyWhereTheFileHadOneKindOfBreak) {
    const std::pair<std::string, String> cases[] = {
        {"<p>\na\n</p>\n", u"<p>\r\na\r\n</p>\r\n"},
        {"a\rb\r", u"a\r\nb\r\n"},
        {"a\nb\r\nc\r", u"a\nb\r\nc\r"}, // mixed: as the file has them
        {bytesOf({0xFF, 0xFE, 'a', 0, '\n', 0, 0xAC, 0x20}), u"a\r\n\u20AC"},
        // Not valid UTF-16 or UTF-8: read as Windows-1252, undefined bytes keeping their value.
        {bytesOf({0xFF, 0xFE, 'a', 0, 'b'}), String(u"\u00FF\u00FEa\u0000b", 5)},
        {"\x80\x81\x9F\xFF", u"\u20AC\u0081\u0178\u00FF"},
        {"\xEF\xBB\xBF\xC3\xA9\xE2\x82\xAC\r\n", u"\u00E9\u20AC\r\n"},
    };
    for (const auto& [bytes, buffer] : cases) {
        SCOPED_TRACE(escaped(bytes));
        fs::path p = dir / "page.html";
        writeBytes(p, bytes);
        open(p);
        EXPECT_TEXT(buffer, main().Text1.text());
    }
}

TEST_F(PageFileRoundTripTest, EnterTypedIntoAFileWritesTheFilesOwnBreak) {
    Tolva& w = main();
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb\n", "x\ny\na\nb\n"},
        {"a\r\nb", "x\r\ny\r\na\r\nb"},
        {"", "x\r\ny\r\n"},                 // a file without breaks takes the program's own
        {"a\nb\r\n", "x\r\ny\r\na\nb\r\n"}, // mixed: as the buffer holds it
        {bytesOf({0xFF, 0xFE, 'a', 0, '\n', 0}),
         bytesOf({0xFF, 0xFE, 'x', 0, '\n', 0, 'y', 0, '\n', 0, 'a', 0, '\n', 0})},
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(escaped(before));
        fs::path p = dir / "page.html";
        writeBytes(p, before);
        open(p);
        typeChars(w.Text1, u"x\ry\r");
        save();
        EXPECT_EQ(escaped(readBytes(p)), escaped(after));
    }

    // An LF file that comes to need UTF-8 keeps its LF breaks.
    fs::path p = dir / "grows.html";
    writeBytes(p, "<p>\nb\n");
    open(p);
    run([&] { w.Text1.setSelStart(3); });
    typeChars(w.Text1, u"\u0100\r");
    save();
    EXPECT_EQ(escaped(readBytes(p)), escaped("\xEF\xBB\xBF<p>\xC4\x80\n\nb\n"));
}

TEST_F(PageFileRoundTripTest, ALoneBreakNextToTheFilesBreakKeepsItsLine) {
    Tolva& w = main();
    // A lone CR pasted before a line end of an LF file, a lone LF after one of a CR file,
    // at the start, in the middle and twice in a row. Only the break beside it is written
    // as CR LF; the others stay the file's own.
    struct Case {
        std::string file;
        String buffer;
        std::string saved;
    };
    const Case cases[] = {
        {"a\nb\n", u"a\r\r\nb\r\n", "a\r\r\nb\n"},
        {"a\nb\n", u"\r\r\na\r\nb", "\r\r\na\nb"},
        {"a\rb\r", u"a\r\n\n\r\n\nb\r\n", "a\r\n\n\r\n\nb\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(show(c.buffer));
        fs::path p = dir / "page.html";
        writeBytes(p, c.file);
        open(p);
        run([&] { w.Text1.setText(c.buffer); });
        int32_t lines = w.Text1.lineCount();
        save();
        EXPECT_EQ(escaped(readBytes(p)), escaped(c.saved));
        open(p);
        EXPECT_EQ(w.Text1.lineCount(), lines);
        save();
        EXPECT_EQ(escaped(readBytes(p)), escaped(c.saved)) << "and stays so";
    }
}

} // namespace
