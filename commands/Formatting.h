// Special characters and the formatting helpers of the main window.
#pragma once

#include "forms/Controls.h"

#include <span>

class Tolva;

// The 149 characters of the special-character list, in list order (duplicates kept).
std::span<const char16_t> specialCharacters();
// Gives the list its initial text and its entries.
void fillSpecialCharacters(forms::ComboBox& combo);

namespace formatting {
// Types the character chosen in the list.
void specialCharacter(Tolva& w);
// A tab at the start of the selection and after each of its line breaks.
void tabify(Tolva& w);
// Asks for a text and puts it in a bordered box.
void rectangularBox(Tolva& w);
} // namespace formatting
