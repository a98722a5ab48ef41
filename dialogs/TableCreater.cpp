// Table creator: rows, columns, caption, border, padding and spacing of a new table.
#include "dialogs/TableCreater.h"

#include "dialogs/Counts.h"
#include "dialogs/NumericBox.h"
#include "page/Page.h"

#include <algorithm>

using forms::CRLF;
using forms::String;

TableCreater::TableCreater(Page& p) : forms::Form(p.runtime(), "tablecreater"), page(p) {
    setCaption(u"Create Table: Tolva");
    setHeight(fullHeight);
    Frame1.setCaption(u"Rows And Columns");
    Label1.setCaption(u"Rows");
    Label2.setCaption(u"Columns");
    Frame2.setCaption(u"Others");
    Label3.setCaption(u"Caption for the table");
    Label4.setCaption(u"Border");
    Label5.setCaption(u"Cellpadding");
    Label6.setCaption(u"Cell Spacing");
    btnCreateTbl.setCaption(u"Create Table");

    i.setText(u"2");
    j.setText(u"2");
    txtborder.setText(u"1");
    txtcelpad.setText(u"0");
    txtcelspac.setText(u"0");

    i.setToolTip(u"Enter the number of rows.");
    j.setToolTip(u"Enter the number of columns");
    btnCreateTbl.setToolTip(u"Create Table with the conditions you have you have set.");
    txtcaption.setToolTip(u"Enter the caption for the table");
    txtborder.setToolTip(u"Enter the border for the table. 0 stands for no border");
    txtcelpad.setToolTip(u"Cellpadding is the distance between cell walls and its contents.");
    txtcelspac.setToolTip(u"Cellspacing is the distance between adjacent cells.");

    numeric::bind(i, u"2", &rowUpDown, 1);
    numeric::bind(j, u"2", &colUpDown, 1);
    numeric::bind(txtborder, u"1", &borderUpDown, 0);
    numeric::bind(txtcelpad, u"0", &celpadUpDown, 0);
    numeric::bind(txtcelspac, u"0", &celspacUpDown, 0);

    Load = [this] { Form_Load(); };
    btnCreateTbl.Click = [this] { btnCreateTbl_Click(); };
}

void TableCreater::Form_Load() {
    rowCounter_ = 0;
}

void TableCreater::btnCreateTbl_Click() {
    createrower();
}

void TableCreater::rowsOnly() {
    setHeight(rowsHeight);
    Frame2.setVisible(false);
}

void TableCreater::createrower() {
    fragment_.clear();
    // Counts are checked before anything moves, so a refused count leaves the buffer, its
    // focus and this dialog as they were.
    auto rowsValue = counts::read(i, u"2");
    if (!rowsValue) return;
    auto colsValue = counts::read(j, u"2");
    if (!colsValue) return;
    // A row without cells still costs two lines: it counts as one cell against the limit.
    if (*rowsValue * std::max(*colsValue, 1.0) > counts::kLimit) {
        counts::refuse(*rowsValue >= *colsValue ? i : j, u"2");
        return;
    }
    const int32_t rows = counts::loops(*rowsValue);
    const int32_t cols = counts::loops(*colsValue);

    forms::TextBox& buffer = page.Text1;
    if (fullTable) {
        buffer.setFocus();
        fragment_ = u"<TABLE BORDER=\"" + txtborder.text() + u"\" CELLPADDING=\"" +
                    txtcelpad.text() + u"\" CELLSPACING=\"" + txtcelspac.text() + u"\" >  " +
                    String(CRLF) + u"<CAPTION>" + txtcaption.text() + u"</CAPTION>" + String(CRLF);
    }
    while (rows > rowCounter_) {
        fragment_ += u"<TR>";
        fragment_ += CRLF;
        colCounter_ = 0;
        while (cols > colCounter_) {
            fragment_ += u" <TD> row " + forms::number(rowCounter_ + 1) + u" col " +
                         forms::number(colCounter_ + 1) + u" </TD> ";
            fragment_ += CRLF;
            ++colCounter_;
        }
        fragment_ += u"</TR>";
        fragment_ += CRLF;
        ++rowCounter_;
    }
    // No rows is nothing to insert: the selection is the user's, not to be replaced by it.
    if (!fragment_.empty()) buffer.setSelText(fragment_);
    if (fullTable) buffer.setSelText(u"</TABLE>\r\n");
    unload();
}

void Table_Click(Page& w) {
    w.window<TableCreater>().show();
}

void Row_Click(Page& w) {
    TableCreater& t = w.window<TableCreater>();
    t.i.setText(u"1");
    t.setCaption(u"Insert Row");
    t.fullTable = false;
    t.btnCreateTbl.setCaption(u"Insert Row");
    t.rowsOnly();
    t.show();
}
