// The font dialog `Fonty`: edits a copy of the selection with the toggles and one combined
// font tag of the attributes the user changed, and hands the text back on OK.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Page;

class Fonty : public forms::Form {
public:
    explicit Fonty(Page& page);
    Page& page;

    forms::TextBox Text1{*this, "Text1"};
    forms::Button bold{*this, "bold"}, italic{*this, "italic"}, underline{*this, "underline"};
    forms::ComboBox Combo2{*this, "Combo2"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::TextBox Text3{*this, "Text3"};
    forms::ComboBox Combo1{*this, "Combo1"};
    forms::TextBox Text4{*this, "Text4"};
    forms::TextBox txtfontsize{*this, "txtfontsize"};
    forms::UpDown fontsizeUpDown{*this, "fontsizeUpDown"};
    forms::Button Command1{*this, "Command1"};
    forms::Button SmartSelect{*this, "SmartSelect"};
    forms::Button OKButton{*this, "OKButton"};
    forms::Button CancelButton{*this, "CancelButton"};
    forms::Label Label2{*this, "Label2"};

    // Each "" or one attribute with a leading blank, such as " size=\"5\"".
    forms::String sizeAttr, colourAttr, faceAttr;

    void Form_Load();
    void txtfontsize_Change();
    void Combo2_Change();
    void Text3_Change();
    void Check1_Click();
    void Combo1_Change();
    void Command1_MouseMove();
    void Command1_Click();
    void SmartSelect_Click();
    void OKButton_Click();
    void CancelButton_Click();
};

namespace fonts {
// Shift+F1: the selection into the dialog's working text, all of it selected.
void openFontDialog(Page& w);
} // namespace fonts
