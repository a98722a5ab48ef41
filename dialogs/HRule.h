// The horizontal rule dialog `hrule`: one HR tag from alignment, width, height, colour and
// no-shade. Each field keeps its piece of the tag, refreshed by its own handler; OK joins
// the pieces.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Page;

class HRule : public forms::Form {
public:
    explicit HRule(Page& page);
    Page& page;

    forms::Label Label1{*this, "Label1"}; // "Alignment"
    forms::ListBox Align{*this, "Align"};
    forms::Frame Frame1{*this, "Frame1"}; // "Size"
    forms::Label Label2{*this, "Label2"}; // "Width"
    forms::TextBox Widther{*this, "Widther"};
    forms::CheckBox Check2{*this, "Check2"};
    forms::Label Label3{*this, "Label3"}; // "Height"
    forms::TextBox size{*this, "size"};
    forms::UpDown UpDown2{*this, "UpDown2"};
    forms::Label Label4{*this, "Label4"}; // "Pixels"
    forms::Label Label5{*this, "Label5"}; // "Colour"
    forms::ComboBox Combo2{*this, "Combo2"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::Button OKButton{*this, "OKButton"};
    forms::Button CancelButton{*this, "CancelButton"};
    forms::Timer Timer1{*this, "Timer1", 300, true};

    // The pieces of the tag.
    forms::String align, width, sizePiece, colour, noshade;

    void Form_Load();
    void Align_Click();
    void Check1_Click();
    void Check2_Click();
    void Combo2_Change();
    void Combo2_Click();
    void size_Change();
    void UpDown2_UpClick();
    void UpDown2_DownClick();
    void Widther_Change();
    void Timer1_Timer();
    void OKButton_Click();
    void CancelButton_Click();

    // Sets the alignment list's text as an opener would: the item of that text, whatever
    // its case, or none (which writes no align attribute).
    void setAlign(forms::StringView text);
};

// The main window's opener (`rule`/`hra`).
void rule_Click(Page& w);
