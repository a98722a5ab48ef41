// Pages read from disk survive open and save byte for byte: a generated corpus of line
// breaks, encodings and odd bytes, what the buffer holds for each kind of line break,
// and the HTML files that Debian packages ship.
#include "core/PageFile.h"
#include "support/FileTest.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

using namespace testing_support;
using forms::String;
namespace fs = std::filesystem;

namespace {

// Bytes as C escapes, so that a failure shows which line break went wrong.
std::string escaped(std::string_view bytes, size_t max = 200) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < bytes.size() && i < max; ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r')
            out += "\\r";
        else if (b == '\n')
            out += "\\n";
        else if (b >= 0x20 && b < 0x7F && b != '\\')
            out.push_back(static_cast<char>(b));
        else
            out += std::string("\\x") + hex[b >> 4] + hex[b & 15];
    }
    if (bytes.size() > max) out += "...(" + std::to_string(bytes.size()) + " bytes)";
    return out;
}

std::string bytesOf(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

class PageFileRoundTripTest : public FileTest {};

struct Sample {
    std::string name;
    std::string bytes;
};

// Every line-break convention, with and without a final break, in the encodings the
// program reads, and bytes that tempt a decoder to drop or change them.
std::vector<Sample> corpus() {
    std::vector<Sample> out;
    const std::pair<const char*, std::string> breaks[] = {
        {"lf", "\n"}, {"cr", "\r"}, {"crlf", "\r\n"}};
    for (const auto& [name, brk] : breaks) {
        std::string lines = "<html>" + brk + "<p>x</p>" + brk + brk + "</html>";
        out.push_back({std::string(name) + " final break", lines + brk});
        out.push_back({std::string(name) + " no final break", lines});
        out.push_back({std::string(name) + " only breaks", brk + brk + brk});
        out.push_back({std::string(name) + " one break", brk});
    }
    out.push_back({"mixed", "a\nb\r\nc\rd\n"});
    out.push_back({"mixed no final break", "a\r\nb\nc"});
    out.push_back({"cr then crlf", "a\r\r\nb"});
    out.push_back({"lf then cr", "\n\r"});
    out.push_back({"lf file with a lone cr at the end", "a\nb\r"});
    out.push_back({"crlf file with a lone cr at the end", "a\r\nb\r"});
    out.push_back({"crlf file with a lone lf at the end", "a\r\nb\n"});
    out.push_back({"empty", ""});
    out.push_back({"no break", "<p>x</p>"});

    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    out.push_back({"all 256 bytes", all});
    std::string allLf; // every byte but CR, one to a line: an LF file of any byte
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') allLf += std::string(1, static_cast<char>(b)) + "\n";
    out.push_back({"all bytes in an lf file", allLf});
    std::string allCr;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') allCr += std::string(1, static_cast<char>(b)) + "\r";
    out.push_back({"all bytes in a cr file", allCr});

    out.push_back({"nul bytes", std::string("a\0b\n\0\n\0", 7)});
    out.push_back({"utf-8", "caf\xC3\xA9\n\xE2\x82\xAC \xF0\x9F\x98\x80\n"});
    out.push_back({"utf-8 bom", "\xEF\xBB\xBF<p>\xC3\xA9</p>\r\nx"});
    out.push_back({"utf-8 bom lf", "\xEF\xBB\xBF<a>\nb\n"});
    out.push_back({"utf-8 bom alone", "\xEF\xBB\xBF"});
    out.push_back({"utf-8 two boms", "\xEF\xBB\xBF\xEF\xBB\xBFx"});
    out.push_back({"invalid utf-8", "\xC3(\n\xC0\xAF\n"});
    out.push_back({"utf-8 surrogate", "\xED\xA0\x80\n"});
    out.push_back({"utf-8 cut short", "a\n\xE2\x82"});
    out.push_back({"utf-8 bom then invalid", "\xEF\xBB\xBF\xFF\n"});
    out.push_back({"utf-16le", bytesOf({0xFF, 0xFE, 'a', 0, '\n', 0, 0xE9, 0, 0x3D, 0xD8, 0x00,
                                        0xDE, '\n', 0})});
    out.push_back({"utf-16be",
                   bytesOf({0xFE, 0xFF, 0, 'a', 0, '\r', 0, '\n', 0x20, 0xAC, 0, '\r', 0, '\n'})});
    out.push_back({"utf-16le cr", bytesOf({0xFF, 0xFE, 'a', 0, '\r', 0, 'b', 0})});
    out.push_back({"utf-16le mixed", bytesOf({0xFF, 0xFE, 'a', 0, '\r', 0, '\n', 0, '\n', 0})});
    out.push_back({"utf-16le nul", bytesOf({0xFF, 0xFE, 0, 0, 0, 0})});
    out.push_back({"utf-16le bom alone", bytesOf({0xFF, 0xFE})});
    out.push_back({"utf-16be bom alone", bytesOf({0xFE, 0xFF})});
    out.push_back({"utf-16le odd byte count", bytesOf({0xFF, 0xFE, 'a', 0, '\n'})});
    out.push_back({"utf-16le lone high surrogate", bytesOf({0xFF, 0xFE, 0x3D, 0xD8, '\n', 0})});
    out.push_back({"utf-16le lone low surrogate", bytesOf({0xFF, 0xFE, 0x00, 0xDE, '\n', 0})});
    out.push_back({"utf-16be high surrogate at the end", bytesOf({0xFE, 0xFF, 0, '\n', 0xD8, 0})});
    out.push_back({"utf-16be swapped pair", bytesOf({0xFE, 0xFF, 0xDE, 0x00, 0xD8, 0x3D})});
    // Load reads 64 KiB at a time: a CR LF across that boundary is still one break.
    std::string split(65535, 'a');
    out.push_back({"crlf across a read boundary", split + "\r\nb\r\n"});
    out.push_back({"lf across a read boundary", split + "\nb\n" + std::string(70000, 'c')});
    out.push_back({"cr at a read boundary", split + "\rb"});
    return out;
}

TEST_F(PageFileRoundTripTest, OpeningAndSavingAnyFileUnchangedGivesBackItsBytes) {
    std::vector<Sample> samples = corpus();
    for (size_t i = 0; i < samples.size(); ++i) {
        const Sample& s = samples[i];
        SCOPED_TRACE(s.name + ": " + escaped(s.bytes));
        fs::path p = dir / ("page" + std::to_string(i) + ".html");
        writeBytes(p, s.bytes);
        open(p);
        EXPECT_TEXT(u"", main().star);
        save();
        EXPECT_EQ(escaped(readBytes(p)), escaped(s.bytes));
        open(p);
        save();
        EXPECT_EQ(readBytes(p) == s.bytes, true) << "a second cycle changes nothing";
    }
    size_t files = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir))
        ++files;
    EXPECT_EQ(files, samples.size()) << "no temporary files are left behind";
    // Every single byte, alone and as a line of an LF file, at the file level.
    for (int b = 0; b < 256; ++b) {
        for (std::string bytes : {std::string(1, static_cast<char>(b)),
                                  std::string(1, static_cast<char>(b)) + "\n" + "x\n"}) {
            pagefile::Loaded page = pagefile::read(bytes);
            EXPECT_EQ(escaped(pagefile::write(page.text, page.format)), escaped(bytes));
        }
    }
}

TEST_F(PageFileRoundTripTest, TheBufferBreaksLinesWithCrLfOnlyWhereTheFileHadOneKindOfBreak) {
    struct Case {
        const char* name;
        std::string bytes;
        String buffer;
    } cases[] = {
        {"lf", "<p>\na\n</p>\n", u"<p>\r\na\r\n</p>\r\n"},
        {"lf no final break", "a\n\nb", u"a\r\n\r\nb"},
        {"cr", "a\rb\r", u"a\r\nb\r\n"},
        {"crlf", "a\r\nb", u"a\r\nb"},
        {"mixed", "a\nb\r\nc\r", u"a\nb\r\nc\r"},
        {"lone cr at the end of an lf file", "a\nb\r", u"a\nb\r"},
        {"only lf", "\n\n", u"\r\n\r\n"},
        {"utf-16le lf", bytesOf({0xFF, 0xFE, 'a', 0, '\n', 0, 0xAC, 0x20}), u"a\r\n\u20AC"},
        {"utf-16be", bytesOf({0xFE, 0xFF, 0xD8, 0x3D, 0xDE, 0x00}), u"\U0001F600"},
        {"utf-16 odd byte count: windows-1252", bytesOf({0xFF, 0xFE, 'a', 0, 'b'}),
         String(u"\u00FF\u00FEa\u0000b", 5)},
        {"utf-16 lone surrogate: windows-1252", bytesOf({0xFF, 0xFE, 0x3D, 0xD8}),
         u"\u00FF\u00FE=\u00D8"},
        {"invalid utf-8: windows-1252", "\xE2\x82\n", u"\u00E2\u201A\r\n"},
        {"windows-1252 high bytes, undefined ones keep their value", "\x80\x81\x9F\xFF",
         u"\u20AC\u0081\u0178\u00FF"},
        {"utf-8", "caf\xC3\xA9 \xE2\x82\xAC\r\n", u"caf\u00E9 \u20AC\r\n"},
        {"utf-8 bom", "\xEF\xBB\xBFx\r\n", u"x\r\n"},
        {"utf-8 astral", "\xF0\x9F\x98\x80", u"\U0001F600"},
        {"empty", "", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::path p = dir / "page.html";
        writeBytes(p, c.bytes);
        open(p);
        EXPECT_TEXT(c.buffer, main().Text1.text());
    }
}

TEST_F(PageFileRoundTripTest, EnterTypedIntoAFileWritesTheFilesOwnBreak) {
    Tolva& w = main();
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb\n", "x\ny\na\nb\n"},
        {"a\rb", "x\ry\ra\rb"},
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

TEST_F(PageFileRoundTripTest, ATenMegabyteLineRoundTrips) {
    std::string line;
    line.reserve((10u << 20) + 64);
    for (size_t i = 0; line.size() < (10u << 20); ++i)
        line += "<p class=\"x\">caf\xE9 " + std::to_string(i) + "</p>";
    fs::path p = dir / "big.html";
    writeBytes(p, line);
    open(p);
    EXPECT_EQ(main().Text1.length(), static_cast<int32_t>(line.size()));
    save();
    EXPECT_TRUE(readBytes(p) == line);
}

// Every HTML file Debian's packages put under /usr/share/doc: read and written at the
// file level (all of them), and through Open and Save for those up to 64 KB.
TEST_F(PageFileRoundTripTest, HtmlFilesShippedWithTheSystemRoundTrip) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator
             it("/usr/share/doc", fs::directory_options::skip_permission_denied, ec),
         end;
         it != end; it.increment(ec)) {
        if (ec) break;
        if (it->is_regular_file(ec) && !it->is_symlink(ec) &&
            it->path().filename().string().find(".htm") != std::string::npos)
            files.push_back(it->path());
    }
    if (files.empty()) GTEST_SKIP() << "no HTML files under /usr/share/doc";
    std::sort(files.begin(), files.end());

    size_t same = 0;
    size_t failed = 0;
    size_t throughProgram = 0;
    for (const fs::path& f : files) {
        std::string bytes = readBytes(f);
        pagefile::Loaded page = pagefile::read(bytes);
        bool ok = pagefile::write(page.text, page.format) == bytes;
        if (ok && bytes.size() <= (64u << 10)) {
            fs::path p = dir / "page.html";
            writeBytes(p, bytes);
            open(p);
            save();
            ok = readBytes(p) == bytes;
            ++throughProgram;
        }
        if (ok)
            ++same;
        else if (++failed <= 10) // enough to see what goes wrong
            ADD_FAILURE() << f << " changes when opened and saved";
    }
    std::cout << "[          ] " << same << " of " << files.size() << " HTML files round-trip ("
              << throughProgram << " through Open and Save)\n";
    EXPECT_EQ(same, files.size());
}

} // namespace
