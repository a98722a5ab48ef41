// Typing one character in the middle of a 10 MB page with the recovery copy kept, against
// the same typing with nothing kept, in the same run; the copy's timer fires when its
// interval has passed on the clock, as the real one does under steady typing. And the
// pause one copy makes on the user-interface thread.
#include "NullPlatform.h"
#include "core/Program.h"
#include "core/Tolva.h"
#include "page/Recovery.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

namespace {

using Steady = std::chrono::steady_clock;

// The recovery's latest-copy timer, caught as it is started; a worker thread for the
// writes, as the real program has one; a scratch state folder.
struct KeepingPlatform : NullPlatform, forms::StateFiles {
    forms::Timer* latest = nullptr;
    Steady::time_point since;
    std::string dir;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> jobs;
    bool stopping = false;
    std::thread worker{[this] { work(); }};

    KeepingPlatform() {
        char name[] = "/tmp/tolva-bench-XXXXXX";
        dir = ::mkdtemp(name);
    }
    ~KeepingPlatform() override {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        wake.notify_one();
        worker.join();
        std::filesystem::remove_all(dir);
    }
    void timerChanged(forms::Timer& t) override {
        if (t.form().name() != "recovery" || t.name() != "latest") return;
        if (t.enabled() && !latest) since = Steady::now();
        latest = t.enabled() ? &t : nullptr;
    }
    void timerGone(forms::Timer& t) override {
        if (latest == &t) latest = nullptr;
    }
    std::string folder() override { return dir; }
    void post(std::function<void()> job) override {
        {
            std::lock_guard lock(mutex);
            jobs.push_back(std::move(job));
        }
        wake.notify_one();
    }
    void work() {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stopping || !jobs.empty(); });
            if (jobs.empty()) return;
            auto job = std::move(jobs.front());
            jobs.pop_front();
            lock.unlock();
            job();
            lock.lock();
        }
    }
    forms::Platform keeping() {
        forms::Platform p = platform();
        p.state = this;
        return p;
    }
};

struct Editing {
    KeepingPlatform services;
    forms::Platform platform;
    Program program;
    Tolva* w = nullptr;
    explicit Editing(bool kept)
        : platform(kept ? services.keeping() : services.platform()), program(platform) {
        program.runtime().invoke([&] { w = &program.window<Tolva>(); });
        forms::String page = bigPage(size_t{10} * 1024 * 1024);
        program.runtime().invoke([&] {
            w->Text1.setText(page);
            w->Text1.setSelStart(w->Text1.length() / 2);
            w->Text1.setFocus();
        });
    }
};

void typeWithRecovery(benchmark::State& state, bool kept) {
    Editing e(kept);
    const auto interval = std::chrono::milliseconds(Recovery::latestMs);
    int copies = 0;
    for (auto _ : state) {
        e.program.runtime().invoke([&] {
            e.w->Text1.type(u'x');
            auto* t = e.services.latest;
            if (t && Steady::now() - e.services.since >= interval) {
                t->fire();
                ++copies;
            }
        });
    }
    state.counters["copies"] = copies;
}

} // namespace

static void TypeWithRecoveryOff(benchmark::State& state) {
    typeWithRecovery(state, false);
}
static void TypeWithRecoveryOn(benchmark::State& state) {
    typeWithRecovery(state, true);
}
// Long enough for the copy to be written more than once in each run.
BENCHMARK(TypeWithRecoveryOff)->Unit(benchmark::kMicrosecond)->MinTime(12);
BENCHMARK(TypeWithRecoveryOn)->Unit(benchmark::kMicrosecond)->MinTime(12);

// One keystroke and the copy it starts, at once: what a keystroke that meets the timer costs.
static void KeystrokeMeetingTheCopy(benchmark::State& state) {
    Editing e(true);
    for (auto _ : state) {
        e.program.runtime().invoke([&] {
            e.w->Text1.type(u'x');
            if (e.services.latest) e.services.latest->fire();
        });
    }
}
BENCHMARK(KeystrokeMeetingTheCopy)->Unit(benchmark::kMillisecond);
