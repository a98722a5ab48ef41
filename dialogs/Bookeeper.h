// Bookmarks: named anchors in one fixed form. The main window inserts and records them; the
// window `bookeeper` lists them, moves the caret to one, and picks up anchors from the page.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

class Page;

class Bookeeper : public forms::Form {
public:
    explicit Bookeeper(Page& page);
    Page& page;

    // Index for index: the names shown, and the anchor text of each, used for searching.
    forms::ListBox List1{*this, "List1"};
    forms::ListBox List2{*this, "List2"};
    forms::Button OKButton{*this, "OKButton"};
    forms::Button Close{*this, "Close"};
    forms::Button Picture1{*this, "Picture1"};
    // The index last clicked in List1.
    int32_t index = 0;

    void List1_Click();
    void OKButton_Click();
    void Picture1_Click();
    void Close_Click();

    void record(forms::StringView name, forms::StringView anchor);

private:
    forms::Subscription pageEvents_;
};

namespace bookmarks {
// Ctrl+G: asks for a name, inserts its anchor at the caret and records it.
void insert(Page& w);
// Shows the list without blocking the main window.
void show(Page& w);
} // namespace bookmarks
