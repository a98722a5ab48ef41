// The model's share of bold around 1 MB and of the whole-page commands: the same commands on
// the 10 MB page with no widget to mirror them, so that only the program's own work is timed.
#include "NullPlatform.h"
#include "commands/Commands.h"
#include "core/Program.h"
#include "core/Tolva.h"

#include <benchmark/benchmark.h>

namespace {

// The window on the 10 MB page; each step selects, runs the command and undoes it untimed.
struct Model {
    NullPlatform services;
    forms::Platform platform = services.platform();
    Program program{platform};
    Tolva* w = nullptr;
    forms::String page = bigPage(size_t{10} * 1024 * 1024);

    Model() {
        program.runtime().invoke([&] {
            w = &program.window<Tolva>();
            w->Text1.setText(page);
        });
    }
    void run(benchmark::State& state, int32_t start, int32_t length, commands::Id id) {
        for (auto _ : state) {
            state.PauseTiming();
            program.runtime().invoke([&] { w->Text1.select(start, length); });
            state.ResumeTiming();
            program.runtime().invoke([&] { commands::run(*w, id); });
            state.PauseTiming();
            program.runtime().invoke([&] { w->Text1.undo(); });
            state.ResumeTiming();
        }
    }
};

} // namespace

static void ModelBold1MB(benchmark::State& state) {
    Model m;
    auto start = static_cast<int32_t>(m.page.rfind(u'\n', m.page.size() / 2) + 1);
    m.run(state, start, 1024 * 1024, commands::Id::bold);
}
BENCHMARK(ModelBold1MB)->Unit(benchmark::kMillisecond)->Iterations(10);

static void ModelWholePage(benchmark::State& state, commands::Id id) {
    Model m;
    m.run(state, 0, static_cast<int32_t>(m.page.size()), id);
}
#define WHOLE_PAGE(name, id)                                                                       \
    BENCHMARK_CAPTURE(ModelWholePage, name, id)->Unit(benchmark::kMillisecond)->Iterations(5)
WHOLE_PAGE(upper, commands::Id::mnuUcase);
WHOLE_PAGE(lower, commands::Id::mnuLcase);
WHOLE_PAGE(indent, commands::Id::mnuindent);
WHOLE_PAGE(tabify, commands::Id::mnutabby);
WHOLE_PAGE(comment, commands::Id::comment);
#undef WHOLE_PAGE
