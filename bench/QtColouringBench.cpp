// The page's HTML colouring on a 10 MB page: opening it and typing one character in its
// middle, each with colouring on and off (the switch exists for this comparison), in the
// same run. Each step includes the paint that colours what is shown.
#include "QtEditor.h"

#include <QSyntaxHighlighter>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

constexpr size_t kPage = 10 * 1024 * 1024;

// The usual way, for comparison: a highlighter that colours every line of the page as it
// changes, with the same line reader.
class WholePageHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override {
        using namespace tolva::qt::colouring;
        int before = previousBlockState();
        QList<Span> spans;
        State end = colourLine(text, before < 0 ? State{} : State::fromCode(before), &spans);
        for (const Span& s : spans)
            setFormat(s.start, s.length, colours_[static_cast<size_t>(s.kind)]);
        setCurrentBlockState(end.code());
    }

private:
    std::array<QColor, tolva::qt::colouring::kKinds> colours_ =
        tolva::qt::colouring::coloursFor(Qt::white);
};

const forms::String& page() {
    static const forms::String p = bigPage(kPage);
    return p;
}

} // namespace

static void OpenBigPage(benchmark::State& state) {
    Editor e(state.range(0) != 0);
    for (auto _ : state)
        e.open(page(), false);
}
BENCHMARK(OpenBigPage)
    ->ArgName("colouring")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The first view of the middle reads the states of every line above it.
static void OpenBigPageAtItsMiddle(benchmark::State& state) {
    Editor e(state.range(0) != 0);
    for (auto _ : state)
        e.open(page(), true);
}
BENCHMARK(OpenBigPageAtItsMiddle)
    ->ArgName("colouring")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

static void TypeInTheMiddleOfABigPage(benchmark::State& state) {
    Editor e(state.range(0) != 0);
    e.open(page(), true);
    e.edit->setFocus();
    for (auto _ : state) {
        QTest::keyClick(e.edit, Qt::Key_X);
        QApplication::processEvents();
    }
}
BENCHMARK(TypeInTheMiddleOfABigPage)
    ->ArgName("colouring")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

static void OpenBigPageWithAWholePageHighlighter(benchmark::State& state) {
    QString text = tolva::qt::toQt(page());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QPlainTextEdit edit;
    edit.resize(900, 700);
    edit.show();
    WholePageHighlighter highlighter(edit.document());
    for (auto _ : state) {
        edit.setPlainText(text);
        QApplication::processEvents();
    }
}
BENCHMARK(OpenBigPageWithAWholePageHighlighter)->Unit(benchmark::kMillisecond)->Iterations(1);
