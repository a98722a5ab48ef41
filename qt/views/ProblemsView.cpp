// The Problems window: the page check's findings as a list; Enter or a double-click on a
// row puts the caret at its place.
#include "check/Problems.h"
#include "qt/FormView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class ProblemsView : public FormView {
public:
    explicit ProblemsView(Problems& p) : FormView(p) {
        auto* lay = new QVBoxLayout(this);
        auto* label = new QLabel(tr("&Line, column, kind, message"), this);
        auto* list = new QListWidget(this);
        list->setAccessibleName(QStringLiteral("Problems"));
        list->setAccessibleDescription(
            QStringLiteral("Enter or a double-click puts the caret at the problem"));
        label->setBuddy(list);
        binder().list(p.List1, list);
        // itemActivated is Enter as well as a double-click.
        connect(list, &QListWidget::itemActivated, this, [this, list, &p](QListWidgetItem* item) {
            int row = list->row(item);
            binder().invoke([&p, row] { p.go(row); });
            if (QWidget* owner = parentWidget()) owner->activateWindow();
        });
        lay->addWidget(label);
        lay->addWidget(list, 1);
        resize(520, 240);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) {
            form().hide();
            return;
        }
        FormView::keyPressEvent(e);
    }
};

} // namespace

template <> FormView* makeView(Problems& w, Program&) {
    return new ProblemsView(w);
}

} // namespace tolva::qt
