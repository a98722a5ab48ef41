// Smart correct (Ctrl+F5): the tag around the caret, read back into the dialog that writes
// it, with the tag left selected so that the dialog's OK replaces it.
#pragma once

class Page;

void smartCorrect(Page& w);
