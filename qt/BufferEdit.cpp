// The document buffer's editor widget and its binding to the model.
#include "qt/BufferEdit.h"

#include "forms/Runtime.h"
#include "qt/Binder.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>

namespace tolva::qt {

namespace {

// Blocks whose layout is refreshed at once after an edit; beyond that they wait for paint.
constexpr int kEagerLayoutBlocks = 4000;

int vbKeyCode(QKeyEvent* e) {
    int k = e->key();
    switch (k) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
        return k < 0x10000 ? k : 0;
    }
}

int shiftState(Qt::KeyboardModifiers m) {
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) |
           ((m & Qt::AltModifier) ? 4 : 0);
}

} // namespace

forms::String withCrLf(const QString& text) {
    forms::String out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < text.size() && text[i + 1] == QChar(u'\n')) ++i;
        } else if (c == u'\n' || c == 0x2029) {
            out += u"\r\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

BufferEdit::BufferEdit(forms::TextBox& box, Binder& binder, QWidget* parent)
    : QPlainTextEdit(parent), box_(box), binder_(binder) {
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);

    pushing_ = true;
    setPlainText(toQt(forms::displayForm(box_.text())));
    pushing_ = false;
    pushSelection();

    box_.displayEdit = [this](const forms::DisplayEdit& e) { applyEdit(e); };
    box_.lineCounter = [this] { return static_cast<int32_t>(document()->lineCount()); };
    selection_ = box_.listen([this](forms::Prop p) {
        if (p == forms::Prop::Selection && !pushing_) pushSelection();
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &BufferEdit::copySelection);
    connect(this, &QPlainTextEdit::selectionChanged, this, &BufferEdit::copySelection);
}

BufferEdit::~BufferEdit() {
    box_.displayEdit = nullptr;
    box_.lineCounter = nullptr;
}

void BufferEdit::applyEdit(const forms::DisplayEdit& e) {
    pushing_ = true;
    QTextCursor c(document());
    c.setPosition(e.pos);
    c.setPosition(e.pos + e.removed, QTextCursor::KeepAnchor);
    c.insertText(toQt(e.text));
    // Lay out the touched blocks now, so the line count asked for next is the wrapped one.
    QTextBlock first = document()->findBlock(e.pos);
    QTextBlock last = document()->findBlock(e.pos + static_cast<int>(e.text.size()));
    if (last.blockNumber() - first.blockNumber() < kEagerLayoutBlocks) {
        auto* layout = document()->documentLayout();
        for (QTextBlock b = first; b.isValid(); b = b.next()) {
            layout->blockBoundingRect(b);
            if (b == last) break;
        }
    }
    pushing_ = false;
}

void BufferEdit::pushSelection() {
    const auto& s = box_.storage();
    int start = s.toDisplay(box_.selStart());
    int end = s.toDisplay(box_.selStart() + box_.selLength());
    QTextCursor cur = textCursor();
    if (cur.selectionStart() == start && cur.selectionEnd() == end)
        return; // keep the direction the user gave the selection
    pushing_ = true;
    cur.setPosition(start);
    cur.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cur);
    pushing_ = false;
}

void BufferEdit::copySelection() {
    if (pushing_) return;
    const auto& s = box_.storage();
    QTextCursor cur = textCursor();
    int32_t a = s.fromDisplay(static_cast<int32_t>(cur.selectionStart()));
    int32_t b = s.fromDisplay(static_cast<int32_t>(cur.selectionEnd()));
    box_.select(a, b - a);
}

bool BufferEdit::yields(QKeyEvent* e) const {
    QKeySequence pressed(e->keyCombination());
    for (const QKeySequence& k : yielded_)
        if (k == pressed) return true;
    return false;
}

bool BufferEdit::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (yields(k)) {
            e->ignore();
            return false;
        }
    }
    if (e->type() == QEvent::KeyPress) {
        // Tab would move the focus; here it types.
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(k);
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

void BufferEdit::keyPressEvent(QKeyEvent* e) {
    int code = vbKeyCode(e);
    int shift = shiftState(e->modifiers());
    binder_.invoke([&] { box_.keyDown(code, shift); });

    auto edit = [&](const std::function<void()>& f) { binder_.invoke(f); };
    Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);

    if (e->matches(QKeySequence::Undo)) {
        edit([&] { box_.undo(); });
    } else if (e->matches(QKeySequence::Redo) ||
               (e->key() == Qt::Key_Y && mods == Qt::ControlModifier)) {
        edit([&] { box_.redo(); });
    } else if (e->matches(QKeySequence::Paste)) {
        insertFromMimeData(QApplication::clipboard()->mimeData());
    } else if (e->matches(QKeySequence::Cut)) {
        cutSelection();
    } else if (e->matches(QKeySequence::DeleteStartOfWord) ||
               e->matches(QKeySequence::DeleteEndOfWord)) {
        QTextCursor cur = textCursor();
        if (!cur.hasSelection())
            cur.movePosition(e->matches(QKeySequence::DeleteStartOfWord) ? QTextCursor::PreviousWord
                                                                         : QTextCursor::NextWord,
                             QTextCursor::KeepAnchor);
        const auto& s = box_.storage();
        int32_t a = s.fromDisplay(static_cast<int32_t>(cur.selectionStart()));
        int32_t b = s.fromDisplay(static_cast<int32_t>(cur.selectionEnd()));
        edit([&] {
            box_.select(a, b - a);
            box_.userInsert(u"");
        });
    } else if (e->key() == Qt::Key_Backspace && !(mods & ~Qt::ShiftModifier)) {
        edit([&] { box_.keyPress(8); });
    } else if (e->key() == Qt::Key_Delete && mods == Qt::NoModifier) {
        edit([&] { box_.deleteKey(); });
    } else if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
               !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        edit([&] { box_.keyPress(13); });
    } else if (e->key() == Qt::Key_Tab && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        edit([&] { box_.keyPress(9); });
    } else if (!e->text().isEmpty() && e->text()[0].isPrint() &&
               !(mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods == Qt::AltModifier)) {
        for (QChar ch : e->text())
            edit([&] { box_.keyPress(ch.unicode()); });
    } else if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::SelectAll) ||
               e->key() == Qt::Key_Left || e->key() == Qt::Key_Right || e->key() == Qt::Key_Up ||
               e->key() == Qt::Key_Down || e->key() == Qt::Key_Home || e->key() == Qt::Key_End ||
               e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
        // Moves and copies only: the widget may do them itself.
        QPlainTextEdit::keyPressEvent(e);
    } else {
        // Anything else that could edit (overwrite toggles, platform line kills) is not ours.
        e->ignore();
        return;
    }
    e->accept();
    ensureCursorVisible();
}

void BufferEdit::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    int code = vbKeyCode(e);
    int shift = shiftState(e->modifiers());
    binder_.invoke([&] { box_.keyUp(code, shift); });
}

void BufferEdit::inputMethodEvent(QInputMethodEvent* e) {
    if (e->commitString().isEmpty() && e->replacementLength() == 0) {
        QPlainTextEdit::inputMethodEvent(e); // preedit shows in the layout, not the text
        return;
    }
    forms::String commit = withCrLf(e->commitString());
    binder_.invoke([&] { box_.userInsert(commit); });
    QInputMethodEvent rest(e->preeditString(), e->attributes());
    QPlainTextEdit::inputMethodEvent(&rest);
}

void BufferEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    insertUserText(source->text());
}

void BufferEdit::insertUserText(const QString& text) {
    forms::String t = withCrLf(text);
    binder_.invoke([&] { box_.userInsert(t); });
    ensureCursorVisible();
}

void BufferEdit::cutSelection() {
    if (box_.selLength() == 0) return;
    QApplication::clipboard()->setText(textCursor().selectedText().replace(QChar(0x2029), u'\n'));
    binder_.invoke([&] { box_.userInsert(u""); });
}

void BufferEdit::mousePressEvent(QMouseEvent* e) {
    // Remember what a drag that may start here carries.
    dragStart_ = box_.selStart();
    dragLength_ = box_.selLength();
    QPlainTextEdit::mousePressEvent(e);
}

void BufferEdit::mouseReleaseEvent(QMouseEvent* e) {
    QPlainTextEdit::mouseReleaseEvent(e);
    copySelection();
    if (box_.Click) binder_.invoke([this] { box_.Click(); });
}

void BufferEdit::dropEvent(QDropEvent* e) {
    const QMimeData* data = e->mimeData();
    if (!data || !data->hasText()) {
        e->ignore();
        return;
    }
    QTextCursor at = cursorForPosition(e->position().toPoint());
    const auto& s = box_.storage();
    int32_t target = s.fromDisplay(static_cast<int32_t>(at.position()));
    forms::String text = withCrLf(data->text());
    bool move = e->source() == this && e->dropAction() == Qt::MoveAction && dragStart_ >= 0;
    if (move && target >= dragStart_ && target <= dragStart_ + dragLength_) {
        e->acceptProposedAction();
        return; // dropped onto itself
    }
    binder_.invoke([&] {
        if (move) {
            box_.select(dragStart_, dragLength_);
            box_.userInsert(u"");
            if (target > dragStart_) target -= dragLength_;
        }
        box_.select(target, 0);
        box_.userInsert(text);
    });
    dragStart_ = -1;
    e->acceptProposedAction();
}

void BufferEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    bool selected = box_.selLength() > 0;
    menu.addAction(tr("Undo"), this, [this] { binder_.invoke([this] { box_.undo(); }); })
        ->setEnabled(box_.canUndo());
    menu.addAction(tr("Redo"), this, [this] { binder_.invoke([this] { box_.redo(); }); })
        ->setEnabled(box_.canRedo());
    menu.addSeparator();
    menu.addAction(tr("Cut"), this, &BufferEdit::cutSelection)->setEnabled(selected);
    menu.addAction(tr("Copy"), this, &QPlainTextEdit::copy)->setEnabled(selected);
    menu.addAction(tr("Paste"), this,
                   [this] { insertFromMimeData(QApplication::clipboard()->mimeData()); })
        ->setEnabled(QApplication::clipboard()->mimeData() &&
                     QApplication::clipboard()->mimeData()->hasText());
    menu.addSeparator();
    menu.addAction(tr("Select All"), this, &QPlainTextEdit::selectAll);
    menu.exec(e->globalPos());
}

} // namespace tolva::qt
