// What the element dialogs' views share: labelled fields, a numeric box with its arrow pair,
// check boxes that follow a screen reader's toggles, and the keys of the dialog's buttons.
#pragma once

#include "qt/Binder.h"

class QAbstractButton;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace tolva::qt {

// The label names the widget: as its buddy, and as its accessible name for widgets that
// screen readers do not name by their buddy (lists, combo boxes, boxes grouped with arrows).
void nameByLabel(QLabel* label, QWidget* field);
// A label bound to its model label and announced as the name of its field.
QLabel* fieldLabel(Binder& b, forms::Label& label, QWidget* field, QWidget* parent);
// A label and the one-line box it names, side by side in a grid.
QLineEdit* field(Binder& b, forms::Label& label, forms::TextBox& box, QGridLayout* grid, int row,
                 int column, QWidget* parent);

// A one-line box with its up-down shown as a small arrow pair at its right; the box holds
// the number, and its Up and Down keys step it as the arrows do. The arrows are named
// "<name> up" and "<name> down" after the box.
struct NumberBox {
    QWidget* widget; // the box and its arrows, for a layout
    QLineEdit* box;
    QAbstractButton* up;
    QAbstractButton* down;
};
NumberBox numberBox(Binder& b, forms::TextBox& box, forms::UpDown& upDown, QWidget* parent);
void nameArrows(const NumberBox& n, const QString& name);

// A check box bound as usual, and also following toggles that arrive without a click: a
// screen reader's toggle action changes the box without the clicked signal.
void checkBox(Binder& b, forms::CheckBox& c, QCheckBox* w);

// Enter presses the focused push button, else the default one; Escape presses cancel, or
// closes the window (its close box) when it has none.
void dialogKeys(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancel);

} // namespace tolva::qt
