// What the command line asks of the program: start (with a page to open, perhaps), or print
// the usage or the version and exit. Qt's own options are taken away before this sees them.
#pragma once

#include <string>
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

std::string usage();

} // namespace cmdline
