// The rule of every numeric box of the element dialogs and page properties (numberguard)
// and the arithmetic of their up-downs, which step the box and hold no value of their own.
#pragma once

#include "forms/Text.h"

#include <optional>

namespace forms {
class TextBox;
class UpDown;
} // namespace forms

namespace numeric {

// Runs on every change of the box: an empty box gets its reset value; otherwise only the
// character before the caret is checked, and a non-digit there is refused with a message
// and the reset value.
void numberguard(forms::TextBox& box, forms::StringView resetValue);

// The box's whole text as a decimal number ("12", "-3", "2.5", blanks around allowed).
std::optional<double> value(forms::StringView text);
// Shortest decimal text: "3", not "3.0"; "2.5".
forms::String format(double v);

// Up adds 1; down subtracts 1 only while the value is above the floor. A text that is not
// a number is left as it is.
void stepUp(forms::TextBox& box);
void stepDown(forms::TextBox& box, double floor);

// Wires a box to numberguard with its reset value and, when given, an up-down to the box.
void bind(forms::TextBox& box, forms::StringView resetValue, forms::UpDown* upDown = nullptr,
          double floor = 0);

} // namespace numeric
