// The check that follows the page: a short pause after the last change, Tidy runs on a
// copy of the text on a worker thread, and the findings come back on the program's thread.
#pragma once

#include "check/Check.h"
#include "forms/Controls.h"
#include "forms/Form.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class Page;

class PageCheck {
public:
    // Quiet time after the last change before the page is checked, and how often a run in
    // progress is looked at for its findings.
    static constexpr int pauseMs = 400;
    static constexpr int pollMs = 40;

    // Listens to the page, which outlives it. Starts checking when on.
    PageCheck(Page& page, bool on);
    ~PageCheck();
    PageCheck(const PageCheck&) = delete;
    PageCheck& operator=(const PageCheck&) = delete;

    bool on() const { return on_; }
    // Off drops the findings at once; on checks the page after the pause.
    void setOn(bool on);

    // The findings for the text as it was at the last check, sorted by place.
    const std::vector<check::Problem>& problems() const { return problems_; }
    // Hears each new set of findings, on the program's thread.
    forms::Subscription listen(std::function<void()> f) { return published_.add(std::move(f)); }

    // Blocks until the worker has nothing left to do (its findings wait for the next look).
    void waitIdle();
    // How many runs the worker started, and how many it left because the page had changed.
    uint64_t runs() const { return runs_; }
    uint64_t skipped() const { return skipped_; }

private:
    struct Job {
        uint64_t generation;
        forms::String text;
    };
    struct Result {
        uint64_t generation;
        std::vector<check::Problem> problems;
    };

    void changed();
    void start();
    void collect();
    void work(const std::stop_token& stop);
    void publish(std::vector<check::Problem> problems);

    Page& page_;
    bool on_;
    std::vector<check::Problem> problems_;
    forms::Listeners<> published_;
    // Owns the timers; never shown.
    forms::Form desk_;
    forms::Timer pause_{desk_, "pause", pauseMs, false};
    forms::Timer poll_{desk_, "poll", pollMs, false};
    forms::Subscription pageEvents_;

    // Every change moves it on: a job or result of an older text is stale.
    std::atomic<uint64_t> generation_{0};
    std::atomic<uint64_t> runs_{0};
    std::atomic<uint64_t> skipped_{0};
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<Job> job_;
    std::optional<Result> result_;
    bool busy_ = false;
    std::jthread worker_; // last: it goes first, while the rest is still there
};
