// Master temporary clipboard view and its binding.
#include "qt/TempClipView.h"

#include "core/TempClip.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva::qt {

TempClipView::TempClipView(TempClip& t) : FormView(t), window_(t) {
    Binder& b = binder();
    resize(560, 340);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 0);

    auto* lists = new QHBoxLayout;
    list_ = new QListWidget(this);
    b.list(t.tmpcmb, list_);
    list_->viewport()->setAcceptDrops(true);
    list_->viewport()->installEventFilter(this);
    lists->addWidget(list_, 1);
    auto* preview = new QPlainTextEdit(this);
    b.textEdit(t.fullclip, preview);
    lists->addWidget(preview, 2);
    root->addLayout(lists, 1);

    auto* buttons = new QHBoxLayout;
    for (forms::Button* button : {&t.OKButton, &t.remselected, &t.cleartmp, &t.CancelButton}) {
        auto* w = new QPushButton(this);
        b.button(*button, w);
        buttons->addWidget(w);
    }
    root->addLayout(buttons);

    root->addWidget(b.statusLine(t.StatusBar1, this));
    root->addSpacing(4);

    // A list that takes the focus first would pick its first item by itself.
    preview->setFocus();
}

bool TempClipView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* e = static_cast<QDragMoveEvent*>(event);
            if (!e->mimeData()->hasText()) return false;
            e->setDropAction(Qt::CopyAction);
            e->accept();
            return true;
        }
        case QEvent::Drop: {
            // A copy: the preview keeps the dragged text.
            auto* e = static_cast<QDropEvent*>(event);
            e->setDropAction(Qt::CopyAction);
            e->accept();
            binder().invoke([this] { window_.tmpcmb_OLEDragDrop(); });
            return true;
        }
        default:
            break;
        }
    }
    return FormView::eventFilter(watched, event);
}

template <> FormView* makeView(TempClip& w, Program&) {
    return new TempClipView(w);
}

} // namespace tolva::qt
