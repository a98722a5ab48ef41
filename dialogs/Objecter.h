// The object dialog `objecter`: an EMBED element for a media file with a NOEMBED fallback.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Page;

class Objecter : public forms::Form {
public:
    explicit Objecter(Page& page);
    Page& page;

    forms::Label lblsrc{*this, "lblsrc"};
    forms::TextBox src{*this, "src"};
    forms::Button brw{*this, "brw"};
    forms::CommonDialog CommonDialog1{*this};
    forms::CheckBox controller{*this, "controller"};
    forms::CheckBox Autostart{*this, "Autostart"};
    forms::CheckBox Loopa{*this, "Loopa"};
    forms::Label lblwidther{*this, "lblwidther"};
    forms::TextBox Widther{*this, "Widther"};
    forms::Label lblheighter{*this, "lblheighter"};
    forms::TextBox Heighter{*this, "Heighter"};
    forms::Label lblvolume{*this, "lblvolume"};
    forms::TextBox Volume{*this, "Volume"};
    forms::Label lblnoembed{*this, "lblnoembed"};
    forms::TextBox NoEmbed{*this, "NoEmbed"};
    forms::Button OKButton{*this, "OKButton"};
    forms::Button CancelButton{*this, "CancelButton"};
    forms::StatusBar StatusBar1{*this, "StatusBar1"};

    // "TRUE" or "FALSE", refreshed by a click on its check box.
    forms::String controllerValue;
    forms::String autostartValue;
    forms::String loopValue;

    void Form_Load();
    void controller_Click();
    void Autostart_Click();
    void Loopa_Click();
    void brw_Click();
    void NoEmbed_LostFocus();
    void OKButton_Click();
    void CancelButton_Click();
};

// Opener of the main window.
void object_Click(Page& w);
