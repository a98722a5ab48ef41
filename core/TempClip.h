// The master temporary clipboard window `tempclip`: the snippets of the main window's
// list, a preview that can be edited, and removal and clearing.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Page;

class TempClip : public forms::Form {
public:
    explicit TempClip(Page& page);
    Page& page;

    forms::ListBox tmpcmb{*this, "tmpcmb"};
    forms::TextBox fullclip{*this, "fullclip"};
    forms::Button OKButton{*this, "OKButton"};
    forms::Button CancelButton{*this, "CancelButton"};
    forms::Button remselected{*this, "remselected"};
    forms::Button cleartmp{*this, "cleartmp"};
    forms::StatusBar StatusBar1{*this, "StatusBar1"};

    void Form_Load();
    void tmpcmb_Click();
    // Text dragged from the preview box onto the list.
    void tmpcmb_OLEDragDrop();
    void OKButton_Click();
    void CancelButton_Click();
    void remselected_Click();
    void cleartmp_Click();
};
