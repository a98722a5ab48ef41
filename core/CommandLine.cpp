#include "core/CommandLine.h"

#include "page/Version.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace cmdline {

namespace {

constexpr std::string_view kProgram = "tolva";
constexpr std::string_view kSummary = "editor for hand-written HTML pages";
constexpr std::string_view kSynopsis = "[OPTION]... [PAGE]";
constexpr std::string_view kWhat = "Edits the HTML page PAGE, or a new page when none is given.";
constexpr std::string_view kQtOptions =
    "Qt's own options (-platform, -style, ...) are accepted too.";

// Long options alone are indented so that they line up with those that have a short form.
constexpr Option kOptions[] = {
    {"-h, --help", "show this help and exit"},
    {"    --version", "show the version and exit"},
    {"--", "end of options: what follows is a page, even if it starts with -"},
};

constexpr Entry kFiles[] = {
    {"PAGE",
     "The page: read when it is opened, from the command line or with File > Open, and written "
     "when it is saved. Its line breaks and encoding are kept as they were read."},
    {"$XDG_STATE_HOME/tolva/PID.recovery",
     "A copy of the unsaved page, written a few seconds after each change while the page is "
     "modified and deleted once it is saved, replaced, or let go at exit. PID is the process id "
     "of the run that wrote it; the next start offers to recover the copy of a run that is gone. "
     "Without XDG_STATE_HOME the folder is ~/.local/state/tolva/."},
    {"$XDG_STATE_HOME/tolva/PID.lock",
     "Held by a running Tolva, so that no other run takes its recovery copy."},
};

constexpr Entry kExitStatus[] = {
    {"0", "The editor was closed, or the help or version was printed."},
    {"2", "An unknown option was given: the usage is printed to standard error."},
};

bool isOption(const std::string& a) {
    return a.size() > 1 && a[0] == '-';
}

std::vector<std::string> partsOf(const std::string& path) {
    std::vector<std::string> parts;
    size_t i = 0;
    while (i < path.size()) {
        size_t end = path.find('/', i);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(i, end - i);
        if (!part.empty() && part != ".") parts.push_back(part);
        i = end + 1;
    }
    return parts;
}

std::string joined(const std::vector<std::string>& parts, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to; ++i)
        out += "/" + parts[i];
    return out;
}

// The caption and later saves show the path, so "./", "//" and ".." go. A ".." after a
// symbolic link leads to the link target's parent, so the folders up to the last ".." are
// asked of the file system; only when they do not exist is ".." taken as the folder before.
std::string absolute(const std::string& page, const std::string& cwd) {
    // With the working folder gone there is nothing to join: the page keeps its own name,
    // and opening it says why it cannot be read.
    if (!page.starts_with('/') && cwd.empty()) return page;
    std::string full = page.starts_with('/') ? page : cwd + "/" + page;
    std::vector<std::string> parts = partsOf(full);
    size_t lastUp = parts.size();
    while (lastUp > 0 && parts[lastUp - 1] != "..")
        --lastUp;
    std::string out;
    if (lastUp > 0) {
        std::error_code ec;
        std::filesystem::path real = std::filesystem::canonical(joined(parts, 0, lastUp), ec);
        if (!ec) {
            std::vector<std::string> rest(parts.begin() + static_cast<long>(lastUp), parts.end());
            parts = partsOf(real.string());
            parts.insert(parts.end(), rest.begin(), rest.end());
        }
    }
    std::vector<std::string> clean;
    for (const std::string& p : parts) {
        if (p != "..")
            clean.push_back(p);
        else if (!clean.empty())
            clean.pop_back();
    }
    out = joined(clean, 0, clean.size());
    if (out.empty()) return "/";
    // A trailing slash names a folder; keep it so the reason given on opening says so.
    if (full.ends_with('/')) out += "/";
    return out;
}

std::string version() {
    return "Tolva " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision) + "\n";
}

// roff reads a backslash as an escape and wants a minus sign written as one.
std::string roff(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

std::string trimmed(std::string_view s) {
    size_t start = s.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string() : std::string(s.substr(start));
}

} // namespace

std::span<const Option> options() {
    return kOptions;
}

std::span<const Entry> files() {
    return kFiles;
}

std::span<const Entry> exitStatus() {
    return kExitStatus;
}

std::string usage() {
    std::string out = "Usage: " + std::string(kProgram) + " " + std::string(kSynopsis) + "\n" +
                      std::string(kWhat) + "\n\n";
    constexpr size_t kColumn = 15;
    for (const Option& o : kOptions) {
        std::string flags(o.flags);
        flags.resize(std::max(kColumn, flags.size() + 1), ' ');
        out += "  " + flags + std::string(o.text) + "\n";
    }
    return out + "\n" + std::string(kQtOptions) + "\n";
}

std::string manual() {
    std::string v = version();
    v.pop_back();
    std::string out = ".TH TOLVA 1 \"\" \"" + v + "\" \"User Commands\"\n";
    out += ".SH NAME\n" + std::string(kProgram) + " \\- " + roff(kSummary) + "\n";
    out += ".SH SYNOPSIS\n.B " + std::string(kProgram) + "\n" + roff(kSynopsis) + "\n";
    out += ".SH DESCRIPTION\n" + roff(kWhat) + "\n";
    out += ".PP\nThe page is edited as plain text, with buttons, menus, a command box and a "
           "typing assistant that write the markup. The help window (F1) has a page on each "
           "subject.\n";
    out += ".SH OPTIONS\n";
    for (const Option& o : kOptions)
        out += ".TP\n.B " + roff(trimmed(o.flags)) + "\n" + roff(o.text) + "\n";
    out += ".PP\n" + roff(kQtOptions) + "\n";
    out += ".SH FILES\n";
    for (const Entry& f : kFiles)
        out += ".TP\n.I " + roff(f.name) + "\n" + roff(f.text) + "\n";
    out += ".SH EXIT STATUS\n";
    for (const Entry& e : kExitStatus)
        out += ".TP\n.B " + roff(e.name) + "\n" + roff(e.text) + "\n";
    return out;
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
