// Auto delete: the main window's command that removes the tag at the caret with the tag
// that closes it, or the whole element.
#pragma once

class Page;

void mnuautodel_Click(Page& w);
