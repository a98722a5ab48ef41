// Gap buffer storage and the model/display offset map.
#include "forms/GapBuffer.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <initializer_list>

namespace forms {

String GapBuffer::mid(int32_t pos, int32_t len) const {
    String out;
    if (len <= 0 || pos < 0 || pos >= size()) return out;
    len = std::min(len, size() - pos);
    if (len == size()) ++wholeCopies_;
    auto p = static_cast<size_t>(pos);
    auto n = static_cast<size_t>(len);
    // Appended, not resized and overwritten: a 10 MB page is not written twice.
    out.reserve(n);
    size_t first = p < gapStart_ ? std::min(n, gapStart_ - p) : 0;
    if (first) out.append(buf_.data() + p, first);
    if (n > first) out.append(buf_.data() + p + first + gapLen(), n - first);
    return out;
}

void GapBuffer::assign(StringView text) {
    String fresh;
    fresh.reserve(text.size() + roomFor(text.size()));
    fresh.assign(text);
    adopt(std::move(fresh));
}

void GapBuffer::adopt(String text) {
    size_t used = text.size();
    // Room left for typing: the first keys after opening a large page do not copy it. Within
    // the capacity, so that nothing is copied here; at most kOpenRoom, since the room is
    // written and so held in memory, and the growth that comes once it is used up leaves
    // room in proportion to the page.
    constexpr size_t kOpenRoom = size_t{1} << 17;
    text.resize(std::min(text.capacity(), used + std::min(roomFor(used), kOpenRoom)));
    buf_.swap(text);
    gapStart_ = used;
    gapEnd_ = buf_.size();
    pairs_ = crs_ = lfs_ = 0;
    countBreaks(0, size(), +1);
    pairs_ = countPairs(0, size());
    anchor_ = {};
}

String GapBuffer::take() {
    moveGap(static_cast<size_t>(size()));
    String out = std::move(buf_);
    out.resize(gapStart_);
    assign({});
    return out;
}

void GapBuffer::moveGap(size_t pos) {
    if (pos < gapStart_) {
        size_t n = gapStart_ - pos;
        std::copy_backward(buf_.begin() + static_cast<std::ptrdiff_t>(pos),
                           buf_.begin() + static_cast<std::ptrdiff_t>(gapStart_),
                           buf_.begin() + static_cast<std::ptrdiff_t>(gapEnd_));
        gapStart_ -= n;
        gapEnd_ -= n;
    } else if (pos > gapStart_) {
        size_t n = pos - gapStart_;
        std::copy(buf_.begin() + static_cast<std::ptrdiff_t>(gapEnd_),
                  buf_.begin() + static_cast<std::ptrdiff_t>(gapEnd_ + n),
                  buf_.begin() + static_cast<std::ptrdiff_t>(gapStart_));
        gapStart_ += n;
        gapEnd_ += n;
    }
}

void GapBuffer::ensureGap(size_t need) {
    if (gapLen() >= need) return;
    size_t used = buf_.size() - gapLen();
    // Room after this edit too: a page set by replacing all but its first character would
    // otherwise be copied again by the first large paste.
    size_t newSize = used + need + roomFor(used + need);
    size_t tail = buf_.size() - gapEnd_;
    // Filled in order, so that only the gap is written twice.
    String grown;
    grown.reserve(newSize);
    grown.append(buf_.data(), gapStart_);
    grown.resize(newSize - tail);
    grown.append(buf_.data() + gapEnd_, tail);
    buf_.swap(grown);
    gapEnd_ = buf_.size() - tail;
}

namespace {

// The characters of [a, b) as they lie before and after the gap.
struct Spans {
    StringView first;
    StringView second;
};

Spans spansOf(const String& buf, size_t gapStart, size_t gapEnd, int32_t a, int32_t b) {
    auto size = static_cast<int32_t>(buf.size() - (gapEnd - gapStart));
    int32_t lo = std::clamp(a, 0, size);
    auto from = static_cast<size_t>(lo);
    auto to = static_cast<size_t>(std::clamp(b, lo, size));
    Spans out;
    if (from < gapStart) out.first = StringView(buf.data() + from, std::min(to, gapStart) - from);
    if (to > gapStart) {
        size_t start = std::max(from, gapStart);
        out.second = StringView(buf.data() + start + (gapEnd - gapStart), to - start);
    }
    return out;
}

// CR LF pairs lying wholly inside s.
int32_t pairsIn(StringView s) {
    int32_t n = 0;
    for (size_t i = s.find(CR); i != StringView::npos && i + 1 < s.size(); i = s.find(CR, i + 1))
        if (s[i + 1] == LF) ++n;
    return n;
}

} // namespace

std::pair<StringView, StringView> GapBuffer::spans(int32_t pos, int32_t len) const {
    // What is asked for is copied (into the view's piece): all of it counts as a whole copy.
    if (pos == 0 && len == size() && len > 0) ++wholeCopies_;
    Spans s = spansOf(buf_, gapStart_, gapEnd_, pos, pos + len);
    return {s.first, s.second};
}

int32_t GapBuffer::countPairs(int32_t a, int32_t b) const {
    // Whole spans at a time: an edit of a 10 MB page counts its breaks in one pass.
    Spans s = spansOf(buf_, gapStart_, gapEnd_, a, b);
    int32_t n = pairsIn(s.first) + pairsIn(s.second);
    if (!s.first.empty() && !s.second.empty() && s.first.back() == CR && s.second.front() == LF)
        ++n;
    return n;
}

void GapBuffer::countBreaks(int32_t a, int32_t b, int32_t sign) {
    Spans s = spansOf(buf_, gapStart_, gapEnd_, a, b);
    for (StringView part : {s.first, s.second}) {
        crs_ += sign * static_cast<int32_t>(std::count(part.begin(), part.end(), CR));
        lfs_ += sign * static_cast<int32_t>(std::count(part.begin(), part.end(), LF));
    }
}

void GapBuffer::replace(int32_t pos, int32_t len, StringView text) {
    if (pos == 0 && len == size()) {
        // Opening a page or replacing all of it: no gap to grow and fill first.
        assign(text);
        return;
    }
    // Keep the anchor valid: anything at or before pos is untouched by the edit.
    if (anchor_.pos > pos) anchor_ = {pos, toDisplay(pos)};
    int32_t lo = std::max(pos - 1, 0);
    pairs_ -= countPairs(lo, std::min(pos + len + 1, size()));
    countBreaks(pos, pos + len, -1);

    moveGap(static_cast<size_t>(pos));
    gapEnd_ += static_cast<size_t>(len);
    ensureGap(text.size());
    std::copy(text.begin(), text.end(), buf_.begin() + static_cast<std::ptrdiff_t>(gapStart_));
    gapStart_ += text.size();

    auto n = static_cast<int32_t>(text.size());
    countBreaks(pos, pos + n, +1);
    pairs_ += countPairs(lo, std::min(pos + n + 1, size()));
}

int32_t GapBuffer::find(StringView needle, int32_t from) const {
    from = std::max(from, 0);
    auto m = static_cast<int32_t>(needle.size());
    if (m == 0) return from <= size() ? from : -1;
    if (from + m > size()) return -1;
    auto gs = static_cast<int32_t>(gapStart_);
    // Before the gap.
    if (from < gs) {
        StringView head(buf_.data(), gapStart_);
        auto r = head.find(needle, static_cast<size_t>(from));
        if (r != StringView::npos) return static_cast<int32_t>(r);
        // Matches that straddle the gap.
        for (int32_t s = std::max(from, gs - m + 1); s < gs && s + m <= size(); ++s) {
            int32_t k = 0;
            while (k < m && at(s + k) == needle[static_cast<size_t>(k)])
                ++k;
            if (k == m) return s;
        }
    }
    StringView tail(buf_.data() + gapEnd_, buf_.size() - gapEnd_);
    auto start = static_cast<size_t>(std::max(from, gs) - gs);
    auto r = tail.find(needle, start);
    return r == StringView::npos ? -1 : static_cast<int32_t>(r) + gs;
}

int32_t GapBuffer::rfind(StringView needle, int32_t limit) const {
    limit = std::min(limit, size());
    auto m = static_cast<int32_t>(needle.size());
    if (m == 0) return limit >= 0 ? limit : -1;
    if (limit < m) return -1;
    auto gs = static_cast<int32_t>(gapStart_);
    // After the gap first, since we look for the last occurrence.
    if (limit > gs) {
        StringView tail(buf_.data() + gapEnd_, static_cast<size_t>(limit - gs));
        auto r = tail.rfind(needle);
        if (r != StringView::npos) return static_cast<int32_t>(r) + gs;
        for (int32_t s = std::min(gs - 1, limit - m); s > gs - m && s >= 0; --s) {
            int32_t k = 0;
            while (k < m && at(s + k) == needle[static_cast<size_t>(k)])
                ++k;
            if (k == m) return s;
        }
    }
    StringView head(buf_.data(), static_cast<size_t>(std::min(limit, gs)));
    auto r = head.rfind(needle);
    return r == StringView::npos ? -1 : static_cast<int32_t>(r);
}

GapBuffer::Anchor GapBuffer::nearest(int32_t pos) const {
    Anchor end{size(), displaySize()};
    Anchor best{};
    int32_t dist = pos;
    if (std::abs(anchor_.pos - pos) < dist) {
        best = anchor_;
        dist = std::abs(anchor_.pos - pos);
    }
    if (end.pos - pos < dist) best = end;
    return best;
}

int32_t GapBuffer::toDisplay(int32_t pos) const {
    pos = std::clamp(pos, 0, size());
    Anchor a = nearest(pos);
    int32_t d = a.disp;
    // The display advances by one per character, except over the LF of a CR LF pair.
    if (pos >= a.pos) {
        for (int32_t i = a.pos; i < pos; ++i)
            if (!(at(i) == LF && i > 0 && at(i - 1) == CR)) ++d;
    } else {
        for (int32_t i = a.pos - 1; i >= pos; --i)
            if (!(at(i) == LF && i > 0 && at(i - 1) == CR)) --d;
    }
    anchor_ = {pos, d};
    return d;
}

int32_t GapBuffer::fromDisplay(int32_t dpos) const {
    dpos = std::clamp(dpos, 0, displaySize());
    Anchor a{};
    int32_t best = dpos;
    if (std::abs(anchor_.disp - dpos) < best) {
        a = anchor_;
        best = std::abs(anchor_.disp - dpos);
    }
    if (displaySize() - dpos < best) a = {size(), displaySize()};
    int32_t pos = a.pos;
    int32_t d = a.disp;
    // The character at i takes no display room when it is the LF of a CR LF pair.
    auto zeroWidth = [this](int32_t i) {
        return i > 0 && i < size() && at(i) == LF && at(i - 1) == CR;
    };
    while (d < dpos) {
        if (!zeroWidth(pos)) ++d;
        ++pos;
    }
    while (d > dpos) {
        --pos;
        if (!zeroWidth(pos)) --d;
    }
    if (zeroWidth(pos)) ++pos;
    anchor_ = {pos, dpos};
    return pos;
}

} // namespace forms
