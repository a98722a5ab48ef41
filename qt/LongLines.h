// Display-only breaks in very long lines. The text widget lays a line out whole at every
// edit, which takes seconds for a minified page of megabytes on one line, so such a line is
// shown in pieces: the widget holds a block break before each cut that the page does not
// have. Offsets here are the page's display offsets (every real break one character).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tolva::qt {

class LongLines {
public:
    // A piece longer than this is cut, into pieces about kPiece long.
    static constexpr int32_t kLongest = 4000;
    static constexpr int32_t kPiece = 2000;

    // The widget position of a display offset; at a cut, the end of the piece before it.
    int32_t toWidget(int32_t d) const { return d + before(d); }
    // The display offset of a widget position; both sides of a cut's break give the cut.
    int32_t fromWidget(int32_t w) const;
    // Whether the widget's character at w is a cut's break.
    bool isCut(int32_t w) const;
    // Cuts at offsets below d.
    int32_t before(int32_t d) const;
    const std::vector<int32_t>& cuts() const { return cuts_; }

    // An edit replaced [from, to) by n characters: the cuts inside went with the text (their
    // breaks lay inside the widget's range), the later ones move.
    void edited(int32_t from, int32_t to, int32_t n);
    // Adds a cut at d (no cut there yet).
    void add(int32_t d);
    void clear() { cuts_.clear(); }

    // Where a piece of `text` that starts at its offset 0 is best cut so that no piece is
    // longer than kLongest: after a tag's end or a blank near every kPiece characters. Lines
    // of `text` (split at LF) are measured from their own starts, plus `head` characters for
    // the first line, which continues a piece already in the widget.
    static std::vector<int32_t> cutsIn(std::u16string_view text, int32_t head = 0);

private:
    std::vector<int32_t> cuts_; // ascending
};

} // namespace tolva::qt
