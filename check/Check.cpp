// Runs HTML Tidy over a copy of the page and keeps the findings that point at a fault.
#include "check/Check.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <tuple>

namespace check {

namespace {

// Notes that pages of this program's own style would drown in: the templates leave values
// for the user to fill in, write the tags of the browsers of their day, and let a paragraph
// command close a paragraph it did not open. The tags Tidy adds by itself are what it does
// about another fault, reported once already.
constexpr std::array kQuiet = {
    std::string_view("INSERTING_TAG"),         std::string_view("TRIM_EMPTY_ELEMENT"),
    std::string_view("MISSING_ATTRIBUTE"),     std::string_view("MISSING_ATTR_VALUE"),
    std::string_view("TAG_NOT_ALLOWED_IN"),    std::string_view("PROPRIETARY_ELEMENT"),
    std::string_view("PROPRIETARY_ATTRIBUTE"), std::string_view("MISSING_TITLE_ELEMENT"),
    std::string_view("MISSING_DOCTYPE"),
};

// What Tidy says, before the follow-ups of one fault are folded into it.
struct Note {
    int line;
    int column;
    Kind kind;
    std::string key;
    std::string message;
};

// The first "<...>" of a message, as Tidy quotes the tag it speaks of.
std::string_view tagIn(std::string_view message, size_t from = 0) {
    size_t a = message.find('<', from);
    size_t b = a == std::string_view::npos ? a : message.find('>', a);
    return b == std::string_view::npos ? std::string_view() : message.substr(a, b - a + 1);
}

// The tag's name, lower case, without "<", "/" and ">".
std::string nameOf(std::string_view tag) {
    std::string n;
    for (char c : tag)
        if (c != '<' && c != '>' && c != '/') n.push_back(static_cast<char>(std::tolower(c)));
    return n;
}

Bool TIDY_CALL collect(TidyMessage m) {
    auto* notes = static_cast<std::vector<Note>*>(tidyGetAppData(tidyGetMessageDoc(m)));
    TidyReportLevel level = tidyGetMessageLevel(m);
    if (level == TidyWarning || level == TidyError || level == TidyBadDocument ||
        level == TidyFatal) {
        const char* text = tidyGetMessageDefault(m);
        notes->push_back({tidyGetMessageLine(m), tidyGetMessageColumn(m),
                          level == TidyWarning ? Kind::Warning : Kind::Error, tidyGetMessageKey(m),
                          text ? text : ""});
    }
    return no; // nothing goes to Tidy's own report
}

std::vector<Note> runTidy(const std::string& utf8) {
    std::vector<Note> notes;
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &notes);
    tidySetMessageCallback(doc, collect);
    tidyOptSetInt(doc, TidyShowErrors, 1'000'000);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetBool(doc, TidyShowInfo, no);
    tidyOptSetBool(doc, TidyQuiet, yes);
    // One column a tab, as the buffer counts characters.
    tidyOptSetInt(doc, TidyTabSize, 1);
    tidySetCharEncoding(doc, "utf8");
    TidyBuffer in;
    tidyBufInit(&in);
    // Attached, not copied; and a NUL in the page does not end it.
    tidyBufAttach(&in, reinterpret_cast<byte*>(const_cast<char*>(utf8.data())), // NOLINT
                  static_cast<uint>(utf8.size()));
    tidyParseBuffer(doc, &in);
    tidyBufDetach(&in);
    tidyRelease(doc);
    return notes;
}

// One fault, one problem: Tidy follows some with notes about what it did next.
std::vector<Note> fold(std::vector<Note> notes) {
    std::vector<Note> kept;
    // Where Tidy opened an element of its own, and which.
    std::vector<std::tuple<int, int, std::string>> inserted;
    std::vector<std::string> unknown; // elements it did not recognise
    for (Note& n : notes) {
        std::string name = nameOf(tagIn(n.message));
        std::tuple<int, int, std::string> at{n.line, n.column, name};
        if (n.key == "INSERTING_TAG") inserted.push_back(at);
        if (n.key == "UNKNOWN_ELEMENT") unknown.push_back(name);
        if (std::find(kQuiet.begin(), kQuiet.end(), n.key) != kQuiet.end()) continue;
        bool missingEnd = n.key == "MISSING_ENDTAG_BEFORE" || n.key == "MISSING_ENDTAG_FOR";
        // An element Tidy opened itself is its own to close.
        if (missingEnd && std::find(inserted.begin(), inserted.end(), at) != inserted.end())
            continue;
        if (n.key == "DISCARDING_UNEXPECTED") {
            if (std::find(unknown.begin(), unknown.end(), name) != unknown.end()) continue;
            // "missing </h1> before </h2>", then "discarding unexpected </h2>": one mismatch.
            if (!kept.empty() && kept.back().key == "MISSING_ENDTAG_BEFORE") {
                std::string_view prev = kept.back().message;
                size_t before = prev.find(" before ");
                if (before != std::string_view::npos && tagIn(prev, before) == tagIn(n.message))
                    continue;
            }
        }
        if (!kept.empty() && kept.back().line == n.line && kept.back().column == n.column &&
            kept.back().message == n.message)
            continue;
        kept.push_back(std::move(n));
    }
    return kept;
}

bool isBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// Where each line starts, in buffer offsets.
std::vector<int32_t> lineStarts(forms::StringView text) {
    std::vector<int32_t> starts{0};
    for (size_t i = 0; i < text.size(); ++i) {
        if (!isBreak(text[i])) continue;
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        starts.push_back(static_cast<int32_t>(i + 1));
    }
    return starts;
}

int32_t place(forms::StringView text, const std::vector<int32_t>& starts, int32_t line,
              int32_t column) {
    if (line < 1) return 0;
    if (static_cast<size_t>(line) > starts.size()) return static_cast<int32_t>(text.size());
    auto at = static_cast<size_t>(starts[static_cast<size_t>(line) - 1]);
    for (int32_t c = 1; c < column && at < text.size() && !isBreak(text[at]); ++c) {
        bool pair = text[at] >= 0xD800 && text[at] < 0xDC00 && at + 1 < text.size() &&
                    text[at + 1] >= 0xDC00 && text[at + 1] < 0xE000;
        at += pair ? 2 : 1;
    }
    return static_cast<int32_t>(at);
}

bool inWord(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'-' || c == u'_' || c == u':';
}

// A tag is underlined whole, up to its ">" on the same line; an attribute, its name; anything
// else, one character.
int32_t spanAt(forms::StringView text, int32_t start) {
    auto at = static_cast<size_t>(start);
    if (at >= text.size()) return 0;
    constexpr size_t kLongest = 200;
    size_t end = at + 1;
    if (text[at] == u'<') {
        while (end < text.size() && end - at < kLongest && !isBreak(text[end]) && text[end] != u'>')
            ++end;
        return end < text.size() && text[end] == u'>' ? static_cast<int32_t>(end - at + 1) : 1;
    }
    while (inWord(text[at]) && end < text.size() && end - at < kLongest && inWord(text[end]))
        ++end;
    return static_cast<int32_t>(end - at);
}

} // namespace

int32_t offsetOf(forms::StringView text, int32_t line, int32_t column) {
    return place(text, lineStarts(text), line, column);
}

std::vector<Problem> check(forms::StringView text) {
    std::string utf8 = forms::toUtf8(text);
    // Tidy miscounts a lone CR that follows another; as a LF it is the same one break.
    for (size_t i = 0; i < utf8.size(); ++i)
        if (utf8[i] == '\r' && (i + 1 == utf8.size() || utf8[i + 1] != '\n')) utf8[i] = '\n';
    std::vector<Note> notes = fold(runTidy(utf8));
    std::vector<Problem> found;
    if (notes.empty()) return found;
    std::vector<int32_t> starts = lineStarts(text);
    found.reserve(notes.size());
    for (Note& n : notes) {
        // A note about the whole document stands at its start.
        int32_t line = std::max(n.line, 1), column = std::max(n.column, 1);
        int32_t start = place(text, starts, line, column);
        found.push_back({line, column, n.kind, std::move(n.message), start, spanAt(text, start)});
    }
    std::stable_sort(found.begin(), found.end(), [](const Problem& a, const Problem& b) {
        return std::pair(a.line, a.column) < std::pair(b.line, b.column);
    });
    return found;
}

} // namespace check
