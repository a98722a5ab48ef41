// The recovery copy of the unsaved page: written a short pause after changes, off the
// user-interface thread, gone once the page is saved or let go; and the copies that runs
// which died left behind.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "page/Page.h"
#include "page/PageFile.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Recovery;

namespace recovery {

// What a recovery file holds.
struct Copy {
    forms::String name; // the page's file name, as saveme holds it
    forms::String text;
    int32_t selStart = 0;
    int32_t selLength = 0;
    pagefile::Format format;
    bool operator==(const Copy&) const = default;
};

// The file's bytes: a short text header, then the name and the text as UTF-16 code units,
// so that whatever the buffer holds (half a surrogate pair, a lone CR) comes back as it was.
std::string encode(const Copy& c);
// Nothing when the bytes are not a whole recovery file.
std::optional<Copy> decode(std::string_view bytes);

// A copy that a run which died left behind. While it is held, its lock is ours: no other
// run offers it meanwhile. Letting it go keeps its files for the next start.
class Leftover {
public:
    recovery::Copy copy;

    Leftover(Leftover&& o) noexcept;
    Leftover& operator=(Leftover&& o) noexcept;
    ~Leftover();
    Leftover(const Leftover&) = delete;
    Leftover& operator=(const Leftover&) = delete;

private:
    friend class ::Recovery;
    Leftover(recovery::Copy c, std::string path, std::string lockPath, int lockFd);
    std::string path_;
    std::string lockPath_;
    int lockFd_ = -1;
};

} // namespace recovery

class Recovery {
public:
    // Quiet time after the last change before the copy is written, and the longest a
    // change waits for it while typing goes on.
    static constexpr int pauseMs = 2000;
    static constexpr int latestMs = 5000;

    // Listens to the page, which outlives it. Keeps nothing without the platform's state
    // files or their folder.
    explicit Recovery(Page& page);
    ~Recovery();
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    // The copies of runs that are gone, newest first. Another run's copy stays its own.
    std::vector<recovery::Leftover> leftBehind();
    // The user turned the copy down: its files go.
    void discard(recovery::Leftover left);
    // The page now holds the copy: this run writes its own, then the old one goes.
    void adopt(recovery::Leftover left);

    // This run's recovery file; "" until it first writes.
    const std::string& path() const { return path_; }

private:
    void pageEvent(Page::Event e);
    bool keeping() const;
    void write();
    void remove();
    void stopTimers();
    bool claimName();

    Page& page_;
    forms::StateFiles* state_;
    // Owns the two timers; never shown.
    forms::Form desk_;
    forms::Timer pause_{desk_, "pause", pauseMs, false};
    forms::Timer latest_{desk_, "latest", latestMs, false};
    forms::Subscription events_;

    std::string folder_;
    std::string path_;
    std::string lockPath_;
    int lockFd_ = -1;
    bool failed_ = false;  // no name could be had: nothing is written this run
    bool written_ = false; // the file may be on disk (a write is posted since the last removal)
    bool closed_ = false;
    // The last job posted; a write that a newer job overtook before it started is skipped.
    std::shared_ptr<std::atomic<uint64_t>> latestJob_ = std::make_shared<std::atomic<uint64_t>>(0);
};
