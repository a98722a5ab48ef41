// View of the list dialog: the type list, the count with its arrows, and the button.
#include "dialogs/BulNumCreater.h"
#include "qt/FormView.h"
#include "qt/views/DialogParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class BulNumCreaterView : public FormView {
public:
    explicit BulNumCreaterView(BulNumCreater& d) : FormView(d) {
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        root->setSizeConstraint(QLayout::SetFixedSize);
        auto* grid = new QGridLayout;
        auto* type = new QListWidget(this);
        b.list(d.type, type);
        // Five types at most, all in view.
        type->setFixedHeight(type->fontMetrics().height() * 5 + 4 * type->frameWidth() + 10);
        grid->addWidget(fieldLabel(b, d.Label1, type, this), 0, 0, Qt::AlignTop);
        grid->addWidget(type, 0, 1);
        NumberBox count = numberBox(b, d.txtbulnumcreater, d.bulnumcreaterUpDown, this);
        // The form gives the box no label; this one says what it counts, and a screen reader
        // announces the box by the longer name.
        auto* countLabel = new QLabel(QStringLiteral("&Items:"), this);
        countLabel->setBuddy(count.box);
        count.box->setAccessibleName(QStringLiteral("Number of items"));
        nameArrows(count, QStringLiteral("Number of items"));
        grid->addWidget(countLabel, 1, 0);
        grid->addWidget(count.widget, 1, 1);
        root->addLayout(grid);
        auto* build = new QPushButton(this);
        b.button(d.btnbulnumcreater, build);
        root->addWidget(build);
        dialogKeys(this, build, nullptr);
        setMinimumWidth(240);
    }
};

} // namespace

template <> FormView* makeView(BulNumCreater& w, Program&) {
    return new BulNumCreaterView(w);
}

} // namespace tolva::qt
