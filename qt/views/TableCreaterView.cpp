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
        numberRow(rowsGrid, 0, t.Label1, t.i, t.rowUpDown, rows);
        numberRow(rowsGrid, 1, t.Label2, t.j, t.colUpDown, rows);
        root->addWidget(rows);

        auto* create = new QPushButton(this);
        b.button(t.btnCreateTbl, create);
        root->addWidget(create);

        auto* others = new QGroupBox(this);
        b.frame(t.Frame2, others);
        auto* othersGrid = new QGridLayout(others);
        auto* caption = new QLineEdit(others);
        b.lineEdit(t.txtcaption, caption);
        othersGrid->addWidget(fieldLabel(b, t.Label3, caption, others), 0, 0);
        othersGrid->addWidget(caption, 0, 1);
        numberRow(othersGrid, 1, t.Label4, t.txtborder, t.borderUpDown, others);
        numberRow(othersGrid, 2, t.Label5, t.txtcelpad, t.celpadUpDown, others);
        numberRow(othersGrid, 3, t.Label6, t.txtcelspac, t.celspacUpDown, others);
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

private:
    void numberRow(QGridLayout* grid, int row, forms::Label& label, forms::TextBox& box,
                   forms::UpDown& upDown, QWidget* parent) {
        NumberBox n = numberBox(binder(), box, upDown, parent);
        QLabel* l = fieldLabel(binder(), label, n.box, parent);
        nameArrows(n, l->text());
        grid->addWidget(l, row, 0);
        grid->addWidget(n.widget, row, 1);
    }
};

ViewRegistration registration("tablecreater", [](forms::Form& f, Program&) -> FormView* {
    return new TableCreaterView(static_cast<TableCreater&>(f));
});

} // namespace

} // namespace tolva::qt
