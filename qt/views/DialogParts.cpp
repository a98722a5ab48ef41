// Shared pieces of the element dialogs' views.
#include "qt/views/DialogParts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

// The box keeps the keyboard: its Up and Down keys step it.
class StepKeys : public QObject {
public:
    StepKeys(Binder& b, forms::UpDown& upDown, QObject* box)
        : QObject(box), binder_(b), upDown_(upDown) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                forms::UpDown* spin = &upDown_;
                binder_.invoke([spin, key] { key == Qt::Key_Up ? spin->up() : spin->down(); });
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Binder& binder_;
    forms::UpDown& upDown_;
};

// Return and Escape that reach the window, none of its controls having used them: an open
// list closes itself with them, and a multi-line box keeps its Return, as in the desktop's
// own dialogs. A window shortcut would take them first.
class DialogKeys : public QObject {
public:
    DialogKeys(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancel)
        : QObject(window), window_(window), default_(defaultButton), cancel_(cancel) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) return false;
        const auto* e = static_cast<QKeyEvent*>(event);
        if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // A focused button that is not the default one passes the key on unused.
            auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            QAbstractButton* target =
                focused && window_->isAncestorOf(focused) ? focused : default_;
            if (target->isVisible() && target->isEnabled()) target->click();
            return true;
        }
        case Qt::Key_Escape:
            if (cancel_)
                cancel_->click();
            else
                window_->close();
            return true;
        default:
            return false;
        }
    }

private:
    QWidget* window_;
    QAbstractButton* default_;
    QAbstractButton* cancel_;
};

} // namespace

void nameByLabel(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    field->setAccessibleName(label->text().remove('&'));
}

QLabel* fieldLabel(Binder& b, forms::Label& label, QWidget* field, QWidget* parent) {
    auto* l = new QLabel(parent);
    b.label(label, l);
    if (field) nameByLabel(l, field);
    return l;
}

QLineEdit* field(Binder& b, forms::Label& label, forms::TextBox& box, QGridLayout* grid, int row,
                 int column, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    b.lineEdit(box, edit);
    grid->addWidget(fieldLabel(b, label, edit, parent), row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

NumberBox numberBox(Binder& b, forms::TextBox& box, forms::UpDown& upDown, QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    auto* edit = new QLineEdit(holder);
    b.lineEdit(box, edit);
    edit->setAccessibleName(QString::fromStdString(box.name()));
    edit->installEventFilter(new StepKeys(b, upDown, edit));
    row->addWidget(edit, 1);

    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    auto* up = new QToolButton(holder);
    auto* down = new QToolButton(holder);
    const int half = edit->sizeHint().height() / 2;
    for (auto [button, arrow] : {std::pair{up, Qt::UpArrow}, std::pair{down, Qt::DownArrow}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        // The arrows are stepped with the mouse; the keyboard types the number.
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(18, half);
        arrows->addWidget(button);
    }
    b.upDown(upDown, up, down);
    up->setObjectName(QString::fromStdString(upDown.name()) + ".up");
    down->setObjectName(QString::fromStdString(upDown.name()) + ".down");
    row->addLayout(arrows);
    NumberBox n{holder, edit, up, down};
    nameArrows(n, QString::fromStdString(box.name()));
    return n;
}

void nameArrows(const NumberBox& n, const QString& name) {
    n.up->setAccessibleName(name + " up");
    n.down->setAccessibleName(name + " down");
}

NumberBox numberField(Binder& b, forms::Label& label, forms::TextBox& box, forms::UpDown& upDown,
                      QGridLayout* grid, int row, int column, QWidget* parent,
                      Qt::Alignment align) {
    NumberBox n = numberBox(b, box, upDown, parent);
    QLabel* l = fieldLabel(b, label, n.box, parent);
    nameArrows(n, l->text().remove(u':').trimmed());
    grid->addWidget(l, row, column);
    grid->addWidget(n.widget, row, column + 1, align);
    return n;
}

FieldWithButton fieldWithButton(Binder& b, forms::Label& label, forms::TextBox& box,
                                forms::Button& button, QGridLayout* grid, int row, int columns,
                                QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    b.lineEdit(box, edit);
    grid->addWidget(fieldLabel(b, label, edit, parent), row, 0);
    auto* line = new QHBoxLayout;
    line->addWidget(edit, 1);
    auto* push = new QPushButton(parent);
    b.button(button, push);
    line->addWidget(push);
    grid->addLayout(line, row, 1, 1, columns);
    return {edit, push};
}

QHBoxLayout* okCancel(Binder& b, forms::Button& ok, forms::Button& cancel, QWidget* window) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* okButton = new QPushButton(window);
    b.button(ok, okButton);
    auto* cancelButton = new QPushButton(window);
    b.button(cancel, cancelButton);
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    dialogKeys(window, okButton, cancelButton);
    return row;
}

void dialogKeys(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancel) {
    if (auto* push = qobject_cast<QPushButton*>(defaultButton)) push->setDefault(true);
    window->installEventFilter(new DialogKeys(window, defaultButton, cancel));
}

} // namespace tolva::qt
