// The help window `Helpme`: category buttons, the topics of the chosen category and the
// page of the chosen topic.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Page;

class Helpme : public forms::Form {
public:
    explicit Helpme(Page& page);
    Page& page;

    forms::Button guide{*this, "guide"}, gen{*this, "gen"}, Fonts{*this, "Fonts"},
        Forms{*this, "Forms"}, Table{*this, "Table"}, Extras{*this, "Extras"}, Misc{*this, "Misc"},
        others{*this, "others"};
    forms::ListBox List{*this, "List"};
    forms::TextBox helptext{*this, "helptext"};
    forms::Button cmdOK{*this, "cmdOK"}, btnabout{*this, "btnabout"};

    // Replaces the topics by those of the category and shows its introduction.
    void choose(std::string_view category);
    // Shows the page of the first topic whose title is the list's text; none changes nothing.
    void List_Click();
};

namespace help {
// F1 and every help picture: opens the help window, or brings it forward.
void open(Page& w);
} // namespace help
