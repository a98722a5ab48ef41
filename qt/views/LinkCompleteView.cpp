// View of the link dialog: the two modes' fields, and the target list that the taller
// window reveals.
#include "dialogs/LinkComplete.h"
#include "qt/FormView.h"
#include "qt/views/DialogParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class LinkCompleteView : public FormView {
public:
    explicit LinkCompleteView(LinkComplete& d) : FormView(d) {
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        // As tall as what it shows: the revealed target list grows the window.
        root->setSizeConstraint(QLayout::SetFixedSize);

        auto* modes = new QHBoxLayout;
        for (forms::OptionButton* o : {&d.Option1, &d.Option2}) {
            auto* radio = new QRadioButton(this);
            b.option(*o, radio);
            modes->addWidget(radio);
        }
        modes->addStretch(1);
        root->addLayout(modes);

        // One grid, so that every label lines up, the target list's too.
        auto* grid = new QGridLayout;
        grid->setColumnMinimumWidth(1, 280);
        // Clear room between each label and its box.
        grid->setHorizontalSpacing(12);
        QLineEdit* display = field(b, d.lbltodisplay, d.txttodisplay, grid, 0, 0, this);
        field(b, d.lbllinkurl, d.linkurl, grid, 1, 0, this);
        field(b, d.lbllinkscreentip, d.linkscreentip, grid, 2, 0, this);
        auto* targets = new QPushButton(this);
        b.button(d.Command1, targets);
        grid->addWidget(targets, 3, 1, Qt::AlignLeft);
        field(b, d.lblmailid, d.mailid, grid, 4, 0, this);
        field(b, d.lblsubject, d.subject, grid, 5, 0, this);
        field(b, d.lblmailscreentip, d.mailscreentip, grid, 6, 0, this);

        auto* foot = new QHBoxLayout;
        auto* underline = new QCheckBox(this);
        b.check(d.Check1, underline);
        foot->addWidget(underline);
        foot->addStretch(1);
        auto* optional = new QLabel(this);
        b.label(d.lbloptional, optional);
        foot->addWidget(optional);
        grid->addLayout(foot, 7, 0, 1, 2);

        QHBoxLayout* buttons = okCancel(b, d.OKButton, d.CancelButton, this);
        grid->addLayout(buttons, 8, 0, 1, 2);

        // Below the part of the window that shows at first.
        auto* label = new QLabel(this);
        b.label(d.lbltargets, label);
        auto* list = new QListWidget(this);
        b.list(d.targets, list);
        list->setFixedHeight(list->sizeHintForRow(0) * d.targets.listCount() +
                             2 * list->frameWidth());
        nameByLabel(label, list);
        grid->addWidget(label, 9, 0, Qt::AlignTop);
        grid->addWidget(list, 9, 1);
        root->addLayout(grid);
        auto reveal = [&d, label, list] {
            bool shown = d.height() >= LinkComplete::kTargetsHeight;
            label->setVisible(shown);
            list->setVisible(shown);
        };
        reveal();
        binder().keep(d.listen([reveal](forms::Form::Change c) {
            if (c == forms::Form::Change::Geometry) reveal();
        }));

        display->setFocus();
    }
};

} // namespace

template <> FormView* makeView(LinkComplete& w, Program&) {
    return new LinkCompleteView(w);
}

} // namespace tolva::qt
