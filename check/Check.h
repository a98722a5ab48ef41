// The page's check: HTML Tidy's findings about a text, each placed in the buffer.
#pragma once

#include "forms/Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace check {

enum class Kind : uint8_t { Error, Warning };

struct Problem {
    // As Tidy counts them, from 1: a line ends at CR LF, a lone CR or a lone LF; a column
    // is one character (a tab, a surrogate pair alike).
    int32_t line = 1;
    int32_t column = 1;
    Kind kind = Kind::Warning;
    std::string message; // Tidy's own English wording
    // The place in the buffer's offsets (CR LF counts two), and how much to underline.
    int32_t start = 0;
    int32_t length = 1;
    bool operator==(const Problem&) const = default;
};

// The problems of a page, sorted by place. Pure: runs on any thread, on a copy.
std::vector<Problem> check(forms::StringView text);

// The buffer offset of a line and column counted as Problem counts them; a place past the
// end of its line stays at the line's end, past the last line at the text's end.
int32_t offsetOf(forms::StringView text, int32_t line, int32_t column);

} // namespace check
