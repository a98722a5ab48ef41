// The link dialog `linkcomplete`: an anchor to a location or a mail address around a
// display text, or only a new opening tag for an anchor already selected in the buffer.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Page;

class LinkComplete : public forms::Form {
public:
    explicit LinkComplete(Page& page);
    Page& page;

    // The window height that brings the target list into view.
    static constexpr int kTargetsHeight = 6000;

    forms::OptionButton Option1{*this, "Option1", "mode"};
    forms::OptionButton Option2{*this, "Option2", "mode"};
    forms::Label lbltodisplay{*this, "lbltodisplay"};
    forms::TextBox txttodisplay{*this, "txttodisplay"};
    forms::Label lbllinkurl{*this, "lbllinkurl"};
    forms::TextBox linkurl{*this, "linkurl"};
    forms::Label lbllinkscreentip{*this, "lbllinkscreentip"};
    forms::TextBox linkscreentip{*this, "linkscreentip"};
    forms::Button Command1{*this, "Command1"};
    forms::Label lbltargets{*this, "lbltargets"};
    forms::ListBox targets{*this, "targets"};
    forms::Label lblmailid{*this, "lblmailid"};
    forms::TextBox mailid{*this, "mailid"};
    forms::Label lblsubject{*this, "lblsubject"};
    forms::TextBox subject{*this, "subject"};
    forms::Label lblmailscreentip{*this, "lblmailscreentip"};
    forms::TextBox mailscreentip{*this, "mailscreentip"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::Label lbloptional{*this, "lbloptional"};
    forms::Button OKButton{*this, "OKButton"};
    forms::Button CancelButton{*this, "CancelButton"};

    // Pieces of the tag, each refreshed only by its own field's handler.
    forms::String targetAttribute;
    forms::String linkTitle;
    forms::String mailTitle;
    forms::String underlineStyle;
    forms::String subjectPart;

    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void mailid_Change();
    void Command1_Click();
    void targets_Click();
    void linkscreentip_Change();
    void mailscreentip_Change();
    void Check1_Click();
    void subject_Change();
    void OKButton_Click();
    void CancelButton_Click();

    // Picks the target whose caption is exactly this (none when absent), as a click does.
    void chooseTarget(forms::StringView caption);
};

// Openers of the main window: a hyperlink around the selection, and a mail link.
void linker_Click(Page& w);
void Mail_Click(Page& w);
