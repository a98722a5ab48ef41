// What the element dialogs' views share: labelled fields, arrow pairs beside numeric boxes,
// and Enter and Escape answered by the dialog's default and cancel buttons.
#pragma once

#include "qt/FormView.h"

#include <map>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolva::qt {

class ElementDialogView : public FormView {
public:
    explicit ElementDialogView(forms::Form& form);

protected:
    // A label and the box it names (screen readers announce the box by the label).
    QLineEdit* field(forms::Label& label, forms::TextBox& box, QGridLayout* grid, int row,
                     int column = 0);
    // The label names the widget: as its buddy, and as its accessible name for widgets that
    // screen readers do not name by their buddy (lists, combo boxes, boxes grouped with arrows).
    static void labelled(QLabel* label, QWidget* widget);
    // Up and down arrows beside a numeric box; the Up and Down keys in the box do the same.
    QWidget* arrows(forms::UpDown& spin, QLineEdit* box);
    // A box with its arrows, as one cell of a grid.
    QWidget* numberWithArrows(QLineEdit* box, forms::UpDown& spin);
    QPushButton* pushButton(forms::Button& button);
    // Enter presses accept, Escape presses cancel.
    void setButtons(QPushButton* accept, QPushButton* cancel);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPushButton* accept_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::map<QObject*, forms::UpDown*> stepped_;
};

} // namespace tolva::qt
