// The page's file on disk: how it was when Tolva last read or wrote it, what another
// program has done to it since, and which question that calls for.
#pragma once

#include "forms/Platform.h"
#include "forms/Text.h"

#include <functional>
#include <optional>

class DiskWatch {
public:
    // How the file is now against the one the page was read from or written to.
    enum class Disk { Same, Changed, Missing };

    // Does not own the files service, which outlives it; without one nothing is watched
    // and the file always counts as the same.
    explicit DiskWatch(forms::FileWatch* files);
    ~DiskWatch();
    DiskWatch(const DiskWatch&) = delete;
    DiskWatch& operator=(const DiskWatch&) = delete;

    // The stamp to hand to follow, taken before the file is read: a write that races the
    // read then shows as a change instead of being lost.
    std::optional<forms::FileStamp> stampOf(forms::StringView path) const;
    // The page now holds path as it was at stamp (nothing: there was no file); watches it.
    void follow(forms::StringView path, std::optional<forms::FileStamp> stamp);
    // Tolva has just written path.
    void wrote(forms::StringView path) { follow(path, stampOf(path)); }
    // The page has no file any more.
    void stop();

    // Raised when the platform reports a change that calls for a question (again for each
    // further change until the question is taken).
    std::function<void()> onNews;

    // The question to ask now, if any; its answer goes to accept, refused or follow (the
    // file read again). Several changes since the last question give one.
    Disk take();
    // The user keeps the page over the file as it was at the question: the next save
    // writes it without asking.
    void accept();
    // The user turned the question down: the file as it was then asks nothing more, and an
    // automatic save leaves it alone; a save by hand still checks it.
    void refused();

    // Before writing over path (one stat). Same for a path the page does not hold.
    Disk check(forms::StringView path);
    // The user would not write over the file as the check found it: as refused.
    void kept();
    // An automatic save that found a change did not write: the question waits for the
    // user.
    void postponed();

private:
    struct State {
        bool exists = false;
        forms::FileStamp stamp;
        bool operator==(const State&) const = default;
    };
    State now() const;
    Disk against(const State& s) const;
    bool news(const State& s) const;
    void notice();

    forms::FileWatch* files_;
    forms::String path_;
    State known_;                   // as Tolva last read or wrote it
    std::optional<State> answered_; // a state the user has turned down
    State asked_;                   // at the last question
    State checked_;                 // at the last check
    bool pending_ = false;
};
