// The page-properties window `pageprops`. Its fields and the BODY tag it builds arrive
// with the page-properties dialog; the main window already shows and raises it.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

class Program;

class PageProps : public forms::Form {
public:
    explicit PageProps(Program& program);
    Program& program;

    // "True" until the first OK; New sets it back.
    forms::TextBox firsttime{*this, "firsttime"};
    // The style block of the rollover dialog.
    forms::TextBox rolypoly{*this, "rolypoly"};
};
