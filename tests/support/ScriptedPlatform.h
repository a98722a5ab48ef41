// Test doubles of the platform services: dialogs answered from a script (an unexpected
// dialog fails the test), an in-memory clipboard, a font list, a virtual clock, End, and a
// state folder whose jobs run when the test says.
#pragma once

#include "forms/Controls.h"
#include "forms/Platform.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

using forms::String;
using forms::StringView;

// Readable output of 16-bit strings in test failures.
std::string show(StringView s);

class ScriptedDialogs : public forms::Dialogs {
public:
    ~ScriptedDialogs() override;
    // The next message box must have exactly this prompt, flags and title; it answers.
    void expectMessage(StringView prompt, int flags, StringView title, int answer);
    // The next input box must have this prompt, title and default; it answers.
    void expectInput(StringView prompt, StringView title, StringView defaultText,
                     StringView answer);
    // The next file dialog (open or save) answers a path, or cancels with nothing.
    void expectFile(bool save, std::optional<String> answer);
    // Any input box, whatever its texts (for tests about something else).
    void expectAnyInput(StringView answer);

    bool done() const { return script_.empty(); }
    // What the last file dialog was asked.
    forms::FileDialogRequest lastFileRequest;

    int messageBox(StringView prompt, int flags, StringView title) override;
    String inputBox(StringView prompt, StringView title, StringView defaultText) override;
    std::optional<String> fileDialog(const forms::FileDialogRequest& request) override;

    // Called while a dialog is "on screen" (lets a test fire timers meanwhile).
    std::function<void()> whileOpen;

private:
    enum class Kind { Message, Input, AnyInput, File };
    struct Step {
        Kind kind;
        String prompt, title, defaultText;
        int flags = 0;
        int answer = 0;
        bool save = false;
        std::optional<String> text;
    };
    std::deque<Step> script_;
};

class MemoryClipboard : public forms::Clipboard {
public:
    void clear() override { text_.reset(); }
    void setText(StringView t) override { text_ = String(t); }
    String text() override { return text_.value_or(String()); }

private:
    std::optional<String> text_;
};

class FontList : public forms::Fonts {
public:
    std::vector<String> fonts{u"Arial", u"Courier New", u"Georgia", u"Times New Roman", u"Verdana"};
    std::vector<String> screenFonts() override { return fonts; }
};

// Timers fire only when the test advances the clock.
class VirtualClock : public forms::Clock {
public:
    void timerChanged(forms::Timer& t) override;
    void timerGone(forms::Timer& t) override;
    // Fires every timer that falls due within ms milliseconds, in time order.
    void advance(int ms);

private:
    struct Due {
        long when;
        long order; // ties go to the timer made first
    };
    std::map<forms::Timer*, Due> due_;
    std::map<forms::Timer*, long> order_;
    long now_ = 0;
    long made_ = 0;
};

// Records where the preview was sent. Pages load at once (navigate complete, then download
// complete) unless loads are held; a page's title is its address unless titles has one.
class FakeBrowser : public forms::Browser {
public:
    void navigate(StringView url) override;
    // Recorded as "show PATH" (the text in shownText) and "reveal TAG N".
    void showText(StringView html, StringView path) override;
    void reveal(StringView tag, int32_t nth) override;
    String shownText;
    // Finishes a held load (or a page the browser reached by itself) at url.
    void arrive(StringView url);
    bool holdLoads = false;
    std::map<String, String> titles;
    void goBack() override { actions.push_back(u"back"); }
    void goForward() override { actions.push_back(u"forward"); }
    void goHome() override { actions.push_back(u"home"); }
    void goSearch() override { actions.push_back(u"search"); }
    void stop() override { actions.push_back(u"stop"); }
    void refresh() override { actions.push_back(u"refresh"); }
    String locationName() override {
        auto t = titles.find(url_);
        return t == titles.end() ? url_ : t->second;
    }
    String locationURL() override { return url_; }
    bool busy() override { return isBusy; }
    std::vector<String> actions;
    bool isBusy = false;

private:
    String url_;
};

// Stamps real files, but reports changes only when the test says the platform would: a
// test changes a file, sets its time with std::filesystem, then calls changed().
class ScriptedFiles : public forms::FileWatch {
public:
    void watch(StringView path, std::function<void()> onChange) override;
    void unwatch() override;
    std::optional<forms::FileStamp> stamp(StringView path) override;
    // The watcher's report, as a platform event.
    void changed();
    // The watched path ("" when none) and the stats made so far.
    String watched;
    int stats = 0;

private:
    std::function<void()> onChange_;
};

class EndRecorder : public forms::Session {
public:
    void end() override { ended = true; }
    bool ended = false;
};

// Keeps nothing until a test names a folder. Jobs run at once, or wait while held until
// the test runs them (as a slow disk would leave them); those still waiting run at the end.
class ScriptedState : public forms::StateFiles {
public:
    ~ScriptedState() override { runJobs(); }
    std::string folder() override { return dir; }
    void post(std::function<void()> job) override;
    void runJobs();
    std::string dir;
    bool hold = false;
    int posted = 0;

private:
    std::deque<std::function<void()>> jobs_;
};

struct ScriptedPlatform {
    ScriptedDialogs dialogs;
    MemoryClipboard clipboard;
    FontList fonts;
    VirtualClock clock;
    EndRecorder session;
    FakeBrowser browser;
    ScriptedFiles files;
    ScriptedState state;
    forms::Platform platform{dialogs, clipboard, fonts, clock, session, &browser, &files, &state};
};

} // namespace testing_support

// Compares 16-bit strings with readable failure output.
#define EXPECT_TEXT(expected, actual)                                                              \
    EXPECT_EQ(::testing_support::show(expected), ::testing_support::show(actual))
