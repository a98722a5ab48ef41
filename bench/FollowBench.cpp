// Typing in a 10 MB page with the preview open, "Follow typing" off and on, in the same run;
// and what one refresh costs the user-interface thread when the typing pauses.
#include "NullPlatform.h"
#include "core/Program.h"
#include "core/Tolva.h"
#include "dialogs/FrmBrowser.h"
#include "qt/Binder.h"
#include "qt/BufferEdit.h"
#include "qt/FormView.h"
#include "qt/MainView.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

constexpr size_t kPage = size_t{10} * 1024 * 1024;

// Takes a text as the engine's browser does (UTF-8, for the page handler) and loads at once.
class StandInBrowser : public forms::Browser {
public:
    void navigate(forms::StringView) override { loaded(); }
    void goBack() override {}
    void goForward() override {}
    void goHome() override {}
    void goSearch() override {}
    void stop() override {}
    void refresh() override {}
    forms::String locationName() override { return u"page"; }
    forms::String locationURL() override { return u"page"; }
    bool busy() override { return false; }
    void showText(forms::StringView html, forms::StringView) override {
        bytes = tolva::qt::toQt(html).toUtf8();
        loaded();
    }
    QByteArray bytes;

private:
    void loaded() {
        if (NavigateComplete) NavigateComplete();
        if (DownloadComplete) DownloadComplete();
    }
};

// The editor on the page, its caret in the middle, the preview open. The timers are the
// real ones: each keystroke restarts the preview's pause.
struct Preview {
    NullPlatform services;
    tolva::qt::QtClock clock;
    StandInBrowser browser;
    forms::Platform platform{services, services, services, clock, services, &browser};
    Program program{platform};
    tolva::qt::ViewManager views{program};
    tolva::qt::BufferEdit* edit = nullptr;
    FrmBrowser* preview = nullptr;

    explicit Preview(bool follow) {
        Page& page = program.page();
        program.runtime().invoke([&] { program.window<Tolva>().show(); });
        auto* view = static_cast<tolva::qt::MainView*>(views.view("tolva"));
        view->show();
        edit = view->buffer();
        program.runtime().invoke([&] {
            page.Text1.setText(bigPage(kPage));
            page.Text1.setSelStart(page.Text1.length() / 2);
            page.setSaveme(u"/tmp/tolva-follow-bench.html");
            page.firstPreview = false;
            preview_Click(page);
            preview = page.loaded<FrmBrowser>();
            if (follow) preview->chkFollow.setValue(1);
        });
        QApplication::processEvents();
        while (edit->counting()) // the lines the page's setting left, before typing is timed
            QApplication::processEvents();
        edit->setFocus();
    }
};

} // namespace

static void TypingWithThePreviewOpen(benchmark::State& state) {
    const bool follow = state.range(0) != 0;
    Preview p(follow);
    for (auto _ : state)
        QTest::keyClick(p.edit, Qt::Key_X);
    state.SetLabel(follow ? "Follow typing on" : "Follow typing off");
}
BENCHMARK(TypingWithThePreviewOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Not on any keystroke's path: it runs once the pause after the last key has passed.
static void OneRefreshOfTheTypedPage(benchmark::State& state) {
    Preview p(true);
    for (auto _ : state) {
        state.PauseTiming();
        QTest::keyClick(p.edit, Qt::Key_X);
        state.ResumeTiming();
        p.program.runtime().invoke([&] { p.preview->timFollow_Timer(); });
    }
    state.counters["utf8_bytes"] = static_cast<double>(p.browser.bytes.size());
}
BENCHMARK(OneRefreshOfTheTypedPage)->Unit(benchmark::kMillisecond)->Iterations(20);
