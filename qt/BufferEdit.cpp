// The document buffer's editor widget and its binding to the model.
#include "qt/BufferEdit.h"

#include "forms/Runtime.h"
#include "qt/Binder.h"
#include "qt/QtPlatform.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace tolva::qt {

namespace {

// How long an edit may lay out its blocks at once, and how long one idle slice may; what is
// left waits for the next slice.
constexpr qint64 kEagerLayoutMs = 20;
constexpr qint64 kSliceMs = 10;

int vbKeyCode(int k) {
    switch (k) {
    case Qt::Key_Backspace:
        return forms::vbKeyBack;
    case Qt::Key_Tab:
        return forms::vbKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return forms::vbKeyReturn;
    case Qt::Key_Shift:
        return forms::vbKeyShift;
    case Qt::Key_Control:
        return forms::vbKeyControl;
    case Qt::Key_Alt:
        return forms::vbKeyMenu;
    case Qt::Key_Escape:
        return forms::vbKeyEscape;
    case Qt::Key_PageUp:
        return forms::vbKeyPageUp;
    case Qt::Key_PageDown:
        return forms::vbKeyPageDown;
    case Qt::Key_End:
        return forms::vbKeyEnd;
    case Qt::Key_Home:
        return forms::vbKeyHome;
    case Qt::Key_Left:
        return forms::vbKeyLeft;
    case Qt::Key_Up:
        return forms::vbKeyUp;
    case Qt::Key_Right:
        return forms::vbKeyRight;
    case Qt::Key_Down:
        return forms::vbKeyDown;
    case Qt::Key_Insert:
        return forms::vbKeyInsert;
    case Qt::Key_Delete:
        return forms::vbKeyDelete;
    default:
        if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return forms::vbKeyF1 + (k - Qt::Key_F1);
        return k < 0x10000 ? k : 0;
    }
}

// The desktop's sequences the key map gives a meaning, in the order they are tried.
const std::pair<QKeySequence::StandardKey, forms::StandardKey> kStandardKeys[] = {
    {QKeySequence::Undo, forms::StandardKey::Undo},
    {QKeySequence::Redo, forms::StandardKey::Redo},
    {QKeySequence::Paste, forms::StandardKey::Paste},
    {QKeySequence::Cut, forms::StandardKey::Cut},
    {QKeySequence::Copy, forms::StandardKey::Copy},
    {QKeySequence::DeleteStartOfWord, forms::StandardKey::DeleteStartOfWord},
    {QKeySequence::DeleteEndOfWord, forms::StandardKey::DeleteEndOfWord},
    {QKeySequence::SelectAll, forms::StandardKey::SelectAll},
};

} // namespace

forms::Key modelKey(QKeyEvent* e) {
    forms::Key k;
    k.code = vbKeyCode(e->key());
    // Qt's codes below this are characters' own; the named keys lie far above.
    k.character = e->key() < 0x10000;
    Qt::KeyboardModifiers m = e->modifiers();
    k.mods = ((m & Qt::ShiftModifier) ? forms::vbShiftMask : 0) |
             ((m & Qt::ControlModifier) ? forms::vbCtrlMask : 0) |
             ((m & Qt::AltModifier) ? forms::vbAltMask : 0) |
             ((m & Qt::MetaModifier) ? forms::kMetaMask : 0);
    // Control characters (Ctrl+letter, Backspace, Escape) are no text to type.
    if (!e->text().isEmpty() && e->text()[0].isPrint()) k.text = fromQt(e->text());
    for (const auto& [qt, model] : kStandardKeys) {
        if (e->matches(qt)) {
            k.standard = model;
            break;
        }
    }
    return k;
}

namespace {

// Marks what this widget drags, so a drop back into it moves the text.
const char* const kOwnDrag = "application/x-tolva-buffer-drag";

// The key code an input method's characters arrive with (VK_PROCESSKEY).
constexpr int kProcessKey = 229;

// Whether a block of plain ASCII takes at most cols columns, a tab counted as a full stop.
bool fitsColumns(const QTextBlock& b, qsizetype cols) {
    if (b.length() - 1 > cols) return false;
    qsizetype used = 0;
    for (QChar c : b.text()) {
        char16_t u = c.unicode();
        if (u == u'\t')
            used += 8;
        else if (u >= 0x20 && u < 0x7f)
            ++used;
        else
            return false;
    }
    return used <= cols;
}

bool isBreak(QChar c) {
    return c == QChar(u'\r') || c == QChar(u'\n') || c == QChar(0x2029);
}

} // namespace

BufferEdit::BufferEdit(forms::TextBox& box, Binder& binder, QWidget* parent)
    : QPlainTextEdit(parent), box_(box), binder_(binder) {
    // The model owns undo; the widget keeps its own steps only to retrace them (EditSteps).
    setUndoRedoEnabled(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Its only scroll bar, always there: one that came and went with the page's length
    // would change the width and lay out every line again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);

    connect(document(), &QTextDocument::contentsChange, this,
            [this](int pos, int removed, int added) { colours_.changed(pos, removed, added); });
    colours_.lineReader = [this](int from, const std::function<bool(QStringView)>& line) {
        readLines(from, line);
    };
    counting_.setSingleShot(true);
    counting_.setInterval(0);
    connect(&counting_, &QTimer::timeout, this, &BufferEdit::countSlice);
    countTo_ = QTextCursor(document());
    connect(document(), &QTextDocument::undoCommandAdded, this, [this] { ++widgetSteps_; });
    // What a model edit changed in the widget, kept as cursors so that later changes of the
    // same edit move them.
    connect(document(), &QTextDocument::contentsChange, this, [this](int pos, int, int added) {
        if (!pushing_) return;
        QTextCursor c(document());
        c.setPosition(std::min(pos, document()->characterCount() - 1));
        c.setPosition(std::min(pos + added, document()->characterCount() - 1),
                      QTextCursor::KeepAnchor);
        touched_.push_back(c);
    });
    rebuild();

    box_.displayEdit = [this](const forms::DisplayEdit& e) { applyEdit(e); };
    box_.lineCounter = [this] { return displayLines(); };
    selection_ = box_.listen([this](forms::Prop p) {
        if (p == forms::Prop::Selection && !pushing_) pushSelection();
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &BufferEdit::copySelection);
    connect(this, &QPlainTextEdit::selectionChanged, this, &BufferEdit::copySelection);
    connect(document(), &QTextDocument::contentsChange, this, &BufferEdit::adoptOwnEdit);
}

BufferEdit::~BufferEdit() {
    box_.displayEdit = nullptr;
    box_.lineCounter = nullptr;
}

void BufferEdit::rebuild() {
    pushing_ = true;
    long_.clear();
    readTo_ = {};
    forms::String page = forms::displayForm(box_.text());
    setPlainText(withCuts(page, 0, 0)); // clears the widget's undo steps
    steps_.clear();
    knownSteps_ = widgetSteps_;
    pushing_ = false;
    pushSelection();
    countBetween(0, document()->characterCount() - 1);
}

QString BufferEdit::withCuts(forms::StringView text, int32_t at, int32_t head) {
    std::vector<int32_t> cuts = LongLines::cutsIn(text, head);
    // The document copies the text in; a view of it saves copying a large edit twice.
    if (cuts.empty())
        return QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                    static_cast<qsizetype>(text.size()));
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()) + static_cast<qsizetype>(cuts.size()));
    size_t from = 0;
    for (int32_t c : cuts) {
        out.append(toQt(text.substr(from, static_cast<size_t>(c) - from)));
        out.append(QChar(QChar::ParagraphSeparator));
        long_.add(at + c);
        from = static_cast<size_t>(c);
    }
    out.append(toQt(text.substr(from)));
    return out;
}

void BufferEdit::cutLong(const QTextBlock& b) {
    if (b.length() - 1 <= LongLines::kLongest) return;
    std::vector<int32_t> cuts = LongLines::cutsIn(fromQt(b.text()));
    // From the last, so that the positions before each cut stay as they were.
    for (auto it = cuts.rbegin(); it != cuts.rend(); ++it) {
        int w = b.position() + *it;
        int32_t d = long_.fromWidget(w);
        QTextCursor c(document());
        c.setPosition(w);
        c.insertBlock();
        long_.add(d);
    }
}

void BufferEdit::applyEdit(const forms::DisplayEdit& e) {
    int32_t n = e.added;
    if (e.pos <= readTo_.display) readTo_ = {};
    if (adopting_) {
        adopting_ = false; // the widget holds this edit already
        long_.edited(e.pos, e.pos + e.removed, n);
        forgetSteps(); // the widget's own step is none the model knows
        // The widget's own edit may have taken a cut's break; shown afresh, the pieces are
        // right again.
        if (!long_.cuts().empty()) rebuild();
        return;
    }
    pushing_ = true;
    // An edit the model cannot take back (another file's page) needs no step in the
    // widget, whose steps would hold megabytes of bookkeeping for nothing.
    bool untracked = !box_.canUndo() && !box_.canRedo();
    if (untracked) {
        forgetSteps();
        document()->setUndoRedoEnabled(false);
    }
    if (!retrace(e)) put(e);
    if (untracked) document()->setUndoRedoEnabled(true);
    // Count the lines of the blocks the widget changed now, so the line count asked for
    // next is the wrapped one; an edit too large for that leaves the rest to idle time.
    QElapsedTimer clock;
    clock.start();
    for (const QTextCursor& c : touched_) {
        QTextBlock first = document()->findBlock(c.selectionStart());
        QTextBlock last = document()->findBlock(c.selectionEnd());
        if (countFrom_ >= 0 && first.blockNumber() < countFrom_) countFrom_ = first.blockNumber();
        // An edit inside one line: the widget has laid that line out and counted it.
        if (first == last && first.layout()->lineCount() > 0) continue;
        QTextBlock left =
            layOutFor(first, last, std::max<qint64>(0, kEagerLayoutMs - clock.elapsed()));
        if (left.isValid()) countBetween(left.blockNumber(), last.position());
    }
    touched_.clear();
    pushing_ = false;
}

void BufferEdit::put(const forms::DisplayEdit& e) {
    int32_t n = e.added;
    bool plain = long_.cuts().empty();
    int w1 = long_.toWidget(e.pos);
    int w2 = long_.toWidget(e.pos + e.removed);
    long_.edited(e.pos, e.pos + e.removed, n);
    QTextCursor c(document());
    c.setPosition(w1);
    int head = w1 - c.block().position();
    int shown = n; // the characters the widget holds from w1 on after the edit
    if (plain && w2 - w1 < kNarrowFrom && putRaw(c, w2, e, head)) {
        // Given as the page holds it: no copy of the text on its way in.
    } else {
        const forms::String added = e.text();
        QString text = withCuts(added, e.pos, head);
        shown = static_cast<int>(text.size());
        // Each change is a widget step of its own (retrace() takes them back together): one
        // step would tell the widget that everything between its ends changed.
        if (!plain || !narrowed(w1, w2, text)) {
            c.beginEditBlock();
            c.setPosition(w2, QTextCursor::KeepAnchor);
            c.insertText(text);
            c.endEditBlock();
        }
    }
    // The pieces where the edit meets the text around it may now be too long.
    c.beginEditBlock();
    cutLong(document()->findBlock(w1 + shown));
    cutLong(document()->findBlock(w1));
    c.endEditBlock();
    auto made = static_cast<int32_t>(widgetSteps_ - knownSteps_);
    knownSteps_ = widgetSteps_;
    if (made > 0) steps_.push({e.pos, e.removed, n, made, plain && long_.cuts().empty()});
    if (steps_.full()) forgetSteps();
}

bool BufferEdit::putRaw(QTextCursor& c, int to, const forms::DisplayEdit& e, int head) {
    // The widget reads CR LF, a lone CR and a lone LF each as one line break, as the display
    // form does: the model's own text goes in as it lies, without a display-form copy (the
    // copy of a 10 MB page is 21 MB, and the heap keeps it after). Not when a line would
    // need cutting, which the display form's offsets are for.
    auto [a, b] = e.raw();
    if (a.empty() && b.empty()) return false;
    int32_t run = head;
    for (forms::StringView piece : {a, b})
        for (char16_t ch : piece) {
            run = ch == forms::CR || ch == forms::LF ? 0 : run + 1;
            if (run > LongLines::kLongest) return false;
        }
    // A CR LF pair split by the gap is one break: the LF gives it.
    if (!a.empty() && !b.empty() && a.back() == forms::CR && b.front() == forms::LF)
        a.remove_suffix(1);
    auto rawData = [](forms::StringView s) {
        return QString::fromRawData(reinterpret_cast<const QChar*>(s.data()),
                                    static_cast<qsizetype>(s.size()));
    };
    c.beginEditBlock();
    c.setPosition(to, QTextCursor::KeepAnchor);
    c.insertText(rawData(a));
    if (!b.empty()) c.insertText(rawData(b));
    c.endEditBlock();
    return true;
}

bool BufferEdit::narrowed(int from, int to, const QString& text) {
    // A large replacement usually keeps most of what it replaces: inserting the text anew
    // would make the widget lay out and count every line of it again.
    constexpr qsizetype kWorthIt = kNarrowFrom;
    constexpr qsizetype kNearEnd = 256;
    qsizetype m = to - from;
    qsizetype n = text.size();
    if (m < kWorthIt || n < kWorthIt) return false;
    QStringView all(text);
    qsizetype p = agreeing(from, all.first(std::min(m, n)));
    qsizetype s = agreeingBack(to, all.sliced(p).last(std::min(m, n) - p));
    qsizetype o = m - p - s; // the widget's part that differs, at from + p
    QStringView t = all.sliced(p, n - p - s);
    // Where the widget's part lies whole in the new one, or the new one in the widget's,
    // near either end: a tag put round a large selection, or taken off.
    auto find = [&](qsizetype slack, auto at) -> qsizetype {
        for (qsizetype k = 0; k <= slack; ++k) {
            if (k == kNearEnd && slack - kNearEnd > k) k = slack - kNearEnd;
            if (at(k)) return k;
        }
        return -1;
    };
    struct Piece {
        qsizetype from, to;
        QStringView text;
    };
    // From the back, so that each piece's place is still where it was.
    std::vector<Piece> pieces;
    qsizetype k = -1;
    if (o < t.size() && o > 0)
        k = find(t.size() - o, [&](qsizetype j) {
            return agreeing(from + static_cast<int>(p), t.sliced(j, o)) == o;
        });
    if (k >= 0) {
        pieces = {{p + o, p + o, t.sliced(k + o)}, {p, p, t.first(k)}};
    } else {
        if (o > t.size() && !t.isEmpty())
            k = find(o - t.size(), [&](qsizetype j) {
                return agreeing(from + static_cast<int>(p + j), t) == t.size();
            });
        if (k >= 0)
            pieces = {{p + k + t.size(), p + o, {}}, {p, p + k, {}}};
        else
            pieces = {{p, p + o, t}};
    }
    QTextCursor c(document());
    for (const Piece& pc : pieces) {
        if (pc.from == pc.to && pc.text.isEmpty()) continue;
        c.beginEditBlock();
        c.setPosition(from + static_cast<int>(pc.from));
        c.setPosition(from + static_cast<int>(pc.to), QTextCursor::KeepAnchor);
        // The document copies the text in; text outlives the call.
        c.insertText(QString::fromRawData(pc.text.data(), pc.text.size()));
        c.endEditBlock();
    }
    return true;
}

qsizetype BufferEdit::agreeing(int at, QStringView text) const {
    qsizetype i = 0;
    QTextBlock b = document()->findBlock(at);
    for (qsizetype k = at - b.position(); b.isValid() && i < text.size(); b = b.next(), k = 0) {
        const QString line = b.text();
        for (; k < line.size() && i < text.size(); ++k, ++i)
            if (line[k] != text[i]) return i;
        if (i == text.size()) break;
        if (text[i] != u'\n' || !b.next().isValid()) return i; // the block's break
        ++i;
    }
    return i;
}

qsizetype BufferEdit::agreeingBack(int end, QStringView text) const {
    qsizetype i = 0;
    QTextBlock b = document()->findBlock(end);
    qsizetype k = end - b.position();
    while (b.isValid() && i < text.size()) {
        const QString line = b.text();
        for (; k > 0 && i < text.size(); --k, ++i)
            if (line[k - 1] != text[text.size() - 1 - i]) return i;
        if (i == text.size()) break;
        b = b.previous();
        if (!b.isValid() || text[text.size() - 1 - i] != u'\n') return i; // the break before
        ++i;
        k = b.length() - 1;
    }
    return i;
}

bool BufferEdit::retrace(const forms::DisplayEdit& e) {
    int32_t n = e.added;
    if (!long_.cuts().empty()) return false;
    EditSteps::Retrace way = steps_.match(e.pos, e.removed, n);
    if (way == EditSteps::Retrace::No) return false;
    if (widgetSteps_ != knownSteps_) {
        forgetSteps(); // the widget made a step of its own since
        return false;
    }
    int count = document()->characterCount() - e.removed + n;
    if (way == EditSteps::Retrace::Undo) {
        for (int32_t k = steps_.lastDone().steps; k > 0; --k)
            document()->undo();
        steps_.undone();
    } else {
        for (int32_t k = steps_.lastUndone().steps; k > 0; --k)
            document()->redo();
        steps_.redone();
    }
    if (document()->characterCount() != count) {
        forgetSteps();
        rebuild(); // never expected; the page is the model's
        pushing_ = true;
        return true;
    }
    // The widget brought back what that edit had removed; an edit of the same shape may
    // bring back other text.
    if (n > 0 && !holds(e)) put(forms::DisplayEdit(e.pos, n, e.text()));
    return true;
}

void BufferEdit::readLines(int from, const std::function<bool(QStringView)>& line) const {
    // The cuts of long lines are breaks only the widget has.
    if (!long_.cuts().empty()) return;
    const forms::GapBuffer& page = box_.storage();
    // The lines are read on from where the last reading stopped; a new place is found from
    // the model's anchor, which stays near the caret.
    int32_t at = from == readTo_.display ? readTo_.model : page.fromDisplay(from);
    int display = from;
    // Read a piece at a time where the characters lie; a line across two pieces is copied.
    constexpr int32_t kPiece = 1 << 16;
    forms::String carry;
    bool afterCR = false;
    auto view = [](forms::StringView s) {
        return QStringView(s.data(), static_cast<qsizetype>(s.size()));
    };
    // Hands on the lines ending in s, which starts at model offset base.
    auto feed = [&](forms::StringView s, int32_t base) {
        if (s.empty()) return true;
        size_t i = 0;
        // CR LF split between two pieces is one break.
        if (afterCR && s[0] == forms::LF) i = 1;
        afterCR = false;
        for (;;) {
            size_t br = s.find_first_of(u"\r\n", i);
            if (br == forms::StringView::npos) {
                carry.append(s.substr(std::min(i, s.size())));
                return true;
            }
            forms::StringView text = s.substr(i, br - i);
            if (!carry.empty()) {
                carry.append(text);
                text = carry;
            }
            size_t end = br + 1;
            bool crAtEnd = false;
            if (s[br] == forms::CR) {
                if (end == s.size())
                    crAtEnd = true;
                else if (s[end] == forms::LF)
                    ++end;
            }
            // Where the next line starts, should the reading stop after this one.
            int32_t next = base + static_cast<int32_t>(end);
            if (crAtEnd && next < page.size() && page.at(next) == forms::LF) ++next;
            display += static_cast<int>(text.size()) + 1;
            readTo_ = {display, next};
            if (!line(view(text))) return false;
            carry.clear();
            afterCR = crAtEnd;
            i = end;
        }
    };
    for (; at < page.size(); at += kPiece) {
        auto [a, b] = page.spans(at, std::min(kPiece, page.size() - at));
        if (!feed(a, at) || !feed(b, at + static_cast<int32_t>(a.size()))) return;
    }
    line(view(carry)); // the last line, with no break after it
    readTo_ = {};
}

bool BufferEdit::holds(const forms::DisplayEdit& e) const {
    auto view = [](const forms::String& s) {
        return QStringView(s.data(), static_cast<qsizetype>(s.size()));
    };
    // Taking a step back or again brings back what the widget had at the time, and so does
    // the model's undo or redo: their ends agreeing (the length does already) tells that
    // the steps correspond, without reading megabytes or making them. Any other edit is
    // read whole.
    constexpr int32_t kEnds = 4096;
    if (box_.undoing() && e.added > 2 * kEnds) {
        const forms::String head = e.head(kEnds);
        const forms::String tail = e.tail(kEnds);
        return agreeing(e.pos, view(head)) == view(head).size() &&
               agreeingBack(e.pos + e.added, view(tail)) == view(tail).size();
    }
    const forms::String all = e.text();
    return agreeing(e.pos, view(all)) == view(all).size();
}

void BufferEdit::forgetSteps() {
    document()->clearUndoRedoStacks();
    steps_.clear();
    knownSteps_ = widgetSteps_;
}

void BufferEdit::adoptOwnEdit(int pos, int removed, int added) {
    // The text control still edits its document by itself in one place: a selection
    // dragged out to another widget that takes it as a move is removed here. The page
    // follows as a user edit, so that widget and model never part.
    if (pushing_) return;
    // A refreshed last block is reported with the document's closing separator, which no
    // cursor reaches and the page does not hold.
    int past = pos + added - std::min(pos + added, document()->characterCount() - 1);
    added -= past;
    removed -= past;
    QTextCursor c(document());
    c.setPosition(pos);
    c.setPosition(pos + added, QTextCursor::KeepAnchor);
    QString now = c.selectedText();
    if (!long_.cuts().empty()) {
        now.clear();
        for (int w = pos; w < pos + added; ++w)
            if (!long_.isCut(w)) now.append(document()->characterAt(w));
    }
    int32_t a = fromWidget(pos);
    int32_t b = fromWidget(pos + removed);
    if (removed == added &&
        now.replace(QChar(0x2029), u'\n') == toQt(forms::displayForm(box_.mid(a, b - a))))
        return; // a layout or format refresh: nothing was edited
    forms::String text = fromDesktopText(now);
    adopting_ = true;
    binder_.invoke([&] {
        box_.select(a, b - a);
        box_.userInsert(text);
    });
    adopting_ = false;
}

int BufferEdit::toWidget(int32_t offset) const {
    return long_.toWidget(box_.storage().toDisplay(offset));
}

int32_t BufferEdit::fromWidget(int position) const {
    return box_.storage().fromDisplay(long_.fromWidget(position));
}

QString BufferEdit::shownPage() const {
    QString out;
    QString all = document()->toPlainText();
    out.reserve(all.size());
    for (qsizetype w = 0; w < all.size(); ++w)
        if (!long_.isCut(static_cast<int>(w))) out.append(all[w]);
    return out;
}

int32_t BufferEdit::displayLines() {
    // Blocks not laid out yet count one line each until their slice comes.
    return static_cast<int32_t>(document()->lineCount());
}

qsizetype BufferEdit::columns() const {
    // The layout wraps at the viewport's width.
    QFontMetricsF fm(document()->defaultFont());
    qreal advance = 1;
    for (char16_t c = 0x20; c < 0x7f; ++c)
        advance = std::max(advance, fm.horizontalAdvance(QChar(c)));
    qreal room =
        viewport()->width() - 2 * document()->documentMargin() - 2 * advance - cursorWidth();
    return static_cast<qsizetype>(std::max<qreal>(room / advance, 0));
}

bool BufferEdit::layOut(QTextBlock b, qsizetype cols) {
    // Laying out a 10 MB page takes seconds, so a line that surely fits (ASCII in the fixed
    // font, a tab counted as a full tab stop, narrower than the text width) counts one
    // without being laid out.
    int lines = 1;
    if (!fitsColumns(b, cols)) lines = wrappedLines(b);
    if (b.lineCount() == lines) return false;
    b.setLineCount(lines);
    return true;
}

int BufferEdit::wrappedLines(const QTextBlock& b) {
    // The block's own layout would stay with it (a quarter of a kilobyte a line); one
    // layout laid out as the widget lays out a block gives the same count.
    counter_.setText(b.text());
    counter_.setFont(document()->defaultFont());
    counter_.setTextOption(document()->defaultTextOption());
    // The widget wraps its lines at the viewport's width.
    qreal width = viewport()->width();
    if (width <= 0) width = std::numeric_limits<int>::max();
    width -= 2 * document()->documentMargin();
    int lines = 0;
    counter_.beginLayout();
    for (QTextLine line = counter_.createLine(); line.isValid(); line = counter_.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        ++lines;
    }
    counter_.endLayout();
    counter_.clearLayout();
    return lines;
}

void BufferEdit::countBetween(int block, int end) {
    countFrom_ = countFrom_ < 0 ? block : std::min(countFrom_, block);
    countTo_.setPosition(std::max(countTo_.position(), end));
    if (!counting_.isActive()) counting_.start();
}

QTextBlock BufferEdit::layOutFor(QTextBlock b, const QTextBlock& last, qint64 ms) {
    QElapsedTimer clock;
    clock.start();
    qsizetype cols = columns();
    bool sized = false;
    QTextBlock left;
    for (int n = 1; b.isValid(); ++n) {
        sized = layOut(b, cols) || sized;
        if (b == last) break;
        b = b.next();
        if ((n & 63) == 0 && clock.elapsed() >= ms) {
            left = b;
            break;
        }
    }
    // The widget's scroll range follows the lines counted.
    auto* layout = document()->documentLayout();
    if (sized) emit layout->documentSizeChanged(layout->documentSize());
    return left;
}

void BufferEdit::countSlice() {
    if (countFrom_ < 0) return;
    QTextBlock b = layOutFor(document()->findBlockByNumber(countFrom_),
                             document()->findBlock(countTo_.position()), kSliceMs);
    if (b.isValid()) {
        countFrom_ = b.blockNumber();
        counting_.start();
        return;
    }
    countFrom_ = -1;
    countTo_.setPosition(0);
    if (box_.LineCountChanged) binder_.invoke([this] { box_.LineCountChanged(); });
}

void BufferEdit::pushSelection() {
    int32_t selStart = box_.selStart();
    int32_t selEnd = selStart + box_.selLength();
    QTextCursor cur = textCursor();
    // Keep the direction the user gave the selection, and the side of a cut's break the
    // caret stands on.
    if (fromWidget(cur.selectionStart()) == selStart && fromWidget(cur.selectionEnd()) == selEnd)
        return;
    int start = toWidget(selStart);
    int end = toWidget(selEnd);
    pushing_ = true;
    cur.setPosition(start);
    cur.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cur);
    pushing_ = false;
}

void BufferEdit::copySelection() {
    if (pushing_) return;
    QTextCursor cur = textCursor();
    int32_t a = fromWidget(cur.selectionStart());
    int32_t b = fromWidget(cur.selectionEnd());
    box_.select(a, b - a);
    // The model widens a caret between a character's halves to the whole of it; the
    // widget follows, so the next key cannot split it.
    pushSelection();
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
        if (forms::keyAction(modelKey(k)) == forms::KeyAction::Tab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

void BufferEdit::keyPressEvent(QKeyEvent* e) {
    forms::KeyView view;
    view.copy = clip_.copy;
    view.cut = clip_.cut;
    view.paste = clip_.paste;
    view.move = [this, e] { QPlainTextEdit::keyPressEvent(e); };
    view.wordRange = [this](bool back) {
        QTextCursor cur = textCursor();
        if (!cur.hasSelection())
            cur.movePosition(back ? QTextCursor::PreviousWord : QTextCursor::NextWord,
                             QTextCursor::KeepAnchor);
        return std::pair(fromWidget(cur.selectionStart()), fromWidget(cur.selectionEnd()));
    };
    forms::KeyAction done = box_.pressKey(modelKey(e), view);
    if (std::find(typed_.begin(), typed_.end(), e->key()) == typed_.end())
        typed_.push_back(e->key());
    if (done == forms::KeyAction::NotTaken) {
        e->ignore();
        return;
    }
    e->accept();
    ensureCursorVisible();
}

void BufferEdit::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    auto it = std::find(typed_.begin(), typed_.end(), e->key());
    if (it != typed_.end()) {
        typed_.erase(it);
        return;
    }
    // A key whose press went elsewhere (a menu shortcut) still releases here.
    forms::Key k = modelKey(e);
    binder_.invoke([&] { box_.keyUp(k.code, k.shift()); });
}

void BufferEdit::command(const std::function<void()>& f) {
    if (f) binder_.invoke(f);
    ensureCursorVisible();
}

void BufferEdit::inputMethodEvent(QInputMethodEvent* e) {
    const QString commit = e->commitString();
    if (commit.isEmpty() && e->replacementLength() == 0) {
        // The preedit shows in the layout, not the text; it takes the line's colours while
        // it lasts.
        QPlainTextEdit::inputMethodEvent(e);
        if (e->preeditString().isEmpty()) colours_.recolour(textCursor().block());
        return;
    }
    if (e->replacementLength() != 0) {
        // The input method takes back text next to the caret before it commits.
        int from = textCursor().position() + e->replacementStart();
        int32_t a = fromWidget(from);
        int32_t b = fromWidget(from + e->replacementLength());
        box_.select(a, b - a);
        if (commit.isEmpty()) binder_.invoke([this] { box_.userInsert(u""); });
    }
    // The committed characters arrive as typed ones, each a key of its own.
    for (qsizetype i = 0; i < commit.size(); ++i) {
        if (isBreak(commit[i])) {
            if (commit[i] == QChar(u'\r') && i + 1 < commit.size() && commit[i + 1] == QChar(u'\n'))
                ++i;
            box_.type(13);
            continue;
        }
        qsizetype n = commit[i].isHighSurrogate() && i + 1 < commit.size() ? 2 : 1;
        forms::String piece = fromQt(commit.mid(i, n));
        i += n - 1;
        box_.typeKey(kProcessKey, 0, [this, &piece] { box_.pressChars(piece); });
    }
    QInputMethodEvent rest(e->preeditString(), e->attributes());
    QPlainTextEdit::inputMethodEvent(&rest);
    if (e->preeditString().isEmpty()) colours_.recolour(textCursor().block());
    ensureCursorVisible();
}

void BufferEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    if (source == QApplication::clipboard()->mimeData(QClipboard::Clipboard)) {
        command(clip_.paste); // the window's paste reads the clipboard itself
        return;
    }
    // The desktop's selection (a middle click): same conversion as the clipboard's.
    forms::String t = fromDesktopText(source->text());
    command([&] { box_.userInsert(t); });
}

QMimeData* BufferEdit::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(toDesktopText(box_.selText()));
    data->setData(kOwnDrag, QByteArray::number(QCoreApplication::applicationPid()) + ':' +
                                QByteArray::number(reinterpret_cast<quintptr>(this)));
    return data;
}

bool BufferEdit::ownDrag(const QMimeData* data) const {
    return data->data(kOwnDrag) == QByteArray::number(QCoreApplication::applicationPid()) + ':' +
                                       QByteArray::number(reinterpret_cast<quintptr>(this));
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
    int32_t target = fromWidget(at.position());
    bool own = e->source() == this || ownDrag(data);
    if (own && e->dropAction() == Qt::MoveAction) {
        // The selection is what was dragged: moved in one edit. The drag's source is told
        // it was copied, so the text control does not remove anything itself.
        int32_t start = box_.selStart();
        int32_t len = box_.selLength();
        binder_.invoke([&] { box_.userMove(start, len, target); });
        e->setDropAction(Qt::CopyAction);
        e->accept();
        return;
    }
    // A copy keeps the page's own characters when it comes from the page.
    forms::String text = own ? box_.selText() : fromDesktopText(data->text());
    binder_.invoke([&] {
        box_.select(target, 0);
        box_.userInsert(text);
    });
    e->acceptProposedAction();
}

QMenu* BufferEdit::editMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    auto add = [&](const QString& text, const char* name, bool enabled, auto slot) {
        QAction* a = menu->addAction(text, this, slot);
        a->setObjectName(QString::fromLatin1(name));
        a->setEnabled(enabled);
    };
    bool selected = box_.selLength() > 0;
    add(tr("Undo"), "undo", box_.canUndo(), [this] { command([this] { box_.undo(); }); });
    add(tr("Redo"), "redo", box_.canRedo(), [this] { command([this] { box_.redo(); }); });
    menu->addSeparator();
    add(tr("Cut"), "cut", selected, [this] { command(clip_.cut); });
    add(tr("Copy"), "copy", selected, [this] { command(clip_.copy); });
    const QMimeData* data = QApplication::clipboard()->mimeData();
    add(tr("Paste"), "paste", data && data->hasText(), [this] { command(clip_.paste); });
    menu->addSeparator();
    add(tr("Select All"), "selectAll", true, [this] { selectAll(); });
    return menu;
}

void BufferEdit::paintEvent(QPaintEvent* e) {
    // Every block takes at least one line, so this many from the first cover the view;
    // counting them needs no layout, which colouring would redo.
    int lines = viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 2;
    QTextBlock first = firstVisibleBlock();
    QTextBlock last = first;
    for (int k = 1; k < lines && last.next().isValid(); ++k)
        last = last.next();
    colours_.colourShown(first, last);
    QPlainTextEdit::paintEvent(e);
}

void BufferEdit::changeEvent(QEvent* e) {
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::PaletteChange) colours_.paletteChanged(palette());
}

void BufferEdit::resizeEvent(QResizeEvent* e) {
    QPlainTextEdit::resizeEvent(e);
    // A new width wraps every line anew.
    if (viewport()->width() != countedWidth_) {
        countedWidth_ = viewport()->width();
        countBetween(0, document()->characterCount() - 1);
    }
}

void BufferEdit::contextMenuEvent(QContextMenuEvent* e) {
    std::unique_ptr<QMenu> menu(editMenu(this));
    menu->exec(e->globalPos());
}

} // namespace tolva::qt
