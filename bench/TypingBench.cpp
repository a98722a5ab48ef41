// Typing one character in the middle of a page, with the status refresh, in the model.
#include "NullPlatform.h"
#include "core/Program.h"
#include "core/Tolva.h"

#include <benchmark/benchmark.h>

static void TypeInTheMiddle(benchmark::State& state) {
    NullPlatform services;
    forms::Platform platform = services.platform();
    Program program(platform);
    Tolva* w = nullptr;
    program.runtime().invoke([&] { w = &program.window<Tolva>(); });
    forms::String page = bigPage(static_cast<size_t>(state.range(0)));
    program.runtime().invoke([&] {
        w->Text1.setText(page);
        w->Text1.setSelStart(w->Text1.length() / 2);
        w->Text1.setFocus();
    });
    for (auto _ : state)
        program.runtime().invoke([&] { w->Text1.type(u'x'); });
    state.counters["page_chars"] = static_cast<double>(page.size());
}
BENCHMARK(TypeInTheMiddle)->Arg(10 * 1024)->Arg(10 * 1024 * 1024)->Unit(benchmark::kMicrosecond);
