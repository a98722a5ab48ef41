// Everyday edits through the real editor window against the same keys in a bare
// QPlainTextEdit holding the same page, in the same run: select all, delete all and its
// undo, Enter and Backspace in the middle, one typed character on pages of three sizes and
// in a minified page of one 10 MB line, and pasting 1 MB in the middle. Each step includes the
// paint that follows it. Then the page's file: opening it until its text is shown against
// setPlainText of the same file, saving it against cp and sync, and replacing a common word
// everywhere against sed -i.
#include "QtEditor.h"
#include "page/Texts.h"
#include "qt/QtPlatform.h"
#include "tools/FindReplace.h"

#include <QClipboard>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

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
    // Untimed steps wait until the lines they left are counted, so that no timed step pays
    // for an untimed one.
    void untimed(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) const {
        key(k, m);
        if (tolva) tolva->settle();
    }
};

} // namespace

static void SelectAll(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    for (auto _ : state) {
        s.key(Qt::Key_A, Qt::ControlModifier);
        state.PauseTiming();
        s.untimed(Qt::Key_Left);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(SelectAll, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(SelectAll, bare, false)->Unit(benchmark::kMillisecond)->Iterations(10);

static void DeleteAll(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    for (auto _ : state) {
        state.PauseTiming();
        s.untimed(Qt::Key_A, Qt::ControlModifier);
        state.ResumeTiming();
        s.key(Qt::Key_Delete);
        state.PauseTiming();
        s.untimed(Qt::Key_Z, Qt::ControlModifier);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(DeleteAll, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(DeleteAll, bare, false)->Unit(benchmark::kMillisecond)->Iterations(3);

static void UndoDeleteAll(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    for (auto _ : state) {
        state.PauseTiming();
        s.untimed(Qt::Key_A, Qt::ControlModifier);
        s.untimed(Qt::Key_Delete);
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
        s.untimed(Qt::Key_Backspace);
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
        s.untimed(Qt::Key_X);
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

// A minified page: the whole 10 MB on one line.
static void TypeInALongLine(benchmark::State& state, bool isTolva) {
    static const forms::String line = [] {
        forms::String page = pageOf(kBigPage);
        std::erase_if(page, [](char16_t c) { return c == u'\r' || c == u'\n'; });
        return page;
    }();
    std::unique_ptr<Editor> tolva;
    std::unique_ptr<BareEditor> bare;
    QPlainTextEdit* edit = nullptr;
    if (isTolva) {
        tolva = std::make_unique<Editor>();
        tolva->open(line, true);
        edit = tolva->edit;
    } else {
        bare = std::make_unique<BareEditor>(line);
        edit = &bare->edit;
    }
    edit->setFocus();
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_X);
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(TypeInALongLine, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(TypeInALongLine, bare, false)->Unit(benchmark::kMillisecond)->Iterations(1);

static void Paste1MBInTheMiddle(benchmark::State& state, bool isTolva) {
    Subject s(isTolva, kBigPage);
    const forms::String& piece = pageOf(size_t{1024} * 1024);
    if (isTolva)
        s.tolva->services.setText(piece);
    else
        QApplication::clipboard()->setText(tolva::qt::toDesktopText(piece));
    for (auto _ : state) {
        s.key(Qt::Key_V, Qt::ControlModifier);
        state.PauseTiming();
        s.untimed(Qt::Key_Z, Qt::ControlModifier);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(Paste1MBInTheMiddle, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Paste1MBInTheMiddle, bare, false)->Unit(benchmark::kMillisecond)->Iterations(3);

static void OpenFile(benchmark::State& state, bool isTolva) {
    PageFile file(pageOf(kBigPage));
    Editor tolva;
    QPlainTextEdit bare;
    bare.resize(900, 700);
    bare.show();
    for (auto _ : state) {
        state.PauseTiming();
        // An empty untitled page first, so that each open reads another page than the one
        // shown, as a user's open does (the same file again keeps the page's undo steps).
        tolva.open(u"", false);
        tolva.program.runtime().invoke([&] { tolva.w->page.setSaveme(Captions::untitled); });
        tolva.settle();
        bare.clear();
        QApplication::processEvents();
        state.ResumeTiming();
        if (isTolva) {
            tolva.program.runtime().invoke([&] { tolva.w->openPage(file.name()); });
        } else {
            bare.setPlainText(file.plain());
        }
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(OpenFile, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(OpenFile, bare, false)->Unit(benchmark::kMillisecond)->Iterations(3);

static void SaveFile(benchmark::State& state, bool isTolva) {
    PageFile file(pageOf(kBigPage));
    Editor tolva;
    tolva.program.runtime().invoke([&] { tolva.w->openPage(file.name()); });
    QApplication::processEvents();
    const QString cp = QStringLiteral("cp '%1' '%2' && sync '%2'").arg(file.path, file.copy);
    for (auto _ : state) {
        if (isTolva)
            tolva.program.runtime().invoke([&] { tolva.w->save_Click(); });
        else
            PageFile::shell(cp);
    }
}
BENCHMARK_CAPTURE(SaveFile, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(SaveFile, cp_sync, false)->Unit(benchmark::kMillisecond)->Iterations(5);

// A word on every line, in the case it is written; the replacement is longer. Beside sed,
// the bare widget makes the same edit with Qt's calls: its text, replaced, put back.
static void ReplaceAllInTheBareWidget(benchmark::State& state) {
    BareEditor bare(pageOf(kBigPage));
    QString page = tolva::qt::toQt(pageOf(kBigPage));
    page.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (auto _ : state) {
        state.PauseTiming();
        bare.edit.setPlainText(page);
        QApplication::processEvents();
        state.ResumeTiming();
        QTextCursor c = bare.edit.textCursor();
        c.select(QTextCursor::Document);
        c.insertText(c.selectedText().replace(QStringLiteral("text"), QStringLiteral("words")));
        QApplication::processEvents();
    }
}
BENCHMARK(ReplaceAllInTheBareWidget)->Unit(benchmark::kMillisecond)->Iterations(3);

static void ReplaceAll(benchmark::State& state, bool isTolva) {
    PageFile file(pageOf(kBigPage));
    Editor tolva;
    const QString sed = QStringLiteral("sed -i 's/text/words/g' '%1'").arg(file.path);
    std::vector<std::unique_ptr<PageFile>> others;
    for (auto _ : state) {
        state.PauseTiming();
        // Another file each time: reading the same file again keeps the undo steps, and the
        // replacement would be a redo of the last.
        if (isTolva) {
            others.push_back(std::make_unique<PageFile>(pageOf(kBigPage)));
            tolva.read(*others.back());
        } else
            file.write(pageOf(kBigPage));
        state.ResumeTiming();
        if (!isTolva) {
            PageFile::shell(sed);
            continue;
        }
        tolva.program.runtime().invoke([&] {
            auto& f = tolva.program.window<FindReplace>();
            f.casematch.setValue(1);
            f.txtfind.setText(u"text");
            f.txtReplace.setText(u"words");
            f.btnReplaceAll.click();
        });
        QApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(ReplaceAll, tolva, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(ReplaceAll, sed, false)->Unit(benchmark::kMillisecond)->Iterations(3);
