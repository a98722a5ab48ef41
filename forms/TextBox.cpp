// Text box semantics: selection rules, change events, user edits and undo.
#include "forms/TextBox.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

#include <algorithm>

namespace forms {

namespace {

// The display form of [a, b) of the buffer, written straight from where its characters lie:
// a large edit is copied once on its way to the view.
String displayPiece(const GapBuffer& buf, int32_t a, int32_t b) {
    auto [first, second] = buf.spans(a, b - a);
    String out;
    out.reserve(first.size() + second.size());
    appendDisplayForm(out, first);
    // A CR LF pair split by the gap is one break.
    if (!first.empty() && first.back() == CR && !second.empty() && second.front() == LF)
        second.remove_prefix(1);
    appendDisplayForm(out, second);
    return out;
}

// Whole-page undo and redo steps of at least this many characters trade storage with the
// page rather than copy it.
constexpr size_t kTradeFrom = size_t{1} << 16;

} // namespace

DisplayEdit::DisplayEdit(int32_t pos, int32_t removed, String text)
    : pos(pos), removed(removed), added(static_cast<int32_t>(text.size())), text_(std::move(text)) {
}

DisplayEdit::DisplayEdit(int32_t pos, int32_t removed, int32_t added, const GapBuffer& page,
                         int32_t from, int32_t to)
    : pos(pos), removed(removed), added(added), page_(&page), from_(from), to_(to) {}

String DisplayEdit::text() const {
    return page_ ? displayPiece(*page_, from_, to_) : text_;
}

String DisplayEdit::head(int32_t n) const {
    if (!page_) return text_.substr(0, static_cast<size_t>(std::max(n, 0)));
    return displayPiece(*page_, from_, std::min(from_ + std::max(n, 0), to_));
}

std::pair<StringView, StringView> DisplayEdit::raw() const {
    if (!page_) return {};
    return page_->spans(from_, to_ - from_);
}

String DisplayEdit::tail(int32_t n) const {
    if (!page_)
        return text_.substr(text_.size() -
                            std::min(text_.size(), static_cast<size_t>(std::max(n, 0))));
    int32_t start = std::max(from_, to_ - std::max(n, 0));
    // The LF of a CR LF pair is no character of its own in the display.
    if (start > from_ && start < to_ && page_->at(start) == LF && page_->at(start - 1) == CR)
        ++start;
    return displayPiece(*page_, start, to_);
}

namespace {

// The lengths of the start and the end that text shares with t, not overlapping.
std::pair<int32_t, int32_t> sharedEnds(const GapBuffer& text, StringView t) {
    int32_t oldLen = text.size();
    auto newLen = static_cast<int32_t>(t.size());
    int32_t prefix = 0;
    int32_t maxPrefix = std::min(oldLen, newLen);
    while (prefix < maxPrefix && text.at(prefix) == t[static_cast<size_t>(prefix)])
        ++prefix;
    int32_t suffix = 0;
    while (suffix < maxPrefix - prefix &&
           text.at(oldLen - 1 - suffix) == t[static_cast<size_t>(newLen - 1 - suffix)])
        ++suffix;
    return {prefix, suffix};
}

constexpr size_t kUndoDepth = 2000;

int keyCodeOf(char16_t c) {
    if (c >= u'a' && c <= u'z') return c - 32;
    return c;
}

bool isHigh(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
bool isLow(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

} // namespace

TextBox::TextBox(Form& owner, std::string name, int index)
    : Control(owner, std::move(name), index) {}

bool TextBox::splitsPair(int32_t i) const {
    return i > 0 && i < length() && isHigh(buf_.at(i - 1)) && isLow(buf_.at(i));
}

String TextBox::before(int32_t end, int32_t n) const {
    end = std::clamp(end, 0, length());
    int32_t start = std::max(0, end - n);
    return buf_.mid(start, end - start);
}

void TextBox::setText(StringView t) {
    // Send the smallest replacement that turns the old text into the new one, so the
    // view re-lays out only what changed; the caret still goes to the start.
    auto [prefix, suffix] = sharedEnds(buf_, t);
    auto newLen = static_cast<int32_t>(t.size());
    selStart_ = 0;
    selLength_ = 0;
    replace(prefix, length() - prefix - suffix,
            t.substr(static_cast<size_t>(prefix), static_cast<size_t>(newLen - prefix - suffix)),
            false, true);
}

void TextBox::adoptText(String t) {
    auto [prefix, suffix] = sharedEnds(buf_, t);
    auto newLen = static_cast<int32_t>(t.size());
    undo_.clear();
    redo_.clear();
    selStart_ = 0;
    selLength_ = 0;
    StringView part(t.data() + prefix, static_cast<size_t>(newLen - prefix - suffix));
    replace(prefix, length() - prefix - suffix, part, false, true, &t);
}

void TextBox::setSelStart(int64_t v) {
    if (v < 0) throw RuntimeError("Invalid property value");
    selStart_ = static_cast<int32_t>(std::min<int64_t>(v, length()));
    if (splitsPair(selStart_)) --selStart_;
    selLength_ = 0;
    notify(Prop::Selection);
}

void TextBox::setSelLength(int64_t v) {
    if (v < 0) throw RuntimeError("Invalid property value");
    selLength_ = static_cast<int32_t>(std::min<int64_t>(v, length() - selStart_));
    if (splitsPair(selStart_ + selLength_)) ++selLength_;
    notify(Prop::Selection);
}

void TextBox::select(int32_t start, int32_t len) {
    int32_t from = std::clamp(start, 0, length());
    int32_t to = from + std::clamp(len, 0, length() - from);
    bool caret = from == to;
    if (splitsPair(from)) --from;
    if (splitsPair(to)) to += caret ? -1 : 1;
    selStart_ = from;
    selLength_ = to - from;
}

void TextBox::setSelText(StringView t) {
    replace(selStart_, selLength_, t, false, false);
}

void TextBox::setLocked(bool on) {
    locked_ = on;
    notify(Prop::Enabled);
}

void TextBox::setFontName(StringView f) {
    fontName_ = String(f);
    notify(Prop::Font);
}

void TextBox::setBackColor(Color c) {
    back_ = c;
    notify(Prop::Colors);
}

void TextBox::setForeColor(Color c) {
    fore_ = c;
    notify(Prop::Colors);
}

int32_t TextBox::lineCount() const {
    return lineCounter ? lineCounter() : buf_.lineBreaks() + 1;
}

void TextBox::replace(int32_t pos, int32_t len, StringView t, bool typed, bool caretToStart,
                      String* whole, String* taken) {
    pos = std::clamp(pos, 0, length());
    len = std::clamp(len, 0, length() - pos);
    // An edit that begins or ends inside a character written as two halves takes in the
    // whole of it and puts the half it keeps back, so the page is the same but the caret
    // and the undo step never fall between the halves.
    String widened;
    bool head = splitsPair(pos);
    bool tail = splitsPair(pos + len);
    if (head || tail) {
        if (head) widened += buf_.at(pos - 1);
        widened += t;
        if (tail) widened += buf_.at(pos + len);
        pos -= head ? 1 : 0;
        len += (head ? 1 : 0) + (tail ? 1 : 0);
        t = widened;
    }

    // The display window takes in a CR just before and an LF just after, since the
    // edit may join or split a CR LF pair there.
    int32_t a = pos;
    int32_t b = pos + len;
    int32_t dA = 0;
    int32_t dB = 0;
    if (displayEdit) {
        if (a > 0 && buf_.at(a - 1) == CR) --a;
        if (b < length() && buf_.at(b) == LF) ++b;
        dA = buf_.toDisplay(a);
        dB = buf_.toDisplay(b);
    }

    auto n = static_cast<int32_t>(t.size());
    const int32_t displayBefore = buf_.displaySize();
    // The whole page replaced: what keeps the old page (taken, or the undo step) takes its
    // storage rather than a copy of it.
    const bool recorded = !undoing_ && !whole;
    const bool all = pos == 0 && len == length() && len > 0 && (taken || recorded);
    String old = all ? buf_.take() : recorded ? buf_.mid(pos, len) : String();
    if (whole)
        buf_.adopt(std::move(*whole)); // whole holds t: its storage moves into the buffer
    else
        buf_.replace(pos, all ? 0 : len, t);
    if (taken)
        *taken = std::move(old);
    else if (recorded)
        record(pos, std::move(old), t, typed);
    if (caretToStart) {
        selStart_ = 0;
    } else {
        selStart_ = pos + n;
    }
    selLength_ = 0;

    if (displayEdit) {
        int32_t newB = b - len + n;
        int32_t added = dB - dA + buf_.displaySize() - displayBefore;
        displayEdit(DisplayEdit(dA, dB - dA, added, buf_, a, newB));
    }
    notify(Prop::Text);
    notify(Prop::Selection);
    if (Change) Change();
}

void TextBox::record(int32_t pos, String removed, StringView inserted, bool typed) {
    // Assigning a box the text it already holds changes nothing worth taking back.
    if (removed.empty() && inserted.empty()) return;
    redo_.clear();
    if (typed && removed.empty() && !undo_.empty()) {
        Step& last = undo_.back();
        if (last.typed && !last.lent && last.removed.empty() &&
            last.pos + static_cast<int32_t>(last.inserted.size()) == pos &&
            !(inserted.size() == 1 && (inserted[0] == u' ' || inserted[0] == CR))) {
            last.inserted += inserted;
            return;
        }
    }
    undo_.push_back(Step{pos, std::move(removed), String(inserted), typed});
    if (undo_.size() > kUndoDepth) undo_.erase(undo_.begin());
}

void TextBox::apply(Step& s, bool forward) {
    undoing_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{undoing_};
    String& remove = forward ? s.removed : s.inserted;
    String& insert = forward ? s.inserted : s.removed;
    const int32_t len = s.lent ? length() : static_cast<int32_t>(remove.size());
    // Undoing or redoing an edit of a whole large page (delete all, a whole-page command),
    // the page and the step trade storage: the page takes the step's text and the step the
    // page's, rather than copying megabytes each way.
    const bool trade = s.pos == 0 && len == length() && insert.size() >= kTradeFrom;
    if (!trade && !s.lent) {
        replace(s.pos, len, insert, false, false);
        return;
    }
    String page;
    replace(s.pos, len, insert, false, false, trade ? &insert : nullptr, &page);
    remove = std::move(page);
    if (trade) insert.clear(); // moved into the page
    s.lent = trade;
}

bool TextBox::undo() {
    if (undo_.empty()) return false;
    Step s = std::move(undo_.back());
    undo_.pop_back();
    apply(s, false);
    redo_.push_back(std::move(s));
    return true;
}

bool TextBox::redo() {
    if (redo_.empty()) return false;
    Step s = std::move(redo_.back());
    redo_.pop_back();
    apply(s, true);
    undo_.push_back(std::move(s));
    return true;
}

void TextBox::keyDown(int keyCode, int shift) {
    if (KeyDown) KeyDown(keyCode, shift);
}

void TextBox::keyUp(int keyCode, int shift) {
    if (KeyUp) KeyUp(keyCode, shift);
}

void TextBox::keyPress(char16_t c) {
    int ascii = c;
    if (KeyPress) KeyPress(ascii);
    if (ascii == 0 || locked_ || !enabled()) return;
    auto ch = static_cast<char16_t>(ascii);
    if (ch == 8) {
        if (selLength_ > 0) {
            replace(selStart_, selLength_, u"", true, false);
        } else if (selStart_ > 0) {
            int32_t n = (selStart_ >= 2 &&
                         ((buf_.at(selStart_ - 1) == LF && buf_.at(selStart_ - 2) == CR) ||
                          splitsPair(selStart_ - 1)))
                            ? 2
                            : 1;
            replace(selStart_ - n, n, u"", true, false);
        }
        return;
    }
    if (ch == 13) {
        if (multiLine_) userInsert(CRLF);
        return;
    }
    if (ch < 32 && ch != 9) return;
    if (isHigh(ch) || isLow(ch)) return; // half a character is nothing to type
    if (maxLength_ > 0 && length() - selLength_ + 1 > maxLength_) return;
    String s(1, ch);
    replace(selStart_, selLength_, s, true, false);
}

void TextBox::deleteKey() {
    if (locked_ || !enabled()) return;
    if (selLength_ > 0) {
        replace(selStart_, selLength_, u"", true, false);
    } else if (selStart_ < length()) {
        int32_t n = ((buf_.at(selStart_) == CR && selStart_ + 1 < length() &&
                      buf_.at(selStart_ + 1) == LF) ||
                     splitsPair(selStart_ + 1))
                        ? 2
                        : 1;
        replace(selStart_, n, u"", true, false);
    }
}

void TextBox::typeKey(int keyCode, int shift, const std::function<void()>& action) {
    form().runtime().invoke([&] {
        keyDown(keyCode, shift);
        if (action) action();
        keyUp(keyCode, shift);
    });
}

KeyAction TextBox::pressKey(const Key& k, const KeyView& view) {
    KeyAction a = keyAction(k);
    std::function<void()> act;
    switch (a) {
    case KeyAction::NotTaken:
        break;
    case KeyAction::Move:
        act = view.move;
        break;
    case KeyAction::Undo:
        act = [this] { undo(); };
        break;
    case KeyAction::Redo:
        act = [this] { redo(); };
        break;
    case KeyAction::Cut:
        act = view.cut;
        break;
    case KeyAction::Copy:
        act = view.copy;
        break;
    case KeyAction::Paste:
        act = view.paste;
        break;
    case KeyAction::DeleteWordBack:
    case KeyAction::DeleteWordForward:
        if (view.wordRange) {
            // The range is the one the user sees before any handler runs.
            // Copied out of the pair: clang 14 cannot capture a structured binding.
            auto range = view.wordRange(a == KeyAction::DeleteWordBack);
            int32_t from = range.first, to = range.second;
            act = [this, from, to] {
                select(from, to - from);
                userInsert(u"");
            };
        }
        break;
    case KeyAction::Backspace:
        act = [this] { keyPress(vbKeyBack); };
        break;
    case KeyAction::Delete:
        act = [this] { deleteKey(); };
        break;
    case KeyAction::Enter:
        act = [this] { keyPress(vbKeyReturn); };
        break;
    case KeyAction::Tab:
        act = [this] { keyPress(vbKeyTab); };
        break;
    case KeyAction::Type:
        act = [this, &k] { pressChars(k.text); };
        break;
    }
    typeKey(k.code, k.shift(), act);
    return a;
}

void TextBox::pressChars(StringView chars) {
    for (size_t i = 0; i < chars.size(); ++i) {
        char16_t c = chars[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < chars.size() && chars[i + 1] >= 0xDC00 &&
            chars[i + 1] < 0xE000) {
            userInsert(chars.substr(i, 2));
            ++i;
        } else {
            keyPress(c);
        }
    }
}

void TextBox::type(char16_t c, int shift) {
    typeKey(keyCodeOf(c), shift, [&] { keyPress(c); });
}

void TextBox::typeLiteral(StringView chars) {
    if (chars.empty()) return;
    int code = keyCodeOf(chars[0]);
    keyDown(code);
    int ascii = chars[0];
    if (KeyPress) KeyPress(ascii);
    if (ascii != 0 && !locked_ && enabled()) {
        String s(chars);
        s[0] = static_cast<char16_t>(ascii);
        if (maxLength_ <= 0 || length() - selLength_ + static_cast<int32_t>(s.size()) <= maxLength_)
            replace(selStart_, selLength_, s, true, false);
    }
    keyUp(code);
}

void TextBox::userInsert(StringView t) {
    if (locked_ || !enabled()) return;
    String s(t);
    if (!multiLine_) {
        // A one-line box keeps the first line only, as the platform's edit control does.
        auto br = s.find_first_of(u"\r\n");
        if (br != String::npos) s.resize(br);
    }
    if (maxLength_ > 0) {
        int32_t room = maxLength_ - (length() - selLength_);
        if (room <= 0) return;
        if (static_cast<int32_t>(s.size()) > room) {
            s.resize(static_cast<size_t>(room));
            if (isHigh(s.back())) s.pop_back();
        }
    }
    replace(selStart_, selLength_, s, false, false);
}

void TextBox::userMove(int32_t start, int32_t len, int32_t to) {
    if (locked_ || !enabled()) return;
    start = std::clamp(start, 0, length());
    len = std::clamp(len, 0, length() - start);
    to = std::clamp(to, 0, length());
    if (len == 0 || (to >= start && to <= start + len)) return;
    // One replacement of the span from the drop point to the far end of the selection,
    // so the program sees a single change and undo takes the move back in one step.
    String moved = buf_.mid(start, len);
    if (to < start) {
        replace(to, start + len - to, moved + buf_.mid(to, start - to), false, false);
        select(to, len);
    } else {
        replace(start, to - start, buf_.mid(start + len, to - start - len) + moved, false, false);
        select(to - len, len);
    }
    notify(Prop::Selection);
}

} // namespace forms
