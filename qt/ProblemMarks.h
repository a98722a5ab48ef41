// The page check in the main window: wavy underlines under each problem in the buffer, the
// count and the switch in the status row, and the shortcut that opens the Problems window.
#pragma once

#include "check/Check.h"

#include <QColor>
#include <QKeySequence>
#include <QObject>

class Page;
class Problems;
class QBoxLayout;
class QPalette;

namespace tolva::qt {

class Binder;
class BufferEdit;

// Opens the Problems window; no command of the program uses it.
inline const QKeySequence kProblemsKey{QStringLiteral("Ctrl+Shift+M")};

// The underline of a kind of problem, readable on the buffer's base.
QColor problemColour(check::Kind kind, const QPalette& palette);

// Once the event loop turns, loads the Problems window (so that its view floats over the
// main window, which is made by then) and puts its items into row. Does not own the buffer
// or the binder, which outlive the marks.
void showProblems(Page& page, BufferEdit& buffer, Binder& binder, QBoxLayout* row);

// The underlines. Extra selections only: they are drawn over the text and never enter it,
// its undo history or its modified marker.
class ProblemMarks : public QObject {
public:
    ProblemMarks(Problems& problems, BufferEdit& buffer);
    void mark();

private:
    Problems& problems_;
    BufferEdit& buffer_;
};

} // namespace tolva::qt
