// The page check: Tidy over a 1 MB page on its own, and one typed character in a 10 MB page
// through the real window with the check on and off, in the same run.
#include "NullPlatform.h"
#include "check/Check.h"
#include "check/Problems.h"
#include "core/Program.h"
#include "core/Tolva.h"
#include "page/Page.h"
#include "qt/BufferEdit.h"
#include "qt/FormView.h"
#include "qt/MainView.h"

#include <QApplication>
#include <QTest>

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
    NullPlatform services;
    forms::Platform platform = services.platform();
    Program program(platform);
    tolva::qt::ViewManager views(program);
    program.runtime().invoke([&] { program.window<Tolva>().show(); });
    Tolva& w = *program.loaded<Tolva>();
    auto* view = static_cast<tolva::qt::MainView*>(views.view("tolva"));
    view->show();
    QApplication::processEvents(); // the status items and the Problems window
    Problems& problems = program.window<Problems>();
    program.runtime().invoke([&] {
        problems.pageCheck.setOn(state.range(0) != 0);
        w.Text1.setText(bigPage(size_t{10} * 1024 * 1024));
        w.Text1.setSelStart(w.Text1.length() / 2);
    });
    // The pause passes: with the check on, Tidy now reads the page on its worker.
    QTest::qWait(PageCheck::pauseMs + 50);
    auto* edit = view->buffer();
    // The lines the page's setting left are laid out before typing is timed.
    while (edit->counting())
        QApplication::processEvents();
    edit->setFocus();
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_X);
        QApplication::processEvents();
    }
    problems.pageCheck.waitIdle();
}
BENCHMARK(TypeInTenMegabytesChecked)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
