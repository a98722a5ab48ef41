// Special characters and the formatting helpers of the main window.
#pragma once

#include "forms/Controls.h"

#include <span>

// The 149 characters of the special-character list, in list order (duplicates kept).
std::span<const char16_t> specialCharacters();
// Gives the list its initial text and its entries.
void fillSpecialCharacters(forms::ComboBox& combo);
