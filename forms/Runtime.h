// The running program's environment: platform services, the keyboard focus, the
// keystroke queue and the entry point through which every event runs.
#pragma once

#include "forms/Platform.h"
#include "forms/Text.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

namespace forms {

class Control;
class Form;

// Thrown by end(): unwinds the running handler; nothing runs after it.
struct EndProgram {};

class Runtime {
public:
    // Does not own the platform, which outlives the runtime.
    explicit Runtime(Platform& platform) : platform_(platform) {}

    Platform& platform() const { return platform_; }
    // The application title, shown by message boxes that have none of their own.
    String title = u"Tolva";

    // Every event from the platform runs through here: a runtime error stops the running
    // command only, and keystrokes queued meanwhile are delivered once it has returned.
    void invoke(const std::function<void()>& handler);
    bool running() const { return depth_ > 0; }

    // Runs f once the outermost running handler has returned (at once when none runs).
    // Lets a handler unload the window whose control is raising it.
    void defer(std::function<void()> f);

    // Queues characters as if typed into the focused control.
    void sendKeys(StringView keys);

    Control* focus() const { return focus_; }
    void setFocus(Control* c);

    // Ends the whole program at once.
    [[noreturn]] void end();
    bool ended() const { return ended_; }

    // Dialog shortcuts: an empty title means the application title.
    int msgBox(StringView prompt, int flags = vbOKOnly, StringView title = {});
    String inputBox(StringView prompt, StringView title = {}, StringView defaultText = {});

    // Called by forms and controls when they go away.
    void forget(Control* c);
    std::function<void(Control* from, Control* to)> focusChanged;

private:
    void drainKeys();
    void runDeferred();

    Platform& platform_;
    std::deque<char16_t> keys_;
    std::vector<std::function<void()>> deferred_;
    Control* focus_ = nullptr;
    int depth_ = 0;
    bool draining_ = false;
    bool ended_ = false;
};

} // namespace forms
