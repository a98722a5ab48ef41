// The page check's underlines, status items and shortcut in the main window.
#include "qt/ProblemMarks.h"

#include "check/Problems.h"
#include "page/Page.h"
#include "qt/Binder.h"
#include "qt/BufferEdit.h"
#include "qt/PageColours.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPalette>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace tolva::qt {

QColor problemColour(check::Kind kind, const QPalette& palette) {
    QColor base = palette.color(QPalette::Base);
    bool dark = colouring::contrast(base, Qt::white) > colouring::contrast(base, Qt::black);
    if (kind == check::Kind::Error)
        return dark ? QColor(0xff, 0x6b, 0x6b) : QColor(0xc6, 0x28, 0x28);
    return dark ? QColor(0xff, 0xc1, 0x4d) : QColor(0xa8, 0x6a, 0x00);
}

ProblemMarks::ProblemMarks(Problems& problems, BufferEdit& buffer)
    : QObject(&buffer), problems_(problems), buffer_(buffer) {}

void ProblemMarks::mark() {
    QList<QTextEdit::ExtraSelection> marks;
    QTextDocument* doc = buffer_.document();
    for (const check::Problem& p : problems_.pageCheck.problems()) {
        QTextEdit::ExtraSelection s;
        s.cursor = QTextCursor(doc);
        int from = buffer_.toWidget(p.start);
        int to = buffer_.toWidget(p.start + p.length);
        // A problem at the very end has no character to stand under: the last one takes it.
        if (to == from && from > 0) --from;
        s.cursor.setPosition(from);
        s.cursor.setPosition(to, QTextCursor::KeepAnchor);
        s.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        s.format.setUnderlineColor(problemColour(p.kind, buffer_.palette()));
        s.format.setToolTip(QString::fromStdString(p.message));
        marks.push_back(s);
    }
    buffer_.setExtraSelections(marks);
}

void showProblems(Page& page, BufferEdit& buffer, Binder& binder, QBoxLayout* row) {
    auto* count = new QToolButton(buffer.parentWidget());
    count->setAutoRaise(true);
    auto* checking = new QCheckBox(buffer.parentWidget());
    row->addWidget(checking);
    row->addWidget(count);
    QTimer::singleShot(0, count, [&page, &buffer, &binder, count, checking] {
        Problems& problems = page.window<Problems>();
        binder.button(problems.count, count);
        binder.check(problems.checking, checking);
        count->setAccessibleName(QStringLiteral("Problems in the page"));
        auto* marks = new ProblemMarks(problems, buffer);
        binder.keep(problems.pageCheck.listen([marks] { marks->mark(); }));
        marks->mark();
        auto* key = new QShortcut(kProblemsKey, buffer.window());
        QObject::connect(key, &QShortcut::activated, count, [&binder, &problems] {
            binder.invoke([&problems] { problems.count.click(); });
        });
    });
}

} // namespace tolva::qt
