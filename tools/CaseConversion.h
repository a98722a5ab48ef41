// Case conversion of the buffer's selection: the main window's Edit menu commands.
#pragma once

class Page;

void mnuLcase_Click(Page& w);
void mnuUcase_Click(Page& w);
void mnuIcase_Click(Page& w);
void mnutitlecase_Click(Page& w);
void mnusentencecase_Click(Page& w);
