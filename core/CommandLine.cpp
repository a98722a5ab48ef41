#include "core/CommandLine.h"

#include "page/Version.h"

namespace cmdline {

namespace {

bool isOption(const std::string& a) {
    return a.size() > 1 && a[0] == '-';
}

// The caption and later saves show the path: "./" and doubled slashes would only clutter it.
// ".." stays, since a symbolic link before it makes it mean something other than the parent.
std::string absolute(const std::string& page, const std::string& cwd) {
    // With the working folder gone there is nothing to join: the page keeps its own name,
    // and opening it says why it cannot be read.
    if (!page.starts_with('/') && cwd.empty()) return page;
    std::string joined = page.starts_with('/') ? page : cwd + "/" + page;
    std::string out;
    size_t i = 0;
    while (i < joined.size()) {
        size_t end = joined.find('/', i);
        if (end == std::string::npos) end = joined.size();
        std::string part = joined.substr(i, end - i);
        if (!part.empty() && part != ".") out += "/" + part;
        i = end + 1;
    }
    if (out.empty()) return "/";
    // A trailing slash names a folder; keep it so the reason given on opening says so.
    if (joined.ends_with('/')) out += "/";
    return out;
}

std::string version() {
    return "Tolva " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision) + "\n";
}

} // namespace

std::string usage() {
    return "Usage: tolva [OPTION]... [PAGE]\n"
           "Edits the HTML page PAGE, or a new page when none is given.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "  --             end of options: what follows is a page, even if it starts with -\n"
           "\n"
           "Qt's own options (-platform, -style, ...) are accepted too.\n";
}

Request parse(const std::vector<std::string>& args, const std::string& cwd) {
    bool help = false, showVersion = false;
    std::string unknown;
    std::vector<std::string> pages;
    bool options = true;
    for (const std::string& a : args) {
        if (options && a == "--") {
            options = false;
        } else if (options && isOption(a)) {
            if (a == "--help" || a == "-h")
                help = true;
            else if (a == "--version")
                showVersion = true;
            else if (unknown.empty())
                unknown = a;
        } else {
            pages.push_back(a);
        }
    }
    Request r;
    if (help) {
        r.action = Request::Action::Print;
        r.text = usage();
    } else if (showVersion) {
        r.action = Request::Action::Print;
        r.text = version();
    } else if (!unknown.empty()) {
        r.action = Request::Action::Fail;
        r.text = "tolva: unknown option " + unknown + "\n" + usage();
    } else if (!pages.empty()) {
        r.page = absolute(pages.front(), cwd);
        r.otherPages = static_cast<int>(pages.size()) - 1;
    }
    return r;
}

} // namespace cmdline
