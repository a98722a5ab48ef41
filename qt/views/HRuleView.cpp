// View of the horizontal rule dialog: alignment, the size frame, colour, no shade, and the
// OK and Cancel buttons.
#include "dialogs/HRule.h"
#include "qt/FormView.h"
#include "qt/views/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tolva::qt {

namespace {

class HRuleView : public FormView {
public:
    explicit HRuleView(HRule& h) : FormView(h) {
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        root->setSizeConstraint(QLayout::SetFixedSize);

        auto* top = new QGridLayout;
        auto* align = new QListWidget(this);
        b.list(h.Align, align);
        // Three items, all in view.
        align->setFixedHeight(align->sizeHintForRow(0) * 3 + 2 * align->frameWidth() + 2);
        top->addWidget(fieldLabel(b, h.Label1, align, this), 0, 0, Qt::AlignTop);
        top->addWidget(align, 0, 1);
        root->addLayout(top);

        auto* sizes = new QGroupBox(this);
        b.frame(h.Frame1, sizes);
        auto* grid = new QGridLayout(sizes);
        auto* width = new QLineEdit(sizes);
        b.lineEdit(h.Widther, width);
        grid->addWidget(fieldLabel(b, h.Label2, width, sizes), 0, 0);
        grid->addWidget(width, 0, 1);
        auto* percent = new QCheckBox(sizes);
        b.check(h.Check2, percent);
        grid->addWidget(percent, 0, 2);
        NumberBox height = numberBox(b, h.size, h.UpDown2, sizes);
        QLabel* heightLabel = fieldLabel(b, h.Label3, height.box, sizes);
        nameArrows(height, heightLabel->text());
        grid->addWidget(heightLabel, 1, 0);
        grid->addWidget(height.widget, 1, 1);
        auto* pixels = new QLabel(sizes);
        b.label(h.Label4, pixels);
        grid->addWidget(pixels, 1, 2);
        root->addWidget(sizes);

        auto* colourRow = new QGridLayout;
        auto* colour = new QComboBox(this);
        b.combo(h.Combo2, colour);
        // A typed colour is typed, not chosen: Qt picks the list item of the same name when
        // the box loses the focus and reports that as a choice, which would change the tag.
        QObject::disconnect(colour->lineEdit(), SIGNAL(editingFinished()), colour,
                            SLOT(_q_editingFinished()));
        colourRow->addWidget(fieldLabel(b, h.Label5, colour, this), 0, 0);
        colour->lineEdit()->setAccessibleName(colour->accessibleName());
        colourRow->addWidget(colour, 0, 1);
        colourRow->setColumnStretch(1, 1);
        root->addLayout(colourRow);
        // The fields outside the size frame line up with the fields inside it.
        int labelWidth = 0;
        for (QLayoutItem* l : {top->itemAtPosition(0, 0), grid->itemAtPosition(0, 0),
                               grid->itemAtPosition(1, 0), colourRow->itemAtPosition(0, 0)})
            labelWidth = std::max(labelWidth, l->sizeHint().width());
        const int inset = sizes->contentsMargins().left() + grid->contentsMargins().left();
        grid->setColumnMinimumWidth(0, labelWidth);
        top->setColumnMinimumWidth(0, labelWidth + inset);
        colourRow->setColumnMinimumWidth(0, labelWidth + inset);

        auto* noshade = new QCheckBox(this);
        b.check(h.Check1, noshade);
        root->addWidget(noshade);

        QHBoxLayout* buttons = okCancel(b, h.OKButton, h.CancelButton, this);
        root->addLayout(buttons);

        setMinimumWidth(340);
    }
};

} // namespace

template <> FormView* makeView(HRule& w, Program&) {
    return new HRuleView(w);
}

} // namespace tolva::qt
