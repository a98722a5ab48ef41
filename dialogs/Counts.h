// The counts of the table and list builders: rows, columns and items read from their boxes,
// refused with a message when they are not whole numbers or would build too much.
#pragma once

#include "forms/Text.h"

#include <cstdint>
#include <optional>

namespace forms {
class TextBox;
}

namespace counts {

// The most cells of a table, or items of a list, that one press builds.
inline constexpr double kLimit = 100000;

// Shows "Invalid Entry. Specify a valid number" and puts the reset value into the box.
void refuse(forms::TextBox& box, forms::StringView resetValue);

// The box's text as a whole number, or nothing after refusing it. numberguard checks only
// the character before the caret, so a pasted "1x2" or "2.5" arrives here.
std::optional<double> read(forms::TextBox& box, forms::StringView resetValue);

// A count the builder can loop to: negative counts build nothing, as zero does.
inline int32_t loops(double count) {
    return count > 0 ? static_cast<int32_t>(count) : 0;
}

} // namespace counts
