// Commands that rewrite a large selection, through the real editor window against the same
// edit made with Qt's own calls on a bare QPlainTextEdit, in the same run: bold around 1 MB
// in the middle of the 10 MB page, and upper case, lower case, indent, tabify and comment on
// the whole page. Then the memory each side holds with the page open, one side per process.
#include "QtEditor.h"
#include "commands/Commands.h"
#include "forms/Runtime.h"
#include "qt/QtPlatform.h"

#include <QFile>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr size_t kBigPage = size_t{10} * 1024 * 1024;
constexpr size_t kPiece = size_t{1024} * 1024;

const forms::String& bigPageText() {
    static const forms::String page = bigPage(kBigPage);
    return page;
}

// The bare widget's text for a model text: one line break where the model has CR LF.
QString plain(const forms::String& text) {
    QString s = tolva::qt::toQt(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

// The bare widget's offset of a model offset.
int plainOffset(const forms::String& text, size_t at) {
    size_t breaks = 0;
    for (size_t i = 0; i + 1 < at; ++i)
        if (text[i] == forms::CR && text[i + 1] == forms::LF) ++breaks;
    return static_cast<int>(at - breaks);
}

// About 1 MB of whole lines from the line start nearest the middle.
struct Range {
    size_t start;
    size_t length;
};
Range middlePiece(const forms::String& page) {
    size_t start = page.rfind(u'\n', page.size() / 2) + 1;
    size_t end = page.rfind(u'\n', start + kPiece) + 1;
    return {start, end - start};
}

void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(w, k, m);
    QApplication::processEvents();
}

// Selects the model range the way a person's selection reaches the window.
void selectIn(Editor& e, size_t start, size_t length) {
    e.program.runtime().invoke([&] {
        e.w->Text1.setSelStart(static_cast<int64_t>(start));
        e.w->Text1.setSelLength(static_cast<int64_t>(length));
    });
    QApplication::processEvents();
    e.settle();
}

void selectIn(QPlainTextEdit& edit, int start, int end) {
    QTextCursor c = edit.textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    edit.setTextCursor(c);
    QApplication::processEvents();
}

// A bench that measures a command that did something else measures nothing.
void expect(bool done, const char* what) {
    if (!done) {
        std::fprintf(stderr, "%s: not the text expected\n", what);
        std::abort();
    }
}

void undo(Editor& e) {
    key(e.edit, Qt::Key_Z, Qt::ControlModifier);
    e.settle();
}

} // namespace

static void Bold1MBInTheMiddle(benchmark::State& state, bool isTolva) {
    const forms::String& page = bigPageText();
    Range r = middlePiece(page);
    if (isTolva) {
        Editor e;
        e.open(page, true);
        for (auto _ : state) {
            state.PauseTiming();
            selectIn(e, r.start, r.length);
            state.ResumeTiming();
            e.program.runtime().invoke([&] { e.w->fonts.bold.click(); });
            QApplication::processEvents();
            state.PauseTiming();
            expect(e.w->Text1.mid(static_cast<int32_t>(r.start), 3) == u"<B>" &&
                       e.w->Text1.length() == static_cast<int32_t>(page.size() + 7),
                   "bold");
            undo(e);
            state.ResumeTiming();
        }
        return;
    }
    BareEditor bare(page);
    int from = plainOffset(page, r.start);
    int to = plainOffset(page, r.start + r.length);
    for (auto _ : state) {
        state.PauseTiming();
        selectIn(bare.edit, from, to);
        state.ResumeTiming();
        QTextCursor c = bare.edit.textCursor();
        c.insertText(QStringLiteral("<B>") + c.selectedText() + QStringLiteral("</B>"));
        bare.edit.setTextCursor(c);
        QApplication::processEvents();
        state.PauseTiming();
        expect(bare.edit.document()->characterCount() == plain(page).size() + 8, "bare bold");
        bare.edit.undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(Bold1MBInTheMiddle, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Bold1MBInTheMiddle, bare, false)->Unit(benchmark::kMillisecond)->Iterations(3);

namespace {

// A whole-page command: the control that runs it, the page it leaves, and the same edit made
// with Qt's calls on the widget's text (line breaks as U+2029).
struct WholePage {
    commands::Id id;
    forms::String (*result)(const forms::String& page);
    QString (*qt)(QString page);
};

forms::String tabified(const forms::String& page) {
    constexpr forms::StringView kTab = u"       ";
    forms::String out(kTab);
    for (size_t i = 0; i < page.size(); ++i) {
        out.push_back(page[i]);
        if (page[i] == forms::CR && i + 1 < page.size() && page[i + 1] == forms::LF) {
            out.push_back(page[++i]);
            out += kTab;
        }
    }
    return out;
}

const WholePage kUpper{commands::Id::mnuUcase,
                       [](const forms::String& p) { return forms::upper(p); },
                       [](QString p) { return std::move(p).toUpper(); }};
const WholePage kLower{commands::Id::mnuLcase,
                       [](const forms::String& p) { return forms::lower(p); },
                       [](QString p) { return std::move(p).toLower(); }};
const WholePage kIndent{
    commands::Id::mnuindent,
    [](const forms::String& p) { return u"<blockquote><P>" + p + u"</P></blockquote>"; },
    [](QString p) {
        return QStringLiteral("<blockquote><P>") + p + QStringLiteral("</P></blockquote>");
    }};
const WholePage kTabify{commands::Id::mnutabby, tabified, [](QString p) {
                            const QString tab = QStringLiteral("       ");
                            const QChar line(QChar::ParagraphSeparator);
                            return tab + p.replace(line, line + tab);
                        }};
const WholePage kComment{
    commands::Id::comment, [](const forms::String& p) { return u"<!-- " + p + u" --> "; },
    [](QString p) { return QStringLiteral("<!-- ") + p + QStringLiteral(" --> "); }};

} // namespace

static void WholePageCommand(benchmark::State& state, const WholePage& command, bool isTolva) {
    const forms::String& page = bigPageText();
    const forms::String result = command.result(page);
    if (isTolva) {
        Editor e;
        e.open(page, false);
        for (auto _ : state) {
            state.PauseTiming();
            selectIn(e, 0, page.size());
            state.ResumeTiming();
            e.program.runtime().invoke([&] { commands::run(*e.w, command.id); });
            QApplication::processEvents();
            state.PauseTiming();
            expect(e.w->Text1.text() == result, "whole page");
            undo(e);
            state.ResumeTiming();
        }
        return;
    }
    BareEditor bare(page);
    const QString plainResult = plain(result);
    for (auto _ : state) {
        state.PauseTiming();
        selectIn(bare.edit, 0, bare.edit.document()->characterCount() - 1);
        state.ResumeTiming();
        // The edit as a command on the bare widget makes it: read the selection, rewrite it,
        // put it back.
        QTextCursor c = bare.edit.textCursor();
        c.insertText(command.qt(c.selectedText()));
        QApplication::processEvents();
        state.PauseTiming();
        expect(bare.edit.toPlainText() == plainResult, "bare whole page");
        bare.edit.undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
#define WHOLE_PAGE(name, command)                                                                  \
    BENCHMARK_CAPTURE(WholePageCommand, name##_tolva, command, true)                               \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(3);                                                                           \
    BENCHMARK_CAPTURE(WholePageCommand, name##_bare, command, false)                               \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(3)
WHOLE_PAGE(upper, kUpper);
WHOLE_PAGE(lower, kLower);
WHOLE_PAGE(indent, kIndent);
WHOLE_PAGE(tabify, kTabify);
WHOLE_PAGE(comment, kComment);
#undef WHOLE_PAGE

namespace {

// Resident now (VmRSS) and the peak resident so far (VmHWM), in MB, from one reading.
struct Resident {
    double now = 0;
    double peak = 0;
};
Resident resident() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) std::abort();
    Resident r;
    for (const QByteArray& line : f.readAll().split('\n')) {
        double* to = line.startsWith("VmRSS:")   ? &r.now
                     : line.startsWith("VmHWM:") ? &r.peak
                                                 : nullptr;
        if (to) *to = line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    }
    return r;
}

} // namespace

// The peak is the process's, so each side is measured alone:
//   --benchmark_filter=Memory/tolva, then --benchmark_filter=Memory/bare.
// empty_MB is the same side showing an empty page, before the page is opened. Both sides open
// the page's file as their File > Open does, so each holds what a user's open leaves.
static void Memory(benchmark::State& state, bool isTolva) {
    for (auto _ : state) {
        PageFile file(bigPage(kBigPage));
        Resident empty;
        Resident r;
        if (isTolva) {
            Editor e;
            empty = resident();
            e.read(file);
            r = resident();
        } else {
            QPlainTextEdit bare;
            bare.resize(900, 700);
            bare.show();
            QApplication::processEvents();
            empty = resident();
            bare.setPlainText(file.plain());
            QApplication::processEvents();
            r = resident();
        }
        state.counters["empty_MB"] = empty.now;
        state.counters["resident_MB"] = r.now;
        state.counters["peak_MB"] = r.peak;
        // What holding the page takes, apart from the windows around it.
        state.counters["page_MB"] = r.now - empty.now;
        state.counters["page_peak_MB"] = r.peak - empty.now;
    }
}
BENCHMARK_CAPTURE(Memory, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(Memory, bare, false)->Unit(benchmark::kMillisecond)->Iterations(1);
