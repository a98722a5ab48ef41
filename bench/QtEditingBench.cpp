// Everyday edits through the real editor window against the same keys in a bare
// QPlainTextEdit holding the same page, in the same run: select all, delete all and its
// undo, Enter and Backspace in the middle, and one typed character on pages of three sizes.
// Each step includes the paint that follows it.
#include "QtEditor.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

constexpr size_t kBigPage = 10 * 1024 * 1024;

const forms::String& pageOf(size_t bytes) {
    static std::map<size_t, forms::String> pages;
    auto it = pages.find(bytes);
    if (it == pages.end()) it = pages.emplace(bytes, bigPage(bytes)).first;
    return it->second;
}

// Either editor on a page, its caret in the middle and the keyboard in it.
struct Subject {
    std::unique_ptr<Editor> tolva;
    std::unique_ptr<BareEditor> bare;
    QPlainTextEdit* edit = nullptr;

    Subject(bool isTolva, size_t bytes) {
        if (isTolva) {
            tolva = std::make_unique<Editor>();
            tolva->open(pageOf(bytes), true);
            edit = tolva->edit;
        } else {
            bare = std::make_unique<BareEditor>(pageOf(bytes));
            edit = &bare->edit;
        }
        edit->setFocus();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) const {
        QTest::keyClick(edit, k, m);
        QApplication::processEvents();
    }
};

} // namespace

static void SelectAll(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    for (auto _ : state) {
        s.key(Qt::Key_A, Qt::ControlModifier);
        state.PauseTiming();
        s.key(Qt::Key_Left);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(SelectAll, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(SelectAll, bare, false)->Unit(benchmark::kMillisecond)->Iterations(10);

static void DeleteAll(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    for (auto _ : state) {
        state.PauseTiming();
        s.key(Qt::Key_A, Qt::ControlModifier);
        state.ResumeTiming();
        s.key(Qt::Key_Delete);
        state.PauseTiming();
        s.key(Qt::Key_Z, Qt::ControlModifier);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(DeleteAll, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(DeleteAll, bare, false)->Unit(benchmark::kMillisecond)->Iterations(3);

static void UndoDeleteAll(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    for (auto _ : state) {
        state.PauseTiming();
        s.key(Qt::Key_A, Qt::ControlModifier);
        s.key(Qt::Key_Delete);
        state.ResumeTiming();
        s.key(Qt::Key_Z, Qt::ControlModifier);
    }
}
BENCHMARK_CAPTURE(UndoDeleteAll, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(UndoDeleteAll, bare, false)->Unit(benchmark::kMillisecond)->Iterations(3);

static void EnterInTheMiddle(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    for (auto _ : state) {
        s.key(Qt::Key_Return);
        state.PauseTiming();
        s.key(Qt::Key_Backspace);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(EnterInTheMiddle, tolva, true)->Unit(benchmark::kMicrosecond)->Iterations(100);
BENCHMARK_CAPTURE(EnterInTheMiddle, bare, false)->Unit(benchmark::kMicrosecond)->Iterations(100);

static void BackspaceInTheMiddle(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    for (auto _ : state) {
        s.key(Qt::Key_Backspace);
        state.PauseTiming();
        s.key(Qt::Key_X);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BackspaceInTheMiddle, tolva, true)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100);
BENCHMARK_CAPTURE(BackspaceInTheMiddle, bare, false)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100);

// The page's size in KB is the argument.
static void TypeInTheMiddle(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, static_cast<size_t>(state.range(0)) * 1024);
    for (auto _ : state)
        s.key(Qt::Key_X);
}
BENCHMARK_CAPTURE(TypeInTheMiddle, tolva, true)
    ->ArgName("KB")
    ->Arg(100)
    ->Arg(1024)
    ->Arg(10240)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(300);
BENCHMARK_CAPTURE(TypeInTheMiddle, bare, false)
    ->ArgName("KB")
    ->Arg(100)
    ->Arg(1024)
    ->Arg(10240)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(300);
