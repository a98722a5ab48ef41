// The program: owns every window (loaded on first reference, as the classic global
// forms were) and the runtime through which they reach the platform.
#pragma once

#include "core/Windows.h"
#include "forms/Form.h"
#include "forms/Runtime.h"

#include <functional>
#include <memory>

class Program {
public:
    // Does not own the platform, which outlives the program.
    explicit Program(forms::Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    forms::Runtime& runtime() { return runtime_; }

    // Starts the program: the splash window is its first window.
    void start();

    // Set by the front end before start(): the page named on the command line, opened once
    // the main window shows, and how many more were named (which are not opened).
    forms::String pageAtStart;
    int otherPagesAtStart = 0;
    // Opens that page in the main window, once: the splash calls it as it closes.
    void openPageAtStart();

    // The window, loaded on first reference (its Form_Load runs then).
    template <class W> W& window() { return load(std::get<std::unique_ptr<W>>(slots_)); }
    // The loaded window, or nullptr; never loads.
    template <class W> W* loaded() const { return std::get<std::unique_ptr<W>>(slots_).get(); }

    // The front end builds a view for each window as it is loaded, and drops it before
    // the window goes away.
    std::function<void(forms::Form&)> formLoaded;
    std::function<void(forms::Form&)> formUnloading;

private:
    template <class W> W& load(std::unique_ptr<W>& slot);

    forms::Runtime runtime_;
    windows::All::Slots slots_;
};

template <class W> W& Program::load(std::unique_ptr<W>& slot) {
    if (!slot) {
        slot = std::make_unique<W>(*this);
        W* w = slot.get();
        w->unloader = [this, &slot, w] {
            w->hide();
            // The window may be unloading from inside one of its own handlers.
            runtime_.defer([this, &slot, w] {
                if (slot.get() != w) return;
                if (formUnloading) formUnloading(*w);
                slot.reset();
            });
        };
        if (formLoaded) formLoaded(*w);
        if (w->Load) w->Load();
    }
    return *slot;
}
