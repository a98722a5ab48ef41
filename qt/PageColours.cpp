// HTML colouring of the document buffer, block by block as the blocks come into view.
#include "qt/PageColours.h"

#include <QAbstractTextDocumentLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tolva::qt {

namespace colouring {

namespace {

bool isSpace(QChar c) {
    char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\f' || u == u'\r' || u == u'\n';
}

bool isLetter(QChar c) {
    char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool isHexDigit(QChar c) {
    char16_t u = c.unicode();
    return isDigit(c) || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

bool isNameChar(QChar c) {
    char16_t u = c.unicode();
    return isLetter(c) || isDigit(c) || u == u'-' || u == u'_' || u == u':' || u == u'.';
}

// The end of a character entity ("&nbsp;", "&#169;", "&#xA9;") starting at i, or i.
qsizetype entityEnd(QStringView s, qsizetype i) {
    qsizetype n = s.size();
    qsizetype j = i + 1;
    qsizetype digitsFrom = j;
    if (j < n && s[j] == u'#') {
        ++j;
        bool hex = j < n && (s[j] == u'x' || s[j] == u'X');
        if (hex) ++j;
        digitsFrom = j;
        while (j < n && (hex ? isHexDigit(s[j]) : isDigit(s[j])))
            ++j;
    } else {
        if (j >= n || !isLetter(s[j])) return i;
        while (j < n && (isLetter(s[j]) || isDigit(s[j])))
            ++j;
    }
    if (j == digitsFrom || j >= n || s[j] != u';') return i;
    return j + 1;
}

} // namespace

State colourLine(QStringView s, State st, QList<Span>* out) {
    const qsizetype n = s.size();
    // Each change of format is a run the painter draws on its own: neighbours of one kind
    // are one span.
    auto add = [&](qsizetype from, qsizetype to, Kind k) {
        if (!out || to <= from) return;
        if (!out->isEmpty() && out->back().kind == k &&
            out->back().start + out->back().length == from)
            out->back().length += static_cast<int>(to - from);
        else
            out->append({static_cast<int>(from), static_cast<int>(to - from), k});
    };
    // Blanks and "=" inside a tag take the colour of what they follow, so that they make
    // no run of their own.
    auto extend = [&](qsizetype from, qsizetype to) {
        if (!out) return;
        if (!out->isEmpty() && out->back().start + out->back().length == from)
            out->back().length += static_cast<int>(to - from);
        else
            add(from, to, Kind::Tag);
    };
    // Runs a span from `from` up to and including `close`, searched from `search`; without
    // it the span runs to the end of the line and the line after starts inside it.
    qsizetype i = 0;
    auto closeOn = [&](qsizetype from, qsizetype search, QStringView close, Kind k) {
        qsizetype at = s.indexOf(close, search);
        if (at < 0) {
            add(from, n, k);
            i = n;
            return false;
        }
        i = at + close.size();
        add(from, i, k);
        return true;
    };
    bool afterEquals = false;
    while (i < n) {
        switch (st.place) {
        case Place::Text: {
            if (!out) {
                // Entities change no state: reading states only, the next tag is all that
                // matters.
                i = s.indexOf(u'<', i);
                if (i < 0) i = n;
            }
            while (i < n && s[i] != u'<' && s[i] != u'&')
                ++i;
            if (i >= n) break;
            if (s[i] == u'&') {
                qsizetype e = entityEnd(s, i);
                add(i, e, Kind::Entity);
                i = std::max(e, i + 1);
                break;
            }
            if (s.sliced(i).startsWith(u"<!--")) {
                st.place = Place::Comment;
                if (closeOn(i, i + 4, u"-->", Kind::Comment)) st.place = Place::Text;
                break;
            }
            if (i + 1 < n && (s[i + 1] == u'!' || s[i + 1] == u'?')) {
                st.place = Place::Doctype;
                if (closeOn(i, i + 2, u">", Kind::Doctype)) st.place = Place::Text;
                break;
            }
            qsizetype k = i + 1;
            bool closing = k < n && s[k] == u'/';
            if (closing) ++k;
            if (k >= n || !isLetter(s[k])) {
                ++i; // a lone "<" is text
                break;
            }
            qsizetype m = k;
            while (m < n && isNameChar(s[m]))
                ++m;
            add(i, m, Kind::Tag);
            QStringView name = s.sliced(k, m - k);
            st.raw = 0;
            if (!closing && name.compare(u"script", Qt::CaseInsensitive) == 0) st.raw = 1;
            if (!closing && name.compare(u"style", Qt::CaseInsensitive) == 0) st.raw = 2;
            st.place = Place::Attributes;
            afterEquals = false;
            i = m;
            break;
        }
        case Place::Attributes: {
            QChar c = s[i];
            if (isSpace(c)) {
                extend(i, i + 1);
                ++i;
            } else if (c == u'>') {
                add(i, i + 1, Kind::Tag);
                ++i;
                st.place = st.raw ? Place::Raw : Place::Text;
            } else if (c == u'/' && i + 1 < n && s[i + 1] == u'>') {
                add(i, i + 2, Kind::Tag);
                i += 2;
                st = {};
            } else if (c == u'"' || c == u'\'') {
                st.place = c == u'"' ? Place::DoubleQuoted : Place::SingleQuoted;
                if (closeOn(i, i + 1, s.sliced(i, 1), Kind::Value)) st.place = Place::Attributes;
                afterEquals = false;
            } else if (c == u'=') {
                extend(i, i + 1);
                afterEquals = true;
                ++i;
            } else {
                qsizetype m = i;
                while (m < n && !isSpace(s[m]) && s[m] != u'>' && s[m] != u'=' && s[m] != u'"' &&
                       s[m] != u'\'' && !(s[m] == u'/' && m + 1 < n && s[m + 1] == u'>'))
                    ++m;
                m = std::max(m, i + 1);
                add(i, m, afterEquals ? Kind::Value : Kind::Attribute);
                afterEquals = false;
                i = m;
            }
            break;
        }
        case Place::DoubleQuoted:
        case Place::SingleQuoted:
            if (closeOn(i, i, st.place == Place::DoubleQuoted ? u"\"" : u"'", Kind::Value))
                st.place = Place::Attributes;
            break;
        case Place::Comment:
            if (closeOn(i, i, u"-->", Kind::Comment)) st.place = Place::Text;
            break;
        case Place::Doctype:
            if (closeOn(i, i, u">", Kind::Doctype)) st.place = Place::Text;
            break;
        case Place::Raw: {
            // Script and style hold no markup until their own end tag.
            qsizetype at =
                s.indexOf(st.raw == 1 ? u"</script" : u"</style", i, Qt::CaseInsensitive);
            if (at < 0) {
                i = n;
                break;
            }
            i = at;
            st = {};
            break;
        }
        }
    }
    return st;
}

namespace {

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// The ratio people with low vision can read text at.
constexpr double kReadable = 4.5;

} // namespace

double contrast(const QColor& a, const QColor& b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::array<QColor, kKinds> coloursFor(const QColor& base) {
    // Tag, attribute, value, comment, entity, doctype.
    static const std::array<QColor, kKinds> onLight{
        QColor(0x0b, 0x4f, 0x9e), QColor(0x8a, 0x4b, 0x00), QColor(0x1b, 0x6e, 0x20),
        QColor(0x5f, 0x6b, 0x73), QColor(0x8e, 0x1f, 0x8e), QColor(0x6a, 0x4a, 0x9c)};
    static const std::array<QColor, kKinds> onDark{
        QColor(0x7f, 0xb4, 0xff), QColor(0xf0, 0xb8, 0x60), QColor(0x9a, 0xd4, 0x8a),
        QColor(0x9a, 0xa4, 0xad), QColor(0xf0, 0x8c, 0xd8), QColor(0xc0, 0xa8, 0xf0)};
    bool dark = luminance(base) < 0.18;
    std::array<QColor, kKinds> out = dark ? onDark : onLight;
    // A mid-tone base is met by moving each colour towards black or white until it reads.
    QColor towards = dark ? QColor(Qt::white) : QColor(Qt::black);
    for (QColor& c : out) {
        for (int step = 0; step < 10 && contrast(c, base) < kReadable; ++step)
            c = QColor::fromRgbF(c.redF() + (towards.redF() - c.redF()) * 0.25f,
                                 c.greenF() + (towards.greenF() - c.greenF()) * 0.25f,
                                 c.blueF() + (towards.blueF() - c.blueF()) * 0.25f);
    }
    return out;
}

} // namespace colouring

namespace {

using colouring::State;

// A block's user state: the state its next line starts in, and the colour generation it
// was coloured with (0 when only its state is known).
constexpr int kStateBits = 5;
constexpr int kStateMask = (1 << kStateBits) - 1;
constexpr int kGenerations = 1 << 25;

// Lines whose state is read at once after an edit changed the state they start in; beyond
// them the states are read when the lines are shown.
constexpr int kEagerBlocks = 2000;

// Lines whose shaping is kept: a few screens.
constexpr size_t kCachedBlocks = 400;

} // namespace

PageColours::PageColours(QPlainTextEdit& edit) : edit_(edit) {
    blocks_ = edit.document()->blockCount();
    paletteChanged(edit.palette());
    idle_.setSingleShot(true);
    idle_.setInterval(0);
    idle_.callOnTimeout([this] { readWhileIdle(); });
}

State PageColours::startOf(const QTextBlock& b) const {
    if (b.blockNumber() == 0) return {};
    return State::fromCode(b.previous().userState() & kStateMask);
}

bool PageColours::coloured(const QTextBlock& b) const {
    int u = b.userState();
    return b.blockNumber() < known_ && u >= 0 && u >> kStateBits == generation_;
}

State PageColours::apply(const QTextBlock& b, State start) {
    QList<colouring::Span> spans;
    State end = colourLine(b.text(), start, &spans);
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(spans.size());
    for (const auto& s : spans)
        ranges.append({s.start, s.length, formats_[static_cast<size_t>(s.kind)]});
    QTextLayout* layout = b.layout();
    if (layout && !(ranges.isEmpty() && layout->formats().isEmpty())) {
        // A line of many runs is shaped again at every paint unless its shaping is kept;
        // it is kept for the lines coloured last, and let go for the others.
        // A line is listed again each time it is coloured: an edit at a line's start can
        // leave its old entry standing for the line before it.
        if (!ranges.isEmpty()) {
            layout->setCacheEnabled(true);
            if (cached_.empty() || cached_.back() != b.position()) cached_.push_back(b.position());
        }
        layout->setFormats(ranges);
        // The widget is about to draw these blocks anyway; its update signals would only ask
        // for a second paint.
        QSignalBlocker quietly(edit_.document()->documentLayout());
        edit_.document()->markContentsDirty(b.position(), b.length());
    }
    QTextBlock block = b;
    block.setUserState(end.code() | generation_ << kStateBits);
    return end;
}

void PageColours::colourShown(const QTextBlock& first, const QTextBlock& last) {
    if (!enabled_ || !first.isValid()) return;
    int from = first.blockNumber();
    if (known_ < from) {
        readStates(edit_.document()->findBlockByNumber(known_), first);
        known_ = from;
    }
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (!coloured(b)) {
            apply(b, startOf(b));
            known_ = std::max(known_, b.blockNumber() + 1);
        }
        if (b == last) break;
    }
    letGo(first.position(), last.position() + last.length());
    readLater();
}

void PageColours::readStates(QTextBlock b, const QTextBlock& end) {
    // The lines are read a stretch at a time in one piece of text: a line's own text costs a
    // copy and three searches of the document, which dominate the reading of its state.
    constexpr int kStretch = 1 << 16;
    QTextDocument* doc = edit_.document();
    if (lineReader && b.isValid() && b != end) {
        State st = startOf(b);
        lineReader(b.position(), [&](QStringView text) {
            st = colourLine(text, st, nullptr);
            b.setUserState(st.code());
            b = b.next();
            return b.isValid() && b != end;
        });
    }
    QTextCursor cursor(doc);
    State st = startOf(b);
    const int stop = end.isValid() ? end.position() : doc->characterCount() - 1;
    while (b.isValid() && b != end) {
        int from = b.position();
        QTextBlock after = doc->findBlock(std::min(from + kStretch, stop));
        if (after.position() <= from) after = b.next();
        cursor.setPosition(from);
        cursor.setPosition(after.isValid() ? after.position() - 1 : doc->characterCount() - 1,
                           QTextCursor::KeepAnchor);
        const QString text = cursor.selectedText();
        for (qsizetype at = 0; b.isValid() && b != after;) {
            qsizetype lineEnd = text.indexOf(QChar::ParagraphSeparator, at);
            if (lineEnd < 0) lineEnd = text.size();
            st = colourLine(QStringView(text).sliced(at, lineEnd - at), st, nullptr);
            b.setUserState(st.code());
            b = b.next();
            at = std::min(lineEnd + 1, text.size());
        }
    }
}

void PageColours::readWhileIdle() {
    // A stretch takes a millisecond or two: keys typed meanwhile wait no longer than that.
    constexpr int kSlice = 1 << 18;
    QTextDocument* doc = edit_.document();
    if (!enabled_ || known_ >= doc->blockCount()) return;
    QTextBlock b = doc->findBlockByNumber(known_);
    QTextBlock end = doc->findBlock(b.position() + kSlice);
    if (end == b) end = b.next();
    readStates(b, end);
    known_ = end.isValid() ? end.blockNumber() : doc->blockCount();
    readLater();
}

void PageColours::readLater() {
    if (enabled_ && known_ < edit_.document()->blockCount()) idle_.start();
}

void PageColours::letGo(int viewFrom, int viewTo) {
    QTextDocument* doc = edit_.document();
    for (size_t n = cached_.size(); cached_.size() > kCachedBlocks && n > 0; --n) {
        int at = cached_.front();
        cached_.pop_front();
        QTextBlock b = doc->findBlock(at);
        if (!b.isValid() || !b.layout()->cacheEnabled()) continue;
        if (b.position() >= viewFrom && b.position() < viewTo) {
            if (cached_.back() != b.position()) cached_.push_back(b.position()); // still in view
            continue;
        }
        QTextLayout* layout = b.layout();
        layout->setCacheEnabled(false);
        // Setting the formats again drops the kept shaping; the line is laid out afresh.
        layout->setFormats(layout->formats());
        QSignalBlocker quietly(doc->documentLayout());
        doc->markContentsDirty(b.position(), b.length());
    }
}

void PageColours::changed(int pos, int removed, int added) {
    QTextDocument* doc = edit_.document();
    int blocks = doc->blockCount();
    int delta = blocks - blocks_;
    blocks_ = blocks;
    // The kept lines move with the text; one inside the change stands for the line there.
    for (int& at : cached_)
        if (at > pos) at = at >= pos + removed ? at + added - removed : pos;
    if (!enabled_) return;
    QTextBlock b = doc->findBlock(pos);
    if (!b.isValid()) {
        known_ = 0;
        readLater();
        return;
    }
    int first = b.blockNumber();
    if (first >= known_) return; // those lines are read again when shown
    int knownAfter = std::clamp(known_ + delta, first, blocks);
    int last = doc->findBlock(std::min(pos + added, doc->characterCount() - 1)).blockNumber();
    known_ = first;
    readLater(); // whatever is left unread here
    if (last - first > kEagerBlocks) return;
    // Only states are read here. Colouring inside the change would widen the range the
    // widget lays out and repaints to the whole view; the lines are coloured at the paint.
    // An edit inside one line leaves that line's old state comparable with its new one.
    bool inLine = first == last && delta == 0;
    State st = startOf(b);
    int reached = first;
    for (; b.isValid(); b = b.next()) {
        int k = reached = b.blockNumber();
        int before = b.userState();
        st = colourLine(b.text(), st, nullptr);
        b.setUserState(st.code());
        known_ = k + 1;
        if (k < last) continue;
        bool comparable = k > last || inLine;
        if (comparable && before >= 0 && (before & kStateMask) == st.code()) {
            // The lines after start as they did: their states and colours stand.
            known_ = std::max(known_, knownAfter);
            break;
        }
        if (k + 1 >= knownAfter || k - last >= kEagerBlocks) break;
    }
    // The widget repaints the changed lines only; the lines after them changed colour too.
    if (reached > last) edit_.viewport()->update();
}

void PageColours::recolour(const QTextBlock& b) {
    if (!b.isValid() || b.userState() < 0) return;
    QTextBlock block = b;
    block.setUserState(b.userState() & kStateMask);
    edit_.viewport()->update();
}

void PageColours::paletteChanged(const QPalette& palette) {
    colours_ = colouring::coloursFor(palette.color(QPalette::Base));
    for (int k = 0; k < colouring::kKinds; ++k)
        formats_[static_cast<size_t>(k)].setForeground(colours_[static_cast<size_t>(k)]);
    generation_ = generation_ + 1 < kGenerations ? generation_ + 1 : 1;
    edit_.viewport()->update();
}

void PageColours::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    known_ = 0;
    if (on) {
        edit_.viewport()->update();
        return;
    }
    for (QTextBlock b = edit_.document()->begin(); b.isValid(); b = b.next()) {
        QTextLayout* layout = b.layout();
        if (layout && !layout->formats().isEmpty()) {
            layout->setCacheEnabled(false);
            layout->setFormats({});
            edit_.document()->markContentsDirty(b.position(), b.length());
        }
    }
    cached_.clear();
}

} // namespace tolva::qt
