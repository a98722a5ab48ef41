// The background check of the page: its pause, its worker and the hand-back of findings.
#include "check/PageCheck.h"

#include "page/Page.h"

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

PageCheck::PageCheck(Page& page, bool on)
    : page_(page), on_(on), desk_(page.runtime(), "pagecheck"),
      worker_([this](const std::stop_token& stop) { work(stop); }) {
    pause_.Tick = [this] { start(); };
    poll_.Tick = [this] { collect(); };
    pageEvents_ = page_.listen([this](Page::Event e, forms::StringView) {
        if (e == Page::Event::Changed) changed();
    });
    if (on_) pause_.setEnabled(true);
}

PageCheck::~PageCheck() {
    pageEvents_.reset();
    worker_.request_stop();
    wake_.notify_all();
}

void PageCheck::setOn(bool on) {
    if (on == on_) return;
    on_ = on;
    ++generation_;
    pause_.setEnabled(false);
    poll_.setEnabled(false);
    if (on_)
        pause_.setEnabled(true);
    else
        publish({});
}

void PageCheck::changed() {
    // A run on the old text still goes on; what it finds is thrown away.
    ++generation_;
    if (!on_) return;
    pause_.setEnabled(false);
    pause_.setEnabled(true);
}

void PageCheck::start() {
    pause_.setEnabled(false);
    {
        std::lock_guard lock(mutex_);
        job_ = Job{generation_, page_.Text1.text()};
    }
    wake_.notify_all();
    poll_.setEnabled(true);
}

void PageCheck::collect() {
    std::optional<Result> result;
    bool pending = false;
    {
        std::lock_guard lock(mutex_);
        result = std::exchange(result_, std::nullopt);
        pending = busy_ || job_;
    }
    if (!pending) poll_.setEnabled(false);
    if (result && result->generation == generation_) publish(std::move(result->problems));
}

void PageCheck::publish(std::vector<check::Problem> problems) {
    problems_ = std::move(problems);
    published_();
}

void PageCheck::waitIdle() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return !busy_ && !job_; });
}

void PageCheck::work(const std::stop_token& stop) {
    // Typing comes first: on a busy machine the check waits for the program's thread.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10);
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, stop, [this] { return job_.has_value(); });
        if (stop.stop_requested()) return;
        Job job = std::move(*std::exchange(job_, std::nullopt));
        busy_ = true;
        lock.unlock();
        Result result{job.generation, {}};
        // A text changed before its run began is not worth a run.
        if (job.generation == generation_) {
            ++runs_;
            result.problems = check::check(job.text);
        } else {
            ++skipped_;
        }
        lock.lock();
        busy_ = false;
        if (result.generation == generation_) result_ = std::move(result);
        wake_.notify_all();
    }
}
