// View of the image dialog: source and browse, dimensions, border and alignment, alternate
// text and spacing.
#include "dialogs/Imager.h"
#include "qt/views/ElementDialogView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class ImagerView : public ElementDialogView {
public:
    explicit ImagerView(Imager& d) : ElementDialogView(d) {
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        root->setSizeConstraint(QLayout::SetFixedSize);
        auto* grid = new QGridLayout;
        grid->setColumnMinimumWidth(3, 110);

        QLineEdit* source = field(d.lblimageurl, d.imageurl, grid, 0);
        grid->removeWidget(source);
        auto* sourceRow = new QHBoxLayout;
        sourceRow->addWidget(source, 1);
        QPushButton* browse = pushButton(d.Command1);
        browse->setAccessibleName(toQt(d.Command1.toolTip()));
        sourceRow->addWidget(browse);
        grid->addLayout(sourceRow, 0, 1, 1, 3);

        auto* sized = new QCheckBox(this);
        b.check(d.dimen, sized);
        grid->addWidget(sized, 1, 0, 1, 2);
        auto* percent = new QCheckBox(this);
        b.check(d.diminper, percent);
        grid->addWidget(percent, 1, 2, 1, 2);

        QLineEdit* height = field(d.lblheight, d.txtheight, grid, 2, 0);
        height->setFixedWidth(64);
        QLineEdit* width = field(d.lblwidth, d.txtwidth, grid, 2, 2);
        width->setFixedWidth(64);

        number(d.lblborder, d.txtborder, d.UpDown1, grid, 3, 0);
        auto* alignLabel = new QLabel(this);
        b.label(d.lblalignment, alignLabel);
        auto* align = new QComboBox(this);
        b.combo(d.txtalignment, align);
        labelled(alignLabel, align);
        grid->addWidget(alignLabel, 3, 2);
        grid->addWidget(align, 3, 3);

        QLineEdit* alternate = field(d.lblalternate, d.txtalternate, grid, 4);
        grid->removeWidget(alternate);
        grid->addWidget(alternate, 4, 1, 1, 3);

        number(d.lblhorispace, d.horispace, d.UpDown3, grid, 5, 0);
        number(d.lblverspace, d.verspace, d.UpDown2, grid, 5, 2);
        root->addLayout(grid);

        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        QPushButton* ok = pushButton(d.OKButton);
        QPushButton* cancel = pushButton(d.CancelButton);
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        root->addLayout(buttons);
        setButtons(ok, cancel);

        source->setFocus();
    }

private:
    void number(forms::Label& label, forms::TextBox& box, forms::UpDown& spin, QGridLayout* grid,
                int row, int column) {
        QLineEdit* edit = field(label, box, grid, row, column);
        grid->removeWidget(edit);
        grid->addWidget(numberWithArrows(edit, spin), row, column + 1);
    }
};

ViewRegistration registration("imager", [](forms::Form& f, Program&) -> FormView* {
    return new ImagerView(static_cast<Imager&>(f));
});

} // namespace

} // namespace tolva::qt
