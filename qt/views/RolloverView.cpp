// View of the rollover dialog: font and colour, style and size lists, the nine effect
// boxes, OK and Cancel, and the status line.
#include "dialogs/Rollover.h"
#include "qt/FormView.h"
#include "qt/views/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class RolloverView : public FormView {
public:
    explicit RolloverView(Rollover& r) : FormView(r) {
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        root->setSizeConstraint(QLayout::SetFixedSize);

        auto* fontRow = new QHBoxLayout;
        auto* font = new QComboBox(this);
        b.combo(r.Combo1, font);
        font->setMinimumWidth(220);
        QLabel* fontLabel = fieldLabel(b, r.Label1, font, this);
        auto* colour = new QComboBox(this);
        b.combo(r.Combo2, colour);
        colour->setAccessibleName(QStringLiteral("Font colour"));
        for (QComboBox* c : {font, colour})
            if (c->lineEdit()) c->lineEdit()->setAccessibleName(c->accessibleName());
        fontRow->addWidget(font, 1);
        fontRow->addWidget(colour);
        root->addWidget(fontLabel);
        root->addLayout(fontRow);

        auto* lists = new QGridLayout;
        auto* style = new QListWidget(this);
        b.list(r.List1, style);
        auto* size = new QListWidget(this);
        b.list(r.List2, size);
        lists->addWidget(fieldLabel(b, r.Label2, style, this), 0, 0);
        lists->addWidget(fieldLabel(b, r.Label3, size, this), 0, 1);
        lists->addWidget(style, 1, 0);
        lists->addWidget(size, 1, 1);
        // All five styles in view; the sizes scroll beside them at the same height.
        const int rows = style->sizeHintForRow(0) * 5 + 2 * style->frameWidth() + 2;
        style->setFixedHeight(rows);
        size->setFixedHeight(rows);
        root->addLayout(lists);

        auto* effects = new QGridLayout;
        forms::CheckBox* boxes[] = {&r.nodecor, &r.Underline, &r.Overline,   &r.Blink,    &r.Strike,
                                    &r.Hidden,  &r.Allcaps,   &r.Capitalize, &r.Smallcaps};
        int k = 0;
        for (forms::CheckBox* c : boxes) {
            auto* box = new QCheckBox(this);
            b.check(*c, box);
            effects->addWidget(box, k / 3, k % 3);
            ++k;
        }
        root->addLayout(effects);

        QHBoxLayout* buttons = okCancel(b, r.OKButton, r.CancelButton, this);
        root->addLayout(buttons);

        root->addWidget(b.statusLine(r.StatusBar1, this));

        setMinimumWidth(400);
    }
};

} // namespace

template <> FormView* makeView(Rollover& w, Program&) {
    return new RolloverView(w);
}

} // namespace tolva::qt
