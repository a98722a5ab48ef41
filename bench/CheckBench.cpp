// The page check: Tidy over a 1 MB page on its own, and one typed character in a 10 MB page
// through the real window with the check on and off, in the same run.
#include "QtEditor.h"
#include "check/Check.h"
#include "check/Problems.h"

#include <benchmark/benchmark.h>

static void CheckOneMegabytePage(benchmark::State& state) {
    forms::String page = bigPage(size_t{1024} * 1024);
    // One fault near the start, so that every line after it is still read.
    page.insert(0, u"<DIV>");
    size_t found = 0;
    for (auto _ : state)
        found = check::check(page).size();
    state.counters["problems"] = static_cast<double>(found);
}
BENCHMARK(CheckOneMegabytePage)->Unit(benchmark::kMillisecond);

// range(0): the check on (1) or off (0). Each keystroke is followed by the events it
// started, as in the running program; the pause never passes while typing goes on, and the
// check of the page as opened runs on its worker meanwhile (its findings are thrown away).
static void TypeInTenMegabytesChecked(benchmark::State& state) {
    Editor e;
    Problems& problems = e.program.window<Problems>();
    QApplication::processEvents(); // the status items and the Problems window
    e.program.runtime().invoke([&] { problems.pageCheck.setOn(state.range(0) != 0); });
    e.open(bigPage(size_t{10} * 1024 * 1024), true);
    // The pause passes: with the check on, Tidy now reads the page on its worker.
    QTest::qWait(PageCheck::pauseMs + 50);
    e.edit->setFocus();
    for (auto _ : state) {
        QTest::keyClick(e.edit, Qt::Key_X);
        QApplication::processEvents();
    }
    problems.pageCheck.waitIdle();
}
BENCHMARK(TypeInTenMegabytesChecked)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
