// Top-level views of model forms, and the manager that makes and drops them.
#include "qt/FormView.h"

#include <QApplication>

#include "core/Program.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QWindow>

// The icons are built into this library; naming them here keeps them in every program that
// makes views, the library being static.
static void initResources() {
    Q_INIT_RESOURCE(tolva);
}

namespace tolva::qt {

namespace {
constexpr int kTwipsPerPixel = 15;

// Counts the moments the windows' stacking may have changed: a window raised or shown, or
// the keyboard moved to another window.
uint64_t stackings = 1;

// The caption as the title bar must receive it: Qt reads "[*]" as its modified-marker
// placeholder and drops it, and shows a doubled one as one literal "[*]".
QString titleFor(forms::StringView caption) {
    return toShown(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}
} // namespace

FormView::FormView(forms::Form& form, QWidget* parent)
    : QWidget(parent), form_(form), binder_(form.runtime()) {
    setObjectName(QString::fromStdString(form.name()));
    setWindowTitle(titleFor(form.caption()));
    setMouseTracking(true);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [] { ++stackings; });
    formChanges_ = form.listen([this](forms::Form::Change c) {
        switch (c) {
        case forms::Form::Change::Caption:
            setWindowTitle(titleFor(form_.caption()));
            break;
        case forms::Form::Change::Visible:
            if (form_.visible())
                showInFront(true);
            else
                hide();
            break;
        case forms::Form::Change::Raise:
            showInFront(true);
            break;
        case forms::Form::Change::Front:
            showInFront(false);
            break;
        case forms::Form::Change::Geometry:
            if (form_.height() > 0) resize(width(), form_.height() / kTwipsPerPixel);
            break;
        }
    });
}

QPoint FormView::firstPlace(const QWidget& ownerWidget) const {
    QRect owner = ownerWidget.geometry();
    return {owner.left() + (owner.width() - width()) / 3, owner.bottom() - height() - 160};
}

void FormView::placeOnce() {
    if (!placed_ && parentWidget()) {
        // A window sized by its layout has its size only once the layout has run.
        if (layout()) layout()->activate();
        move(firstPlace(*parentWidget()));
    }
    placed_ = true;
}

void FormView::showInFront(bool activate) {
    // Brought forward on every key typed in the page: raised already, with nothing shown or
    // focused since, it is in front still, and a raise per key would only load the window
    // system.
    if (!activate && isVisible() && inFront_ == stackings) return;
    placeOnce();
    // The window the user is typing into keeps the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    show();
    raise();
    inFront_ = ++stackings;
    if (activate) {
        activateWindow();
        return;
    }
    // Brought forward behind the user's back, it must not hide a question on screen.
    if (QWidget* question = QApplication::activeModalWidget(); question && question != this)
        question->raise();
}

FormView::~FormView() = default;

bool FormView::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate) {
        bool on = e->type() == QEvent::WindowActivate;
        binder_.invoke([this, on] { form_.setActive(on); });
    }
    return QWidget::event(e);
}

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
    if (form_.MouseMove && overSurface(e->position().toPoint()))
        binder_.invoke([this] { form_.MouseMove(); });
    QWidget::mouseMoveEvent(e);
}

bool FormView::overSurface(QPoint at) const {
    // A control that ignores the move passes it on to the window; it is still the
    // control's move. Each control's widget carries its name, "name" or "name(index)".
    for (QWidget* w = childAt(at); w && w != this; w = w->parentWidget()) {
        QString name = w->objectName();
        int index = -1;
        if (name.endsWith(u')')) {
            qsizetype open = name.lastIndexOf(u'(');
            bool ok = false;
            int i = name.mid(open + 1, name.size() - open - 2).toInt(&ok);
            if (open > 0 && ok) {
                index = i;
                name.truncate(open);
            }
        }
        if (!name.isEmpty() && form_.find(name.toStdString(), index)) return false;
    }
    return true;
}

void FormView::mouseReleaseEvent(QMouseEvent* e) {
    if (form_.Click) binder_.invoke([this] { form_.Click(); });
    QWidget::mouseReleaseEvent(e);
}

ViewManager::ViewManager(Program& program) : program_(program) {
    initResources();
    forms::Registry& windows = program_.windows();
    windows.formLoaded = [this](forms::Form& f) {
        std::unique_ptr<FormView> v(makeViewOf(f, program_));
        if (!v) return;
        // Other windows float over the main window, as its dialogs (the preview as a window
        // of its own). Not as tool windows: Qt lets the owner's shortcuts and menu keys act
        // from those, so Alt+F in a dialog would open the main File menu.
        if (FormView* owner = view("tolva")) {
            Qt::WindowType kind = v->windowType() == Qt::Window ? Qt::Window : Qt::Dialog;
            v->setParent(owner, (v->windowFlags() & ~Qt::WindowType_Mask) | kind);
        }
        views_[&f] = std::move(v);
    };
    windows.formUnloading = [this](forms::Form& f) { views_.erase(&f); };
}

ViewManager::~ViewManager() {
    program_.windows().formLoaded = nullptr;
    program_.windows().formUnloading = nullptr;
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
