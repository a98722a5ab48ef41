// Top-level views of model forms and the registry of view factories.
#include "qt/FormView.h"

#include "core/Program.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tolva::qt {

namespace {
std::map<std::string, ViewFactory>& registry() {
    static std::map<std::string, ViewFactory> r;
    return r;
}
constexpr int kTwipsPerPixel = 15;
} // namespace

ViewRegistration::ViewRegistration(const char* formName, ViewFactory factory) {
    registry()[formName] = std::move(factory);
}

FormView::FormView(forms::Form& form, QWidget* parent)
    : QWidget(parent), form_(form), binder_(form.runtime()) {
    setObjectName(QString::fromStdString(form.name()));
    setWindowTitle(toQt(form.caption()));
    setMouseTracking(true);
    formChanges_ = form.listen([this](forms::Form::Change c) {
        switch (c) {
        case forms::Form::Change::Caption:
            setWindowTitle(toQt(form_.caption()));
            break;
        case forms::Form::Change::Visible:
            if (form_.visible() && !placed_ && parentWidget()) {
                // A window of the main window opens low over the page, clear of the
                // buttons and of the page's head.
                QRect owner = parentWidget()->geometry();
                move(owner.left() + (owner.width() - width()) / 3,
                     owner.bottom() - height() - 160);
            }
            placed_ = placed_ || form_.visible();
            setVisible(form_.visible());
            if (form_.visible()) {
                raise();
                activateWindow();
            }
            break;
        case forms::Form::Change::Raise:
            show();
            raise();
            activateWindow();
            break;
        case forms::Form::Change::Geometry:
            if (form_.height() > 0) resize(width(), form_.height() / kTwipsPerPixel);
            break;
        }
    });
}

FormView::~FormView() = default;

void FormView::closeEvent(QCloseEvent* e) {
    // The window decides: it may ask, cancel, hide or unload.
    e->ignore();
    binder_.invoke([this] { form_.userClose(); });
}

void FormView::keyPressEvent(QKeyEvent* e) {
    if (form_.KeyPress && !e->text().isEmpty()) {
        int ascii = e->text()[0].unicode();
        binder_.invoke([&] { form_.KeyPress(ascii); });
        return;
    }
    QWidget::keyPressEvent(e);
}

void FormView::mouseMoveEvent(QMouseEvent* e) {
    if (form_.MouseMove) binder_.invoke([this] { form_.MouseMove(); });
    QWidget::mouseMoveEvent(e);
}

void FormView::mouseReleaseEvent(QMouseEvent* e) {
    if (form_.Click) binder_.invoke([this] { form_.Click(); });
    QWidget::mouseReleaseEvent(e);
}

ViewManager::ViewManager(Program& program) : program_(program) {
    program_.formLoaded = [this](forms::Form& f) {
        auto it = registry().find(f.name());
        if (it == registry().end()) return;
        std::unique_ptr<FormView> v(it->second(f, program_));
        // Other windows float over the main window, as its dialogs.
        if (FormView* owner = view("tolva")) v->setParent(owner, v->windowFlags() | Qt::Tool);
        views_[&f] = std::move(v);
    };
    program_.formUnloading = [this](forms::Form& f) { views_.erase(&f); };
}

ViewManager::~ViewManager() {
    program_.formLoaded = nullptr;
    program_.formUnloading = nullptr;
    // Windows that float over the main window are its children: they go first.
    std::erase_if(views_, [](const auto& v) { return v.second->parentWidget() != nullptr; });
    views_.clear();
}

FormView* ViewManager::view(const std::string& formName) const {
    for (const auto& [f, v] : views_)
        if (f->name() == formName) return v.get();
    return nullptr;
}

} // namespace tolva::qt
