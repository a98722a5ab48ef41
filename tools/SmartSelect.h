// Smart select: turns the caret of any text box into a selection of the tag around it.
// Shared by the main window's command, auto delete, smart correct, page properties and the
// font dialog's working text.
#pragma once

#include "forms/Runtime.h"
#include "forms/TextBox.h"

class Page;

// Selects from the last "<" before the caret through the first ">" from the character
// before the caret on. Leaves the box alone when no "<" lies past offset 0 before the
// caret; when no ">" follows, says so and appends one to the end of the text (caret at 0).
void smartSelect(forms::TextBox& box, forms::Runtime& rt);
// The main window's command: smart select on the document buffer.
void mnusmartselect_Click(Page& w);
