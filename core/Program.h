// The program: the runtime through which every window reaches the platform, the page, and
// the registry of its windows (loaded on first reference, as the classic global forms
// were). Built by main() and by the test fixtures only.
#pragma once

#include "forms/Registry.h"
#include "forms/Runtime.h"

#include <memory>

class Page;
class Recovery;

class Program {
public:
    // Does not own the platform, which outlives the program.
    explicit Program(forms::Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    forms::Runtime& runtime() { return runtime_; }
    Page& page() { return *page_; }
    // Where the front end hears of windows loading and unloading.
    forms::Registry& windows() { return windows_; }

    // Starts the program: the splash window is its first window, unless a page was named,
    // which then shows in the main window at once.
    void launch();

    // Set by the front end before launch(): the page named on the command line, opened as
    // the main window shows, and how many more were named (which are not opened).
    forms::String pageAtStart;
    int otherPagesAtStart = 0;
    // Opens that page in the main window, once: at launch, or as the splash closes.
    void openPageAtStart();
    // Offers back the unsaved text of runs that died, one question for each copy until one
    // is taken; true when the page now holds one. Runs as the main window first shows, before
    // the page named on the command line, which then stays closed.
    bool offerRecovery();
    // The recovery copy of the page.
    Recovery& recovery() { return *recovery_; }

    // The window, loaded on first reference (its Form_Load runs then), made from the page
    // as every window is.
    template <class W> W& window() {
        return windows_.load<W>([this] { return std::make_unique<W>(*page_); });
    }
    // The loaded window, or nullptr; never loads.
    template <class W> W* loaded() const { return windows_.loaded<W>(); }

private:
    // What follows the splash, or takes its place: a dead run's text, else the named page.
    void openWhatWasAsked();

    forms::Runtime runtime_;
    forms::Registry windows_;
    std::unique_ptr<Page> page_;
    std::unique_ptr<Recovery> recovery_;
};
