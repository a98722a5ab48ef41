// Master temporary clipboard view and its binding.
#include "qt/TempClipView.h"

#include "core/TempClip.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGridLayout>
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

    // Each pane under a label that names it, for the eye and for screen readers.
    auto* lists = new QGridLayout;
    list_ = new QListWidget(this);
    b.list(t.tmpcmb, list_);
    list_->viewport()->setAcceptDrops(true);
    list_->viewport()->installEventFilter(this);
    auto* preview = new QPlainTextEdit(this);
    b.textEdit(t.fullclip, preview);
    const std::pair<QWidget*, QString> panes[] = {{list_, tr("Clipboard &items")},
                                                  {preview, tr("&Preview (you may edit it)")}};
    int column = 0;
    for (const auto& [pane, caption] : panes) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(pane);
        pane->setAccessibleName(QString(caption).remove(u'&'));
        lists->addWidget(label, 0, column);
        lists->addWidget(pane, 1, column);
        ++column;
    }
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 2);
    lists->setRowStretch(1, 1);
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
