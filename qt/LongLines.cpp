// Display-only breaks in very long lines.
#include "qt/LongLines.h"

#include <algorithm>

namespace tolva::qt {

int32_t LongLines::before(int32_t d) const {
    return static_cast<int32_t>(std::lower_bound(cuts_.begin(), cuts_.end(), d) - cuts_.begin());
}

int32_t LongLines::fromWidget(int32_t w) const {
    // The break of the i-th cut c sits at widget position c + i; count those before w.
    int32_t lo = 0;
    auto hi = static_cast<int32_t>(cuts_.size());
    while (lo < hi) {
        int32_t mid = (lo + hi) / 2;
        if (cuts_[static_cast<size_t>(mid)] + mid < w)
            lo = mid + 1;
        else
            hi = mid;
    }
    return w - lo;
}

bool LongLines::isCut(int32_t w) const {
    int32_t d = fromWidget(w);
    int32_t i = before(d);
    return static_cast<size_t>(i) < cuts_.size() && cuts_[static_cast<size_t>(i)] == d &&
           d + i == w;
}

void LongLines::edited(int32_t from, int32_t to, int32_t n) {
    auto first = std::lower_bound(cuts_.begin(), cuts_.end(), from);
    auto last = to > from ? std::lower_bound(first, cuts_.end(), to) : first;
    for (auto it = last; it != cuts_.end(); ++it)
        *it += n - (to - from);
    cuts_.erase(first, last);
}

void LongLines::add(int32_t d) {
    cuts_.insert(std::lower_bound(cuts_.begin(), cuts_.end(), d), d);
}

std::vector<int32_t> LongLines::cutsIn(std::u16string_view text, int32_t head) {
    std::vector<int32_t> out;
    auto size = static_cast<int32_t>(text.size());
    int32_t start = -head; // where the current piece began
    for (int32_t i = 0; i <= size; ++i) {
        if (i < size && text[static_cast<size_t>(i)] != u'\n') continue;
        // A line [lineStart, i): cut while what is left of it is too long.
        while (i - start > kLongest) {
            int32_t at = start + kPiece;
            // A cut after a tag's end or a blank looks like the widget's own wrapping.
            for (int32_t k = at; k > at - kPiece / 4 && k > std::max(start, 0); --k) {
                char16_t c = text[static_cast<size_t>(k - 1)];
                if (c == u'>' || c == u' ') {
                    at = k;
                    break;
                }
            }
            at = std::max(at, 1);
            out.push_back(at);
            start = at;
        }
        start = i + 1;
    }
    return out;
}

} // namespace tolva::qt
