// A top-level window bound to a model form, and the manager that makes a view for each
// window as the program loads it.
#pragma once

#include "forms/Form.h"
#include "qt/Binder.h"

#include <QWidget>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class Program;

namespace tolva::qt {

class FormView : public QWidget {
    Q_OBJECT
public:
    // Does not own the form; the view goes before the form is unloaded.
    FormView(forms::Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    forms::Form& form() const { return form_; }
    Binder& binder() { return binder_; }

protected:
    // Where the window first opens over its owner: by default low over the page, clear of
    // the buttons and of the page's head.
    virtual QPoint firstPlace(const QWidget& owner) const;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // The pointer is over the window's own surface, not over one of its controls.
    bool overSurface(QPoint at) const;
    void placeOnce();
    void showInFront(bool activate);

    forms::Form& form_;
    Binder binder_;
    forms::Subscription formChanges_;
    bool placed_ = false;
    // The stacking count when this window was last raised.
    uint64_t inFront_ = 0;
};

// The view of a window of type W. Each view's file defines it for its window; the one list
// of windows with a view (qt/Views.cpp) names every type, so a window listed there without
// a view, or a view of no window, does not build.
template <class W> FormView* makeView(W& window, Program& program);

// The view of a loaded window found by its type, or nullptr for a window without one.
FormView* makeViewOf(forms::Form& window, Program& program);

// Keeps one view per loaded window. Clears the program's hooks when it goes.
class ViewManager {
public:
    explicit ViewManager(Program& program);
    ~ViewManager();
    FormView* view(const std::string& formName) const;

private:
    Program& program_;
    std::map<forms::Form*, std::unique_ptr<FormView>> views_;
};

} // namespace tolva::qt
