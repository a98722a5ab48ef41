// The platform services the program talks to, one small interface per concern.
// The front end hands in Qt implementations; tests hand in scripted doubles.
#pragma once

#include "forms/Text.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class Timer;

// Message box flags and answers of the classic toolkit.
enum MsgBoxFlags : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7
};

struct FileDialogRequest {
    bool save = false;
    String fileName;   // the name the dialog shows first (it keeps its last one)
    String defaultExt; // appended to a typed name without an extension
    String title;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal. title is never empty here: the program puts in the application title.
    virtual int messageBox(StringView prompt, int flags, StringView title) = 0;
    // Modal. "" on cancel.
    virtual String inputBox(StringView prompt, StringView title, StringView defaultText) = 0;
    // Modal. The chosen full path, or nothing when cancelled.
    virtual std::optional<String> fileDialog(const FileDialogRequest& request) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(StringView text) = 0;
    virtual String text() = 0;
};

class Fonts {
public:
    virtual ~Fonts() = default;
    // The installed screen fonts, in the platform's order.
    virtual std::vector<String> screenFonts() = 0;
};

// Runs timers: told whenever a timer's enabled state or interval changes, and when it goes.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void timerChanged(Timer& t) = 0;
    virtual void timerGone(Timer& t) = 0;
};

// Ends the whole program at once.
class Session {
public:
    virtual ~Session() = default;
    virtual void end() = 0;
};

// The embedded browser of the preview window.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void navigate(StringView url) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void goHome() = 0;
    virtual void goSearch() = 0;
    virtual void stop() = 0;
    virtual void refresh() = 0;
    virtual String locationName() = 0;
    virtual String locationURL() = 0;
    virtual bool busy() = 0;

    // Shows html as the file at path would show with that text: its relative addresses
    // resolve in path's folder, it reaches no file outside that folder's tree and nothing
    // on a network, and the part of the page on screen stays where it was. Loads like a
    // navigation (busy, then the two events). A browser that cannot shows nothing.
    virtual void showText(StringView /*html*/, StringView /*path*/) {}
    // Scrolls the nth element (from 0) of that tag name into view, unless it is in view.
    virtual void reveal(StringView /*tag*/, int32_t /*nth*/) {}

    // Raised by the browser when a navigation has reached its address, and when a page
    // has finished loading. Set by the window that shows the browser.
    std::function<void()> NavigateComplete;
    std::function<void()> DownloadComplete;
};

// What tells one state of a file from another without reading it.
struct FileStamp {
    int64_t mtimeNs = 0; // last modification, in nanoseconds
    int64_t size = 0;
    uint64_t inode = 0;
    uint64_t device = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of the file at path now (one stat), or nothing when there is no file there.
std::optional<FileStamp> stampOf(StringView path);

// Watches one file for changes made by anyone, and stamps files.
class FileWatch {
public:
    virtual ~FileWatch() = default;
    // Replaces the watched file. onChange runs, as an event of the platform, whenever
    // something at path may have changed: written, replaced, removed or made again. It
    // may run for nothing; the receiver compares stamps.
    virtual void watch(StringView path, std::function<void()> onChange) = 0;
    virtual void unwatch() = 0;
    // The file's stamp now (one stat), or nothing when there is no file there.
    virtual std::optional<FileStamp> stamp(StringView path) = 0;
};

// Where the program keeps what must outlive a run (the recovery copy of an unsaved page),
// and the worker that writes there without holding up the user.
// The program's state folder: $XDG_STATE_HOME/tolva, else ~/.local/state/tolva; "" when
// neither names an absolute folder.
std::string stateFolder(const char* xdgStateHome, const char* home);

class StateFiles {
public:
    virtual ~StateFiles() = default;
    // The program's own state folder (UTF-8), made when first written; "" keeps nothing.
    virtual std::string folder() = 0;
    // Runs job off the user-interface thread, after every job posted before it. Jobs still
    // waiting when the service goes run first. A job works on its own copies: it never
    // touches the program.
    virtual void post(std::function<void()> job) = 0;
};

// The services handed to the program. Does not own them; they outlive the program.
struct Platform {
    Dialogs& dialogs;
    Clipboard& clipboard;
    Fonts& fonts;
    Clock& clock;
    Session& session;
    Browser* browser = nullptr;
    // Without it nothing is watched and every save writes.
    FileWatch* files = nullptr;
    // Without it nothing is kept between runs.
    StateFiles* state = nullptr;
};

} // namespace forms
