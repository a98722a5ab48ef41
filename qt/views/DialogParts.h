// What the element dialogs' views share: labelled fields, a numeric box with its arrow pair,
// and the dialog's buttons with their keys.
#pragma once

#include "qt/Binder.h"

class QAbstractButton;
class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
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
// A label and the number box it names, side by side in a grid; the arrows are named after
// the label.
NumberBox numberField(Binder& b, forms::Label& label, forms::TextBox& box, forms::UpDown& upDown,
                      QGridLayout* grid, int row, int column, QWidget* parent,
                      Qt::Alignment align = {});

// A labelled box with a button at its right (a Browse), spanning columns of a grid row.
struct FieldWithButton {
    QLineEdit* box;
    QPushButton* button;
};
FieldWithButton fieldWithButton(Binder& b, forms::Label& label, forms::TextBox& box,
                                forms::Button& button, QGridLayout* grid, int row, int columns,
                                QWidget* parent);

// OK and Cancel at the right of a row, Enter and Escape pressing them (see dialogKeys).
QHBoxLayout* okCancel(Binder& b, forms::Button& ok, forms::Button& cancel, QWidget* window);

// Enter presses the focused push button, else the default one; Escape presses cancel, or
// closes the window (its close box) when it has none. Only keys that no control of the
// window used: an open list's Return and Escape close the list alone.
void dialogKeys(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancel);

} // namespace tolva::qt
