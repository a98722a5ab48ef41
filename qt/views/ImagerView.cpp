// View of the image dialog: source and browse, dimensions, border and alignment, alternate
// text and spacing.
#include "dialogs/Imager.h"
#include "qt/FormView.h"
#include "qt/views/DialogParts.h"

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

class ImagerView : public FormView {
public:
    explicit ImagerView(Imager& d) : FormView(d) {
        setWindowFlag(Qt::Dialog);
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        root->setSizeConstraint(QLayout::SetFixedSize);
        auto* grid = new QGridLayout;
        grid->setColumnMinimumWidth(3, 110);

        auto [source, browse] =
            fieldWithButton(b, d.lblimageurl, d.imageurl, d.Command1, grid, 0, 3, this);
        browse->setAccessibleName(toQt(d.Command1.toolTip()));

        auto* sized = new QCheckBox(this);
        b.check(d.dimen, sized);
        grid->addWidget(sized, 1, 0, 1, 2);
        auto* percent = new QCheckBox(this);
        b.check(d.diminper, percent);
        grid->addWidget(percent, 1, 2, 1, 2);

        QLineEdit* height = field(b, d.lblheight, d.txtheight, grid, 2, 0, this);
        height->setFixedWidth(64);
        QLineEdit* width = field(b, d.lblwidth, d.txtwidth, grid, 2, 2, this);
        width->setFixedWidth(64);

        numberField(b, d.lblborder, d.txtborder, d.UpDown1, grid, 3, 0, this, Qt::AlignLeft)
            .box->setFixedWidth(64);
        auto* alignLabel = new QLabel(this);
        b.label(d.lblalignment, alignLabel);
        auto* align = new QComboBox(this);
        b.combo(d.txtalignment, align);
        nameByLabel(alignLabel, align);
        grid->addWidget(alignLabel, 3, 2);
        grid->addWidget(align, 3, 3);

        QLineEdit* alternate = field(b, d.lblalternate, d.txtalternate, grid, 4, 0, this);
        grid->removeWidget(alternate);
        grid->addWidget(alternate, 4, 1, 1, 3);

        numberField(b, d.lblhorispace, d.horispace, d.UpDown3, grid, 5, 0, this, Qt::AlignLeft)
            .box->setFixedWidth(64);
        numberField(b, d.lblverspace, d.verspace, d.UpDown2, grid, 5, 2, this, Qt::AlignLeft)
            .box->setFixedWidth(64);
        root->addLayout(grid);

        // Labels stand against their boxes, so that the spacing labels' colons sit by their
        // numbers; the alternate text's label shows its words one space apart.
        grid->setHorizontalSpacing(10);
        for (QLabel* label : findChildren<QLabel*>()) {
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (label->buddy() == alternate) {
                label->setTextFormat(Qt::RichText);
                alternate->setAccessibleName(label->text().simplified());
            }
        }

        QHBoxLayout* buttons = okCancel(b, d.OKButton, d.CancelButton, this);
        root->addLayout(buttons);

        source->setFocus();
    }
};

} // namespace

template <> FormView* makeView(Imager& w, Program&) {
    return new ImagerView(w);
}

} // namespace tolva::qt
