// Shared parts of the element dialogs' views.
#include "qt/views/ElementDialogView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolva::qt {

ElementDialogView::ElementDialogView(forms::Form& form) : FormView(form) {
    setWindowFlag(Qt::Dialog);
}

QLineEdit* ElementDialogView::field(forms::Label& label, forms::TextBox& box, QGridLayout* grid,
                                    int row, int column) {
    auto* l = new QLabel(this);
    binder().label(label, l);
    auto* edit = new QLineEdit(this);
    binder().lineEdit(box, edit);
    labelled(l, edit);
    grid->addWidget(l, row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

void ElementDialogView::labelled(QLabel* label, QWidget* widget) {
    label->setBuddy(widget);
    widget->setAccessibleName(label->text());
}

QWidget* ElementDialogView::arrows(forms::UpDown& spin, QLineEdit* box) {
    auto* pair = new QWidget(this);
    auto* lay = new QVBoxLayout(pair);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    auto* up = new QToolButton(pair);
    auto* down = new QToolButton(pair);
    binder().upDown(spin, up, down);
    QString name = box->accessibleName();
    if (name.isEmpty()) name = QString::fromStdString(spin.name());
    int h = box->sizeHint().height() / 2;
    for (auto [button, arrow, word] :
         {std::tuple{up, Qt::UpArrow, "up"}, std::tuple{down, Qt::DownArrow, "down"}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        // The box keeps the keyboard: its Up and Down keys step it.
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(h + 6, h);
        button->setAccessibleName(name + ' ' + QLatin1String(word));
        lay->addWidget(button);
    }
    box->installEventFilter(this);
    stepped_[box] = &spin;
    return pair;
}

QWidget* ElementDialogView::numberWithArrows(QLineEdit* box, forms::UpDown& spin) {
    auto* cell = new QWidget(this);
    auto* lay = new QHBoxLayout(cell);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(1);
    box->setParent(cell);
    box->setFixedWidth(64);
    lay->addWidget(box);
    lay->addWidget(arrows(spin, box));
    lay->addStretch(1);
    return cell;
}

QPushButton* ElementDialogView::pushButton(forms::Button& button) {
    auto* w = new QPushButton(this);
    binder().button(button, w);
    // Enter on a focused button presses that button, as in any dialog.
    w->setAutoDefault(true);
    return w;
}

void ElementDialogView::setButtons(QPushButton* accept, QPushButton* cancel) {
    accept_ = accept;
    cancel_ = cancel;
    accept->setDefault(true);
}

bool ElementDialogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto it = stepped_.find(watched);
        int key = static_cast<QKeyEvent*>(event)->key();
        if (it != stepped_.end() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            forms::UpDown* spin = it->second;
            binder().invoke([spin, key] { key == Qt::Key_Up ? spin->up() : spin->down(); });
            return true;
        }
    }
    return FormView::eventFilter(watched, event);
}

void ElementDialogView::keyPressEvent(QKeyEvent* e) {
    QPushButton* target = nullptr;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        target = accept_;
    else if (e->key() == Qt::Key_Escape)
        target = cancel_;
    if (target && target->isEnabled() && target->isVisible()) {
        target->click();
        return;
    }
    FormView::keyPressEvent(e);
}

} // namespace tolva::qt
