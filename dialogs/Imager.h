// The image dialog `imager`: one IMG tag from a source, optional dimensions in pixels or
// percent, border, alignment, alternate text and spacing. Stays open for further tags.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Page;

class Imager : public forms::Form {
public:
    explicit Imager(Page& page);
    Page& page;

    forms::Label lblimageurl{*this, "lblimageurl"};
    forms::TextBox imageurl{*this, "imageurl"};
    forms::Button Command1{*this, "Command1"};
    forms::CommonDialog CommonDialog1{*this};
    forms::CheckBox dimen{*this, "dimen"};
    forms::CheckBox diminper{*this, "diminper"};
    forms::Label lblheight{*this, "lblheight"};
    forms::TextBox txtheight{*this, "txtheight"};
    forms::Label lblwidth{*this, "lblwidth"};
    forms::TextBox txtwidth{*this, "txtwidth"};
    forms::Label lblborder{*this, "lblborder"};
    forms::TextBox txtborder{*this, "txtborder"};
    forms::UpDown UpDown1{*this, "UpDown1"};
    forms::Label lblalignment{*this, "lblalignment"};
    forms::ComboBox txtalignment{*this, "txtalignment"};
    forms::Label lblalternate{*this, "lblalternate"};
    forms::TextBox txtalternate{*this, "txtalternate"};
    forms::Label lblhorispace{*this, "lblhorispace"};
    forms::TextBox horispace{*this, "horispace"};
    forms::UpDown UpDown3{*this, "UpDown3"};
    forms::Label lblverspace{*this, "lblverspace"};
    forms::TextBox verspace{*this, "verspace"};
    forms::UpDown UpDown2{*this, "UpDown2"};
    forms::Button OKButton{*this, "OKButton"};
    forms::Button CancelButton{*this, "CancelButton"};

    // Pieces of the tag, each refreshed only by its own field's handler.
    forms::String unitSuffix;
    forms::String hspaceAttribute;
    forms::String vspaceAttribute;

    void Command1_Click();
    void dimen_Click();
    void diminper_Click();
    void txtheight_Change();
    void txtwidth_Change();
    void horispace_Change();
    void verspace_Change();
    void OKButton_Click();
    void CancelButton_Click();

private:
    void dimension_Change(forms::TextBox& box, forms::StringView resetValue);
    void spacing_Change(forms::TextBox& box, forms::String& attribute, forms::StringView name);
};

// Opener of the main window.
void Images_Click(Page& w);
