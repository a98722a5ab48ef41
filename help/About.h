// The about window `frmAbout`.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

class Page;

class About : public forms::Form {
public:
    explicit About(Page& page);
    Page& page;

    forms::Label lblTitle{*this, "lblTitle"};
    forms::Label lblVersion{*this, "lblVersion"};
    forms::Label lblDescription{*this, "lblDescription"};
    forms::Label lblDisclaimer{*this, "lblDisclaimer"};
    forms::Button cmdOK{*this, "cmdOK"};
    forms::Button picthelp{*this, "picthelp"};

    void Form_Load();
    void cmdOK_Click();
    void picthelp_Click();
};
