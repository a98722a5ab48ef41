// Text storage of a text box: a gap buffer, with counts of its line breaks and a map
// between model offsets (CR LF counts two) and display offsets (every break counts one).
#pragma once

#include "forms/Text.h"

#include <cstdint>
#include <utility>

namespace forms {

class GapBuffer {
public:
    GapBuffer() = default;
    explicit GapBuffer(StringView text) { assign(text); }

    int32_t size() const { return static_cast<int32_t>(buf_.size() - gapLen()); }
    char16_t at(int32_t i) const {
        auto u = static_cast<size_t>(i);
        return u < gapStart_ ? buf_[u] : buf_[u + gapLen()];
    }
    String mid(int32_t pos, int32_t len) const;
    String str() const { return mid(0, size()); }
    // The whole text, its storage handed over uncopied; the buffer is left empty.
    String take();
    // Copies of the whole text made so far, by str() or a mid() that takes everything.
    // Typing must make none: a page may be 10 MB.
    long wholeCopies() const { return wholeCopies_; }

    void assign(StringView text);
    // Takes text's storage rather than copying it; the room reserved past its end becomes
    // the gap. A text made with roomFor(size) to spare takes the first keys without a copy.
    void adopt(String text);
    static size_t roomFor(size_t used) { return used / 8 > 4096 ? used / 8 : 4096; }
    // The characters of [pos, pos + len) as they lie before and after the gap, uncopied.
    std::pair<StringView, StringView> spans(int32_t pos, int32_t len) const;
    // Replaces len characters at pos (both already clamped by the caller).
    void replace(int32_t pos, int32_t len, StringView text);

    // First occurrence at or after from (0-based), or -1.
    int32_t find(StringView needle, int32_t from = 0) const;
    // Last occurrence lying wholly inside the first limit characters, or -1.
    int32_t rfind(StringView needle, int32_t limit) const;

    // CR LF pairs, and line breaks (a CR LF pair, a lone CR and a lone LF count one each).
    int32_t crlfPairs() const { return pairs_; }
    int32_t lineBreaks() const { return crs_ + lfs_ - pairs_; }

    // Display offset of a model offset; an offset between CR and LF maps past the break.
    int32_t toDisplay(int32_t pos) const;
    // Model offset of a display offset; never between a CR and its LF.
    int32_t fromDisplay(int32_t dpos) const;
    int32_t displaySize() const { return size() - pairs_; }

private:
    size_t gapLen() const { return gapEnd_ - gapStart_; }
    void moveGap(size_t pos);
    void ensureGap(size_t need);
    bool pairAt(int32_t i) const { return at(i) == CR && i + 1 < size() && at(i + 1) == LF; }
    // Pairs starting at i with a <= i and i + 1 < b.
    int32_t countPairs(int32_t a, int32_t b) const;
    void countBreaks(int32_t a, int32_t b, int32_t sign);

    mutable long wholeCopies_ = 0;

    String buf_;
    size_t gapStart_ = 0;
    size_t gapEnd_ = 0;
    int32_t pairs_ = 0;
    int32_t crs_ = 0;
    int32_t lfs_ = 0;

    // Last mapped point, so that mapping near the caret costs little.
    struct Anchor {
        int32_t pos = 0;
        int32_t disp = 0;
    };
    mutable Anchor anchor_;
    Anchor nearest(int32_t pos) const;
};

} // namespace forms
