// The real editor window on a page, and a bare QPlainTextEdit holding the same page, for
// benchmarks that compare the two in the same run.
#pragma once

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
