// The bookmark list: names on the left, Go / find next / Close on the right.
#include "dialogs/Bookeeper.h"
#include "qt/FormView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class BookeeperView : public FormView {
public:
    explicit BookeeperView(Bookeeper& b) : FormView(b) {
        auto* lay = new QHBoxLayout(this);
        auto* left = new QVBoxLayout;
        auto* label = new QLabel(tr("&Bookmarks"), this);
        auto* names = new QListWidget(this);
        names->setAccessibleName(QStringLiteral("Bookmarks"));
        label->setBuddy(names);
        binder().list(b.List1, names);
        // The anchors are for searching only.
        auto* anchors = new QListWidget(this);
        binder().list(b.List2, anchors);
        left->addWidget(label);
        left->addWidget(names, 1);
        left->addWidget(anchors);
        lay->addLayout(left, 1);

        auto* right = new QVBoxLayout;
        auto* go = new QPushButton(this);
        binder().button(b.OKButton, go);
        go->setDefault(true);
        auto* next = new QToolButton(this);
        binder().button(b.Picture1, next);
        next->setAccessibleName(QStringLiteral("Find next bookmark"));
        next->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        next->setText(tr("Find next"));
        auto* close = new QPushButton(this);
        binder().button(b.Close, close);
        right->addWidget(go);
        right->addWidget(next);
        right->addStretch(1);
        right->addWidget(close);
        lay->addLayout(right);
        resize(380, 260);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) {
            binder().invoke([this] { static_cast<Bookeeper&>(form()).Close.click(); });
            return;
        }
        FormView::keyPressEvent(e);
    }
};

} // namespace

template <> FormView* makeView(Bookeeper& w, Program&) {
    return new BookeeperView(w);
}

} // namespace tolva::qt
