// View of the find and replace window: the find-only form, and the replace frame that
// the expanded form brings into view.
#pragma once

#include "qt/FormView.h"

class FindReplace;
class QLabel;
class QLineEdit;

namespace tolva::qt {

class FindReplaceView : public FormView {
public:
    explicit FindReplaceView(FindReplace& window);

protected:
    // Clicks on the "Replace...." label, Enter in the search field.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FindReplace& window_;
    QLabel* replaceLink_ = nullptr;
    QLineEdit* searchField_ = nullptr;
};

} // namespace tolva::qt
