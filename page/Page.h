// The page under the windows: the document box and everything about the page and its file
// (name, modified marker, how the file was read, the watch on it, restore points, name
// counters, reading and writing). Windows edit it and listen to it; it calls no window.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Registry.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "page/DiskWatch.h"
#include "page/PageFile.h"
#include "page/Texts.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

// Runs a command of the main window by its name, as its button or menu item would.
using CommandRunner = std::function<void(std::string_view name)>;

class Page {
public:
    // Does not own the runtime or the registry, which outlive the page.
    Page(forms::Runtime& runtime, forms::Registry& windows);
    ~Page();
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    forms::Runtime& runtime() const { return runtime_; }

    // A window of the program, made from the page on first reference (its Form_Load runs
    // then). Every window is made from the page it edits.
    template <class W> W& window() {
        return windows_.load<W>([this] { return std::make_unique<W>(*this); });
    }
    // The loaded window, or nullptr; never loads.
    template <class W> W* loaded() const { return windows_.loaded<W>(); }

    // Runs a command of the main window by name. Set by the program: the page knows no
    // window above it.
    CommandRunner command;

private:
    forms::Runtime& runtime_;
    forms::Registry& windows_;
    // Holds the page's controls; never shown. The main window shows them as its own.
    forms::Form desk_;

public:
    // The document buffer, and the page a new buffer starts with.
    forms::TextBox Text1{desk_, "Text1"};
    forms::TextBox attempt{desk_, "attempt"};
    // The open and save dialog, shared with the commands that pick a file, so that each
    // starts where the last one ended.
    forms::CommonDialog CommonDialog1{desk_};

    // The file name of the page; a different one is announced as Renamed.
    const forms::String& saveme() const { return saveme_; }
    void setSaveme(forms::StringView path);
    // "*" once the page changed since it was opened or saved, else "".
    forms::String star;
    // The page is marked as changed, as typing leaves it: the next save writes it.
    void markModified();

    // How the page's file was read; saving writes it back the same way.
    pagefile::Format pageFormat;
    // The page's file as another program leaves it.
    DiskWatch disk;
    // Set while a save runs, its dialogs included, and while a question about the file is
    // on screen.
    bool pageSaving = false;
    bool diskAsking = false;

    // Reads the page at path into the buffer and follows its file; on failure tells the
    // user, keeps the page as it is and returns false. The caller names the page.
    bool read(const forms::String& path);
    // Writes the buffer to path; on failure tells the user and returns false.
    bool write(const forms::String& path);
    // The page a new buffer starts with, without a file.
    void blank();

    // State that a new page starts afresh.
    bool firstPreview = true;
    // Name counters of the numbered form controls (wider than the classic 16 bits).
    int32_t buttonNo = 1, checkboxNo = 1, radioNo = 1, textboxNo = 1, passNo = 1, submitNo = 1,
            resetNo = 1, browseNo = 1, formNo = 1, pulldownNo = 1, selectorNo = 1, areaNo = 1,
            fileNo = 1;
    void resetCounters();
    // Restore point slots 1 to 3 (index 0 unused).
    std::array<forms::String, 4> restorePoint;
    // Where Find last found its text, as the find box keeps it, and how much of it F3
    // selects.
    forms::String varfinder = u"0";
    int32_t findNextLength = 0;

    // The user lets the page go unsaved as the program ends: announced as Closed.
    void close();

    // What happens to the page. Changed: its text changed (the buffer's Change). Renamed:
    // saveme changed. Modified: the marker was set. Saved: written to saveme or another
    // file (the listener reads where from the event's path). Replaced: another file's
    // text was read in. Cleared: the page went back to a new one. Closed: see close().
    enum class Event { Changed, Renamed, Modified, Saved, Replaced, Cleared, Closed };
    using Listener = std::function<void(Event, forms::StringView path)>;
    // The listening lasts as long as the returned subscription.
    forms::Subscription listen(Listener l) { return listeners_.add(std::move(l)); }

private:
    void notify(Event e, forms::StringView path = {}) { listeners_(e, path); }

    forms::String saveme_{Captions::untitled};
    forms::Listeners<Event, forms::StringView> listeners_;
};
