// View of the table creator: the rows and columns frame, the button, then the others frame,
// which the rows-only layout hides.
#include "dialogs/TableCreater.h"
#include "qt/FormView.h"
#include "qt/views/DialogParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tolva::qt {

namespace {

class TableCreaterView : public FormView {
public:
    explicit TableCreaterView(TableCreater& t) : FormView(t) {
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        // The window follows its contents: the rows-only layout is the same window with the
        // others frame gone.
        root->setSizeConstraint(QLayout::SetFixedSize);

        auto* rows = new QGroupBox(this);
        b.frame(t.Frame1, rows);
        auto* rowsGrid = new QGridLayout(rows);
        numberField(b, t.Label1, t.i, t.rowUpDown, rowsGrid, 0, 0, rows);
        numberField(b, t.Label2, t.j, t.colUpDown, rowsGrid, 1, 0, rows);
        root->addWidget(rows);

        auto* create = new QPushButton(this);
        b.button(t.btnCreateTbl, create);
        root->addWidget(create);

        auto* others = new QGroupBox(this);
        b.frame(t.Frame2, others);
        auto* othersGrid = new QGridLayout(others);
        field(b, t.Label3, t.txtcaption, othersGrid, 0, 0, others);
        numberField(b, t.Label4, t.txtborder, t.borderUpDown, othersGrid, 1, 0, others);
        numberField(b, t.Label5, t.txtcelpad, t.celpadUpDown, othersGrid, 2, 0, others);
        numberField(b, t.Label6, t.txtcelspac, t.celspacUpDown, othersGrid, 3, 0, others);
        root->addWidget(others);

        // The boxes of both frames line up in one column.
        int labelWidth = 0;
        for (QGridLayout* grid : {rowsGrid, othersGrid})
            for (int r = 0; r < grid->rowCount(); ++r)
                labelWidth = std::max(labelWidth, grid->itemAtPosition(r, 0)->sizeHint().width());
        rowsGrid->setColumnMinimumWidth(0, labelWidth);
        othersGrid->setColumnMinimumWidth(0, labelWidth);

        dialogKeys(this, create, nullptr);
        setMinimumWidth(300);
    }
};

} // namespace

template <> FormView* makeView(TableCreater& w, Program&) {
    return new TableCreaterView(w);
}

} // namespace tolva::qt
