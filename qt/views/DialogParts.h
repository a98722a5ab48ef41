// Pieces the element dialogs' views share: a numeric box with its arrow pair, a label
// that names its field, and the keys that press the default and cancel buttons.
#pragma once

#include "qt/Binder.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tolva::qt {

// A label bound to its model label and announced as the name of its field.
QLabel* fieldLabel(Binder& b, forms::Label& label, QWidget* field, QWidget* parent);

// A one-line box with its up-down shown as a small arrow pair at its right; the box holds
// the number. The arrows are named "<name> up" and "<name> down" after the box's label.
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

// Enter presses the default button; Escape presses cancel, or closes the window (its close
// box) when it has none.
void dialogKeys(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancel);

} // namespace tolva::qt
