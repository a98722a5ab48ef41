// View of the object dialog: source and browse, switches, sizes and volume, the fallback
// text, and the status bar that serves as its help line.
#include "dialogs/Objecter.h"
#include "qt/FormView.h"
#include "qt/views/DialogParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class ObjecterView : public FormView {
public:
    explicit ObjecterView(Objecter& d) : FormView(d) {
        setWindowFlag(Qt::Dialog);
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        root->setSizeConstraint(QLayout::SetFixedSize);
        root->setContentsMargins(9, 9, 9, 0);

        auto* grid = new QGridLayout;
        auto [source, browse] = fieldWithButton(b, d.lblsrc, d.src, d.brw, grid, 0, 5, this);
        browse->setAccessibleName(QStringLiteral("Browse"));

        auto* switches = new QHBoxLayout;
        for (forms::CheckBox* c : {&d.controller, &d.Autostart, &d.Loopa}) {
            auto* w = new QCheckBox(this);
            b.check(*c, w);
            switches->addWidget(w);
        }
        switches->addStretch(1);
        grid->addLayout(switches, 1, 1, 1, 5);

        int column = 0;
        for (auto [label, box] :
             {std::pair{&d.lblwidther, &d.Widther}, std::pair{&d.lblheighter, &d.Heighter},
              std::pair{&d.lblvolume, &d.Volume}}) {
            field(b, *label, *box, grid, 2, column, this)->setFixedWidth(64);
            column += 2;
        }
        grid->setColumnStretch(5, 1);
        root->addLayout(grid);

        auto* fallbackLabel = new QLabel(this);
        b.label(d.lblnoembed, fallbackLabel);
        auto* fallback = new QLineEdit(this);
        b.lineEdit(d.NoEmbed, fallback);
        nameByLabel(fallbackLabel, fallback);
        root->addWidget(fallbackLabel);
        root->addWidget(fallback);

        QHBoxLayout* buttons = okCancel(b, d.OKButton, d.CancelButton, this);
        root->addLayout(buttons);

        root->addWidget(b.statusLine(d.StatusBar1, this));

        source->setFocus();
    }
};

} // namespace

template <> FormView* makeView(Objecter& w, Program&) {
    return new ObjecterView(w);
}

} // namespace tolva::qt
