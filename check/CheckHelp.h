// What the help viewer tells about the page's check, its switch, its shortcut and its window.
#pragma once

namespace check {

inline constexpr char16_t kCheckHelp[] =
    u"Checking the page as you type\r\n"
    u"A moment after you stop typing, Tolva checks the page with HTML Tidy, on a copy and "
    u"in the background: the page, its undo history and its modified marker are never "
    u"touched. A tag left open, a mismatched or missing end tag, an element HTML does not "
    u"know and an attribute given twice are each reported once; the tags and attributes "
    u"that Tolva's own commands and dialogs write are not.\r\n"
    u"Each problem is underlined with a wavy line in the page, red for an error and amber "
    u"for a warning; the line goes once the fault is fixed.\r\n"
    u"The status bar shows the count (\"No problems\", \"1 problem\", \"3 problems\"); click "
    u"it, or press Ctrl+Shift+M, to open the Problems window. It lists line, column, kind "
    u"and message, by place in the page; Enter or a double-click on a row puts the caret "
    u"there.\r\n"
    u"The \"Check\" box beside the count turns checking off and on. It is on when Tolva "
    u"starts.";

} // namespace check
