// Golden cases of the typing assistant and the tag tools: every folder under tests/golden
// (see the README there) runs as a test of its own, named after the folder.
#include "commands/Commands.h"
#include "support/ProgramTest.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace testing_support;
using forms::String;

namespace {

namespace fs = std::filesystem;

const fs::path kGolden = TOLVA_GOLDEN_DIR;

constexpr char16_t kCaret = u'\u2038';
constexpr char16_t kSelStart = u'\u27E6';
constexpr char16_t kSelEnd = u'\u27E7';
// A CR or LF that is not part of a CR LF pair; the files cannot show one otherwise.
constexpr char16_t kLoneCR = u'\u240D';
constexpr char16_t kLoneLF = u'\u240A';

struct Message {
    String prompt;
    int flags = forms::vbOKOnly;
    String title = u"Assistant: Tolva";
    int answer = forms::vbOK;
};

struct Step {
    std::string verb; // type, paste or run
    String text;
    std::vector<Message> messages; // shown while the step runs, in order
    int line = 0;
};

struct Page {
    String text;
    int32_t selStart = 0;
    int32_t selLength = 0;
};

// The file's bytes less one final line break, which editors add on their own.
std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read " << p;
        return {};
    }
    std::stringstream ss;
    ss << in.rdbuf();
    std::string s = ss.str();
    if (s.find('\r') != std::string::npos)
        ADD_FAILURE() << p << " has a CR: golden files keep LF line breaks";
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return s;
}

// File form to page: LF is CR LF, the stand-ins are lone breaks, the markers become the
// selection.
Page parsePage(const fs::path& p) {
    Page page;
    int32_t caret = -1, from = -1, to = -1;
    for (char16_t c : forms::fromUtf8(readFile(p))) {
        auto at = static_cast<int32_t>(page.text.size());
        if (c == u'\n') {
            page.text += forms::CRLF;
        } else if (c == kLoneCR || c == kLoneLF) {
            page.text += c == kLoneCR ? forms::CR : forms::LF;
        } else if (c == kCaret || c == kSelStart || c == kSelEnd) {
            int32_t& mark = c == kCaret ? caret : c == kSelStart ? from : to;
            if (mark >= 0) ADD_FAILURE() << p << " marks the caret or selection twice";
            mark = at;
        } else {
            page.text += c;
        }
    }
    if (caret >= 0 && from < 0 && to < 0) {
        page.selStart = caret;
    } else if (caret < 0 && from >= 0 && to >= from) {
        page.selStart = from;
        page.selLength = to - from;
    } else {
        ADD_FAILURE() << p << " needs one caret mark or one pair of selection marks";
    }
    return page;
}

// The page back in file form, so that `after` is compared as the text a reader sees.
std::string render(const forms::TextBox& box) {
    const String text = box.text();
    const auto start = static_cast<size_t>(box.selStart());
    const auto end = start + static_cast<size_t>(box.selLength());
    String out;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == start) out += start == end ? kCaret : kSelStart;
        if (i == end && end != start) out += kSelEnd;
        if (i == text.size()) break;
        if (text.compare(i, 2, forms::CRLF) == 0) {
            out += u'\n';
            ++i;
        } else if (text[i] == forms::CR || text[i] == forms::LF) {
            out += text[i] == forms::CR ? kLoneCR : kLoneLF;
        } else {
            out += text[i];
        }
    }
    return forms::toUtf8(out);
}

String unescape(std::string_view s, const std::string& where) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        char e = ++i < s.size() ? s[i] : '?';
        const std::string_view from = "rnbts\\", to = "\r\n\b\t \\";
        size_t k = from.find(e);
        if (k == std::string_view::npos)
            ADD_FAILURE() << where << ": unknown escape \\" << e;
        else
            out += to[k];
    }
    return forms::fromUtf8(out);
}

int constant(std::string_view name, const std::string& where) {
    static const std::pair<std::string_view, int> kNames[] = {
        {"vbOKOnly", forms::vbOKOnly},
        {"vbOKCancel", forms::vbOKCancel},
        {"vbYesNoCancel", forms::vbYesNoCancel},
        {"vbYesNo", forms::vbYesNo},
        {"vbCritical", forms::vbCritical},
        {"vbQuestion", forms::vbQuestion},
        {"vbExclamation", forms::vbExclamation},
        {"vbInformation", forms::vbInformation},
        {"vbOK", forms::vbOK},
        {"vbCancel", forms::vbCancel},
        {"vbYes", forms::vbYes},
        {"vbNo", forms::vbNo},
    };
    for (const auto& [n, v] : kNames)
        if (n == name) return v;
    ADD_FAILURE() << where << ": unknown constant " << name;
    return -1;
}

std::vector<Step> parseSteps(const fs::path& p) {
    std::vector<Step> steps;
    std::istringstream in(readFile(p));
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        const std::string where = p.string() + ":" + std::to_string(n);
        if (line.empty() || line[0] == '#') continue;
        const size_t blank = line.find(' ');
        const std::string key = line.substr(0, blank);
        const std::string_view rest = blank == std::string::npos
                                          ? std::string_view()
                                          : std::string_view(line).substr(blank + 1);
        if (key == "type" || key == "paste" || key == "run") {
            Step& step = steps.emplace_back();
            step.verb = key;
            step.text = unescape(rest, where);
            step.line = n;
            continue;
        }
        if (steps.empty()) {
            ADD_FAILURE() << where << ": " << key << " before any type, paste or run";
            continue;
        }
        std::vector<Message>& shown = steps.back().messages;
        if (key == "message") {
            shown.emplace_back().prompt = unescape(rest, where);
        } else if (shown.empty() || (key != "flags" && key != "title" && key != "answer")) {
            ADD_FAILURE() << where << ": unexpected " << key;
        } else if (key == "title") {
            shown.back().title = unescape(rest, where);
        } else if (key == "answer") {
            shown.back().answer = constant(rest, where);
        } else {
            int flags = 0;
            for (std::string_view r = rest; !r.empty();) {
                size_t plus = std::min(r.find('+'), r.size());
                flags += constant(r.substr(0, plus), where);
                r.remove_prefix(std::min(plus + 1, r.size()));
            }
            shown.back().flags = flags;
        }
    }
    if (steps.empty()) ADD_FAILURE() << p << " has no type, paste or run";
    return steps;
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(kGolden, ec))
        if (e.is_directory()) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class GoldenTest : public ProgramTest, public ::testing::WithParamInterface<std::string> {};

TEST(GoldenFolders, AreFound) {
    EXPECT_GE(caseNames().size(), 20u) << "golden cases missing under " << kGolden;
}

TEST_P(GoldenTest, TurnsBeforeIntoAfter) {
    const fs::path dir = kGolden / GetParam();
    const std::vector<Step> steps = parseSteps(dir / "steps");
    const Page before = parsePage(dir / "before");
    const std::string after = readFile(dir / "after");
    if (HasFailure()) return;

    Tolva& w = main();
    setPage(before.text, before.selStart, before.selLength);
    for (const Step& step : steps) {
        SCOPED_TRACE((dir / "steps").string() + ":" + std::to_string(step.line));
        for (const Message& m : step.messages)
            sp.dialogs.expectMessage(m.prompt, m.flags, m.title, m.answer);
        if (step.verb == "type") {
            typeChars(w.Text1, step.text);
        } else {
            if (step.verb == "paste") sp.clipboard.setText(step.text);
            const std::string name = step.verb == "paste" ? "mnupaste" : forms::toUtf8(step.text);
            ASSERT_NE(commands::find(name), nullptr) << "no command " << name;
            run([&] { commands::run(w, name); });
        }
        ASSERT_TRUE(sp.dialogs.done()) << "a message of this step never appeared";
    }
    if (const std::string actual = render(w.Text1); actual != after)
        ADD_FAILURE() << "expected (after):\n" << after << "\nactual:\n" << actual;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenTest, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

} // namespace
