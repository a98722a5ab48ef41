// The page-properties dialog `pageprops`: the page's BODY start tag (colours, background
// picture, margins), the end of the HEAD with the rollover style block in front of it on
// the first OK, and the background sound. Hidden, not unloaded, after OK, so that its
// values and its first-time state last while the program runs.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Page;

class PageProps : public forms::Form {
public:
    explicit PageProps(Page& page);
    Page& page;

    forms::Frame Frame1{*this, "Frame1"}; // the colours
    forms::Label Label1{*this, "Label1"}; // "Text"
    forms::TextBox Text1{*this, "Text1"};
    forms::Label Label2{*this, "Label2"}; // "Background"
    forms::TextBox Text2{*this, "Text2"};
    forms::Label Label3{*this, "Label3"}; // "Hyperlink"
    forms::TextBox Text3{*this, "Text3"};
    forms::Label Label4{*this, "Label4"}; // "Active Link"
    forms::TextBox Text4{*this, "Text4"};
    forms::Label Label5{*this, "Label5"}; // "Visited Link"
    forms::TextBox Text5{*this, "Text5"};
    forms::Label Label6{*this, "Label6"}; // "Choose a colour"
    forms::ComboBox Combo2{*this, "Combo2"};

    forms::CheckBox Check1{*this, "Check1"};
    forms::TextBox Text6{*this, "Text6"};
    forms::Button Command1{*this, "Command1"};
    forms::CheckBox Check2{*this, "Check2"};
    forms::Label Label7{*this, "Label7"}; // " (Page scrolls over static picture)"

    forms::Frame Frame2{*this, "Frame2"}; // "Margins"
    forms::Label Label8{*this, "Label8"}; // "Top"
    forms::TextBox Text7{*this, "Text7"};
    forms::UpDown UpDown1{*this, "UpDown1"};
    forms::Label Label9{*this, "Label9"}; // "Left"
    forms::TextBox Text8{*this, "Text8"};
    forms::UpDown UpDown2{*this, "UpDown2"};

    forms::Frame Frame3{*this, "Frame3"};   // "Background Sound"
    forms::Label Label10{*this, "Label10"}; // "Source"
    forms::TextBox Text9{*this, "Text9"};
    forms::Button Command2{*this, "Command2"};
    forms::Label Label11{*this, "Label11"}; // "Loop :"
    forms::TextBox Text10{*this, "Text10"};
    forms::UpDown UpDown3{*this, "UpDown3"};

    forms::Button btnRollover{*this, "btnRollover"};
    forms::Button picthelpfile{*this, "picthelpfile"};
    forms::Button OKButton{*this, "OKButton"};
    forms::StatusBar StatusBar1{*this, "StatusBar1"};

    // "True" until the first OK; New sets it back.
    forms::TextBox firsttime{*this, "firsttime"};
    // The style block of the rollover dialog.
    forms::TextBox rolypoly{*this, "rolypoly"};

    // The pieces of the tag, each kept by its own handler.
    forms::String background, topMargin, leftMargin, watermark, sound, fragment;

    void Form_Load();
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();
    void Command2_Click();
    void Text6_Change();
    void Text7_Change();
    void Text8_Change();
    void Text9_Change();
    void Text10_Change();
    // Text1_OLEDragDrop … Text5_OLEDragDrop: whatever was dropped, the box takes the
    // colour chosen in Combo2.
    void colour_OLEDragDrop(forms::TextBox& box);
    void btnRollover_Click();
    void picthelpfile_Click();
    void OKButton_Click();

    // Shared with the rollover dialog, which stops on the same page.
    static constexpr char16_t headMissing[] =
        u"Head tag missing. Tolva will not proceed. Add </HEAD> tag and perform this task again.";

private:
    // A file dialog opened on a pattern; the chosen path, or the pattern when cancelled.
    forms::String browse(forms::StringView title, forms::StringView pattern);
};

// The main window's opener (`mnupageproperties`): selects the page's BODY start tag, or
// puts the caret after the HEAD end, then shows the dialog.
void mnupageproperties_Click(Page& w);
