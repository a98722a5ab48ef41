// One typed character through the real editor widget on a 1 MB page, against typing it
// into a bare QPlainTextEdit holding the same page, in the same run.
#include "QtEditor.h"

#include <benchmark/benchmark.h>

namespace {
constexpr size_t kPage = 1024 * 1024;
} // namespace

static void TolvaEditor(benchmark::State& state) {
    Editor e;
    e.open(bigPage(kPage), true);
    e.edit->setFocus();
    for (auto _ : state)
        QTest::keyClick(e.edit, Qt::Key_X);
}
BENCHMARK(TolvaEditor)->Unit(benchmark::kMicrosecond);

static void BareQPlainTextEdit(benchmark::State& state) {
    BareEditor bare(bigPage(kPage));
    for (auto _ : state)
        QTest::keyClick(&bare.edit, Qt::Key_X);
}
BENCHMARK(BareQPlainTextEdit)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
