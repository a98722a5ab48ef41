// The real editor window on a page, a bare QPlainTextEdit holding the same page, and the page
// as a file, for benchmarks that compare the two in the same run.
#pragma once

#include "NullPlatform.h"
#include "core/Program.h"
#include "core/Tolva.h"
#include "qt/Binder.h"
#include "qt/BufferEdit.h"
#include "qt/FormView.h"
#include "qt/MainView.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <string>

// A page as a file, as Tolva saves it (ASCII pages stay ASCII; CR LF breaks).
struct PageFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("page.htm"));
    QString copy = dir.filePath(QStringLiteral("copy.htm"));

    explicit PageFile(const forms::String& page) { write(page); }
    void write(const forms::String& page) const {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) std::abort();
        std::string bytes = forms::toUtf8(page);
        if (f.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
            std::abort();
    }
    forms::String name() const { return forms::fromFileName(path.toStdString()); }
    // The bare widget's open: the file's bytes as UTF-8, one line break for each CR LF.
    QString plain() const {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) std::abort();
        QString text = QString::fromUtf8(f.readAll());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return text;
    }
    static void shell(const QString& command) {
        if (std::system(command.toStdString().c_str()) != 0) std::abort();
    }
};

struct Editor {
    NullPlatform services;
    forms::Platform platform = services.platform();
    Program program{platform};
    tolva::qt::ViewManager views{program};
    Tolva* w = nullptr;
    tolva::qt::BufferEdit* edit = nullptr;

    explicit Editor(bool colouring = true) {
        program.runtime().invoke([&] { program.window<Tolva>().show(); });
        w = program.loaded<Tolva>();
        auto* view = static_cast<tolva::qt::MainView*>(views.view("tolva"));
        view->show();
        edit = view->buffer();
        edit->colours().setEnabled(colouring);
        QApplication::processEvents();
    }
    // As Open leaves it: the caret at the start, or in the middle when asked.
    void open(const forms::String& page, bool middle) {
        program.runtime().invoke([&] {
            w->Text1.setText(page);
            w->Text1.setSelStart(middle ? w->Text1.length() / 2 : 0);
        });
        edit->ensureCursorVisible();
        QApplication::processEvents(); // the paint that colours what is shown
        settle();
    }
    // File > Open of the file, as the user gets it: read through the window, shown and counted.
    void read(const PageFile& file) {
        program.runtime().invoke([&] { w->openPage(file.name()); });
        QApplication::processEvents();
        settle();
    }
    // Until the lines the last edit left are laid out and counted.
    void settle() const {
        while (edit->counting())
            QApplication::processEvents();
    }
};

// The same page in a plain QPlainTextEdit of the editor's size, its caret in the middle.
struct BareEditor {
    QPlainTextEdit edit;

    explicit BareEditor(const forms::String& page) {
        QString text = tolva::qt::toQt(page);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        edit.resize(900, 700);
        edit.setPlainText(text);
        edit.show();
        QTextCursor c = edit.textCursor();
        c.setPosition(edit.document()->characterCount() / 2);
        edit.setTextCursor(c);
        edit.ensureCursorVisible();
        QApplication::processEvents();
        edit.setFocus();
    }
};
