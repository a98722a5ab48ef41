// The list dialog `bulnumcreater`: a numbered (OL) or bulleted (UL) list of placeholder
// items. The openers fill the type list and set the captions; the button's caption is the
// mode.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

#include <cstdint>

class Page;

class BulNumCreater : public forms::Form {
public:
    explicit BulNumCreater(Page& page);
    Page& page;

    forms::Label Label1{*this, "Label1"}; // "Type:"
    forms::ListBox type{*this, "type"};
    forms::TextBox txtbulnumcreater{*this, "txtbulnumcreater"};
    forms::UpDown bulnumcreaterUpDown{*this, "bulnumcreaterUpDown"};
    forms::Button btnbulnumcreater{*this, "btnbulnumcreater"};

    static constexpr char16_t numbered[] = u"Create Numbered List";
    static constexpr char16_t bulleted[] = u"Create Bulletted List";

    void btnbulnumcreater_Click();
    // False (and nothing inserted) when the count was refused.
    bool numcreater();
    bool bltcreater();

private:
    bool build(forms::StringView head, forms::StringView tail);
    int32_t counter_ = 0;
    forms::String fragment_;
};

// The main window's openers (`numberings`/`numberinga` and `Bullet`/`bulleta`).
void numberings_Click(Page& w);
void Bullet_Click(Page& w);
