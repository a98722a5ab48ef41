// The main window's view: menu bar, document buffer, button groups, toolbar pictures,
// snippet list, command box, help line and the caret and line labels.
#pragma once

#include "qt/FormView.h"

class QMenu;
class QMenuBar;
class QScrollArea;
class Tolva;

namespace forms {
class MenuItem;
}

namespace tolva::qt {

class BufferEdit;

class MainView : public FormView {
    Q_OBJECT
public:
    explicit MainView(Tolva& window);
    BufferEdit* buffer() const { return buffer_; }
    QMenuBar* menuBar() const { return menuBar_; }
    // Sizes the window for a screen with that free area: the whole button column in view
    // where the area allows, never larger than the area; the buffer takes what is left.
    void fitTo(const QRect& available);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QMenu* buildMenu(forms::MenuItem& item, std::vector<QKeySequence>& keys);
    void bindAction(forms::MenuItem& item, QAction* action);
    // Gives the focus to the next pane (step 1) or the previous one (-1): the buffer, the
    // button groups when shown, the command box.
    void stepPane(int step);

    Tolva& window_;
    BufferEdit* buffer_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QScrollArea* panel_ = nullptr;
    QWidget* snippets_ = nullptr;
    QWidget* snippetField_ = nullptr;
    QWidget* commandBox_ = nullptr;
};

} // namespace tolva::qt
