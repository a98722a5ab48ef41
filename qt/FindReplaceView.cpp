// Find and replace view and its binding.
#include "qt/FindReplaceView.h"

#include "tools/FindReplace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tolva::qt {

namespace {

QComboBox* historyCombo(QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    c->setMinimumWidth(240);
    return c;
}
} // namespace

FindReplaceView::FindReplaceView(FindReplace& f) : FormView(f), window_(f) {
    Binder& b = binder();
    auto* root = new QVBoxLayout(this);
    // The window is as tall as the form it shows: the expanded form grows it.
    root->setSizeConstraint(QLayout::SetFixedSize);

    auto* findRow = new QHBoxLayout;
    auto* findLabel = new QLabel(this);
    b.label(f.Label1, findLabel);
    findRow->addWidget(findLabel);
    auto* find = historyCombo(this);
    b.combo(f.txtfind, find);
    findLabel->setBuddy(find);
    searchField_ = find->lineEdit();
    searchField_->installEventFilter(this);
    findRow->addWidget(find);
    auto* findNext = new QPushButton(this);
    b.button(f.btnfind, findNext);
    findRow->addWidget(findNext);
    root->addLayout(findRow);

    auto* options = new QHBoxLayout;
    auto* matchCase = new QCheckBox(this);
    b.check(f.casematch, matchCase);
    options->addWidget(matchCase);
    // One choice of two: neither can be cleared but by choosing the other.
    auto* direction = new QButtonGroup(this);
    for (forms::OptionButton* o : {&f.down, &f.up}) {
        auto* radio = new QRadioButton(this);
        b.option(*o, radio);
        direction->addButton(radio);
        options->addWidget(radio);
    }
    options->addStretch(1);
    replaceLink_ = new QLabel(this);
    b.label(f.lblreplink, replaceLink_);
    replaceLink_->setCursor(Qt::PointingHandCursor);
    QFont underlined = replaceLink_->font();
    underlined.setUnderline(true);
    replaceLink_->setFont(underlined);
    replaceLink_->installEventFilter(this);
    options->addWidget(replaceLink_);
    root->addLayout(options);

    auto* frame = new QGroupBox(this);
    b.frame(f.FrameRep, frame);
    auto* grid = new QGridLayout(frame);
    auto* replaceLabel = new QLabel(frame);
    b.label(f.Label2, replaceLabel);
    grid->addWidget(replaceLabel, 0, 0);
    auto* replace = historyCombo(frame);
    b.combo(f.txtReplace, replace);
    replaceLabel->setBuddy(replace);
    grid->addWidget(replace, 0, 1);
    auto* buttons = new QHBoxLayout;
    for (forms::Button* button : {&f.btnReplace, &f.btnReplaceAll}) {
        auto* w = new QPushButton(frame);
        b.button(*button, w);
        buttons->addWidget(w);
    }
    grid->addLayout(buttons, 1, 1, Qt::AlignRight);
    root->addWidget(frame);

    // The two boxes start at one edge and are as wide as each other: the find row is indented
    // as far as the frame indents its own row.
    const int labelWidth =
        std::max(findLabel->sizeHint().width(), replaceLabel->sizeHint().width());
    for (QLabel* label : {findLabel, replaceLabel})
        label->setFixedWidth(labelWidth);
    for (QComboBox* box : {find, replace})
        box->setFixedWidth(box->minimumWidth());
    // The frame's room to spare goes to the box's column, the box keeping to its left.
    grid->setColumnStretch(1, 1);
    grid->setAlignment(replace, Qt::AlignLeft | Qt::AlignVCenter);
    findRow->insertStretch(2, 1);
    findRow->setContentsMargins(frame->contentsMargins().left() + grid->contentsMargins().left(), 0,
                                0, 0);

    find->setFocus();
}

bool FindReplaceView::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the search field reaches the model as a typed character, and only there:
    // the combo box would otherwise pass it on.
    if (watched == searchField_ && event->type() == QEvent::KeyPress) {
        int k = static_cast<QKeyEvent*>(event)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            binder().invoke([this] { window_.txtfind.type(u'\r'); });
            return true;
        }
    }
    if (watched == replaceLink_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        binder().invoke([this] { window_.lblreplink_Click(); });
        return true;
    }
    return FormView::eventFilter(watched, event);
}

template <> FormView* makeView(FindReplace& w, Program&) {
    return new FindReplaceView(w);
}

} // namespace tolva::qt
