// What the command line asks of the program: start (with a page to open, perhaps), or print
// the usage or the version and exit. Qt's own options are taken away before this sees them.
// The usage and the manual page are both written from the tables behind usage().
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cmdline {

struct Request {
    enum class Action {
        Start, // start the editor, opening page if one was given
        Print, // print text to stdout, exit 0
        Fail,  // print text to stderr, exit 2
    };
    Action action = Action::Start;
    std::string page;   // absolute; empty when no page was given
    int otherPages = 0; // pages given after the first, which are not opened
    std::string text;
};

// args leaves out the program's own name. cwd (absolute, or empty when unknown) makes a
// relative page absolute.
// --help wins over everything, then --version, then an unknown option; all before "--".
Request parse(const std::vector<std::string>& args, const std::string& cwd);

// One line of the usage's option list: "-h, --help" and what it does.
struct Option {
    std::string_view flags;
    std::string_view text;
};
std::span<const Option> options();

// A file the program reads or writes, or an exit status, with what it means.
struct Entry {
    std::string_view name;
    std::string_view text;
};
std::span<const Entry> files();
std::span<const Entry> exitStatus();

// What --help prints.
std::string usage();
// The manual page tolva(1) in roff: the usage, then the files and the exit statuses.
std::string manual();

} // namespace cmdline
