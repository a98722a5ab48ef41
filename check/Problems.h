// The "Problems" window: what the page's check found, by place, and the two status-bar
// items that go with it (the count, which opens the window, and the switch).
#pragma once

#include "check/PageCheck.h"
#include "forms/Controls.h"
#include "forms/Form.h"

class Page;

class Problems : public forms::Form {
public:
    // The check is on when the program starts: it never changes the page, and a page of
    // the program's own making shows nothing.
    static constexpr bool onAtStart = true;

    explicit Problems(Page& page);
    Page& page;

    // One row a problem: "line, column, kind, message".
    forms::ListBox List1{*this, "List1"};
    // Shown in the main window's status bar.
    forms::Button count{*this, "count"};
    forms::CheckBox checking{*this, "checking"};

    PageCheck pageCheck;

    // Enter or a double-click on a row: the caret goes to its place in the buffer.
    void go(int index);
    void count_Click();
    void checking_Click();

    // "No problems", "1 problem", "3 problems".
    static forms::String countText(size_t n);
    static forms::String row(const check::Problem& p);

private:
    void refresh();
    forms::Subscription found_;
};
