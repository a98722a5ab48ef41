// The rollover dialog `rollover`: a one-line style block that gives the page's links their
// look under the mouse. Before page properties were first applied it hands the block to
// them; afterwards it writes the block into the page itself.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

class Page;

class Rollover : public forms::Form {
public:
    explicit Rollover(Page& page);
    Page& page;

    forms::Label Label1{*this, "Label1"}; // "Font Name and Colour"
    forms::ComboBox Combo1{*this, "Combo1"};
    forms::ComboBox Combo2{*this, "Combo2"};
    forms::Label Label2{*this, "Label2"}; // "Font Style"
    forms::ListBox List1{*this, "List1"};
    forms::Label Label3{*this, "Label3"}; // "Size"
    forms::ListBox List2{*this, "List2"};
    forms::CheckBox nodecor{*this, "nodecor"};
    forms::CheckBox Underline{*this, "Underline"};
    forms::CheckBox Overline{*this, "Overline"};
    forms::CheckBox Blink{*this, "Blink"};
    forms::CheckBox Strike{*this, "Strike"};
    forms::CheckBox Hidden{*this, "Hidden"};
    forms::CheckBox Allcaps{*this, "Allcaps"};
    forms::CheckBox Capitalize{*this, "Capitalize"};
    forms::CheckBox Smallcaps{*this, "Smallcaps"};
    forms::Timer Timer1{*this, "Timer1", 250, true};
    forms::Button OKButton{*this, "OKButton"};
    forms::Button CancelButton{*this, "CancelButton"};
    forms::StatusBar StatusBar1{*this, "StatusBar1"};

    // The next screen font to list.
    int fontIndex = 1;
    // One piece per check box (Allcaps and Capitalize share the transform), and the
    // decoration the timer joins from the five decoration pieces.
    forms::String nodecorPiece, underlinePiece, overlinePiece, blinkPiece, strikePiece;
    forms::String hiddenPiece, transformPiece, smallcapsPiece, decoration;
    // Offsets in the page while the block is written, as decimal text.
    forms::String startAt, endAt, headAt;

    void Form_Load();
    // Lists the screen fonts from index 1 on: the font at index 0 is not listed.
    void itemaddition();
    void nodecor_Click();
    void Underline_Click();
    void Overline_Click();
    void Blink_Click();
    void Strike_Click();
    void Hidden_Click();
    void Allcaps_Click();
    void Capitalize_Click();
    void Smallcaps_Click();
    void Timer1_Timer();
    void OKButton_Click();
    void CancelButton_Click();

    // The style block of the current settings.
    forms::String styleBlock() const;
};
