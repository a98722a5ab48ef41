// The help window: category buttons along the top, topics on the left, the page beside.
#include "help/Helpme.h"
#include "qt/FormView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class HelpView : public FormView {
public:
    explicit HelpView(Helpme& h) : FormView(h) {
        setWindowFlag(Qt::Window);
        Binder& b = binder();
        auto* lay = new QVBoxLayout(this);
        auto* row = new QHBoxLayout;
        for (forms::Button* c :
             {&h.guide, &h.gen, &h.Fonts, &h.Forms, &h.Table, &h.Extras, &h.Misc, &h.others}) {
            auto* button = new QPushButton(this);
            b.button(*c, button);
            row->addWidget(button);
        }
        row->addStretch(1);
        lay->addLayout(row);

        auto* middle = new QHBoxLayout;
        auto* left = new QVBoxLayout;
        auto* topics = new QListWidget(this);
        b.list(h.List, topics);
        auto* topicsLabel = new QLabel(tr("&Topics"), this);
        topicsLabel->setBuddy(topics);
        left->addWidget(topicsLabel);
        left->addWidget(topics, 1);
        middle->addLayout(left, 1);
        auto* right = new QVBoxLayout;
        auto* text = new QPlainTextEdit(this);
        b.textEdit(h.helptext, text);
        text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        auto* pageLabel = new QLabel(tr("&Page"), this);
        pageLabel->setBuddy(text);
        right->addWidget(pageLabel);
        right->addWidget(text, 1);
        middle->addLayout(right, 3);
        lay->addLayout(middle, 1);

        auto* foot = new QHBoxLayout;
        auto* about = new QPushButton(this);
        b.button(h.btnabout, about);
        auto* ok = new QPushButton(this);
        b.button(h.cmdOK, ok);
        ok->setDefault(true);
        foot->addWidget(about);
        foot->addStretch(1);
        foot->addWidget(ok);
        lay->addLayout(foot);
        resize(760, 520);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) {
            binder().invoke([this] { static_cast<Helpme&>(form()).cmdOK.click(); });
            return;
        }
        FormView::keyPressEvent(e);
    }
};

} // namespace

template <> FormView* makeView(Helpme& w, Program&) {
    return new HelpView(w);
}

} // namespace tolva::qt
