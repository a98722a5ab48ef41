// The table creator `tablecreater`: a whole table skeleton, or only further rows of one,
// written into the main window's buffer; and its two openers.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

#include <cstdint>

class Page;

class TableCreater : public forms::Form {
public:
    explicit TableCreater(Page& page);
    Page& page;

    forms::Frame Frame1{*this, "Frame1"}; // "Rows And Columns"
    forms::Label Label1{*this, "Label1"};
    forms::TextBox i{*this, "i"};
    forms::UpDown rowUpDown{*this, "rowUpDown"};
    forms::Label Label2{*this, "Label2"};
    forms::TextBox j{*this, "j"};
    forms::UpDown colUpDown{*this, "colUpDown"};
    forms::Button btnCreateTbl{*this, "btnCreateTbl"};
    forms::Frame Frame2{*this, "Frame2"}; // "Others"
    forms::Label Label3{*this, "Label3"};
    forms::TextBox txtcaption{*this, "txtcaption"};
    forms::Label Label4{*this, "Label4"};
    forms::TextBox txtborder{*this, "txtborder"};
    forms::UpDown borderUpDown{*this, "borderUpDown"};
    forms::Label Label5{*this, "Label5"};
    forms::TextBox txtcelpad{*this, "txtcelpad"};
    forms::UpDown celpadUpDown{*this, "celpadUpDown"};
    forms::Label Label6{*this, "Label6"};
    forms::TextBox txtcelspac{*this, "txtcelspac"};
    forms::UpDown celspacUpDown{*this, "celspacUpDown"};

    // True for a whole table; the row opener clears it.
    bool fullTable = true;

    void Form_Load();
    void btnCreateTbl_Click();
    void createrower();
    // Cuts the dialog down to the rows box, the columns box and the button.
    void rowsOnly();

    // Window heights in twips of the two layouts.
    static constexpr int fullHeight = 5115;
    static constexpr int rowsHeight = 2700;

private:
    int32_t rowCounter_ = 0;
    int32_t colCounter_ = 0;
    forms::String fragment_;
};

// The main window's openers (`Table`/`tableb` and `Row`/`rowa`).
void Table_Click(Page& w);
void Row_Click(Page& w);
