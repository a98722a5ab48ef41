// One typed character through the real editor widget on a 1 MB page, against typing it
// into a bare QPlainTextEdit holding the same page, in the same run.
#include "NullPlatform.h"
#include "core/Program.h"
#include "core/Tolva.h"
#include "qt/Binder.h"
#include "qt/BufferEdit.h"
#include "qt/FormView.h"
#include "qt/MainView.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {
constexpr size_t kPage = 1024 * 1024;

QString displayPage() {
    QString p = tolva::qt::toQt(bigPage(kPage));
    p.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return p;
}
} // namespace

static void TolvaEditor(benchmark::State& state) {
    NullPlatform services;
    forms::Platform platform = services.platform();
    Program program(platform);
    tolva::qt::ViewManager views(program);
    program.runtime().invoke([&] { program.window<Tolva>().show(); });
    Tolva& w = *program.loaded<Tolva>();
    auto* view = static_cast<tolva::qt::MainView*>(views.view("tolva"));
    view->show();
    program.runtime().invoke([&] {
        w.Text1.setText(bigPage(kPage));
        w.Text1.setSelStart(w.Text1.length() / 2);
    });
    QApplication::processEvents();
    auto* edit = view->buffer();
    edit->setFocus();
    for (auto _ : state)
        QTest::keyClick(edit, Qt::Key_X);
}
BENCHMARK(TolvaEditor)->Unit(benchmark::kMicrosecond);

static void BareQPlainTextEdit(benchmark::State& state) {
    QPlainTextEdit edit;
    edit.resize(900, 700);
    edit.setPlainText(displayPage());
    edit.show();
    QTextCursor c = edit.textCursor();
    c.setPosition(edit.document()->characterCount() / 2);
    edit.setTextCursor(c);
    QApplication::processEvents();
    edit.setFocus();
    for (auto _ : state)
        QTest::keyClick(&edit, Qt::Key_X);
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
