// Views of the splash and the about box.
#include "core/Program.h"
#include "core/Splash.h"
#include "help/About.h"
#include "qt/FormView.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

class SplashView : public FormView {
public:
    explicit SplashView(Splash& s) : FormView(s), splash_(s) {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        // The window has no title for a screen reader to announce.
        setAccessibleName(toQt(s.runtime().title));
        setFixedSize(460, 260);
        auto* outer = new QVBoxLayout(this);
        frame_ = new QGroupBox(this);
        binder().frame(s.Frame1, frame_);
        frame_->installEventFilter(this);
        auto* lay = new QVBoxLayout(frame_);
        auto* name = new QLabel(frame_);
        QFont big = name->font();
        big.setPointSize(28);
        big.setBold(true);
        name->setFont(big);
        binder().label(s.lblProductName, name);
        auto* version = new QLabel(frame_);
        binder().label(s.lblVersion, version);
        auto* loader = new QLabel(frame_);
        binder().label(s.loader, loader);
        auto* bar = new QProgressBar(frame_);
        binder().progress(s.ProgressBar1, bar);
        // Labels and bar let clicks through: anywhere on the frame is a click on it.
        for (QWidget* w : std::initializer_list<QWidget*>{name, version, loader, bar})
            w->setAttribute(Qt::WA_TransparentForMouseEvents);
        lay->addWidget(name);
        lay->addWidget(version);
        lay->addStretch(1);
        lay->addWidget(loader);
        lay->addWidget(bar);
        outer->addWidget(frame_);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == frame_ && event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // The click may unload the splash, and this view with it, after the handler.
            binder().invoke([this] {
                if (splash_.Frame1.Click) splash_.Frame1.Click();
            });
            return true;
        }
        return FormView::eventFilter(watched, event);
    }

private:
    Splash& splash_;
    QGroupBox* frame_ = nullptr;
};

class AboutView : public FormView {
public:
    explicit AboutView(About& a) : FormView(a) {
        setWindowFlag(Qt::Dialog);
        auto* lay = new QVBoxLayout(this);
        auto* head = new QHBoxLayout;
        auto* help = new QToolButton(this);
        binder().button(a.picthelp, help);
        help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
        head->addWidget(help);
        auto* titles = new QVBoxLayout;
        auto* title = new QLabel(this);
        QFont big = title->font();
        big.setPointSize(18);
        big.setBold(true);
        title->setFont(big);
        binder().label(a.lblTitle, title);
        auto* version = new QLabel(this);
        binder().label(a.lblVersion, version);
        titles->addWidget(title);
        titles->addWidget(version);
        head->addLayout(titles, 1);
        lay->addLayout(head);
        for (forms::Label* l : {&a.lblDescription, &a.lblDisclaimer}) {
            auto* text = new QLabel(this);
            text->setWordWrap(true);
            binder().label(*l, text);
            lay->addWidget(text);
        }
        auto* ok = new QPushButton(this);
        binder().button(a.cmdOK, ok);
        ok->setDefault(true);
        lay->addWidget(ok, 0, Qt::AlignRight);
        resize(420, 240);
    }
};

} // namespace

template <> FormView* makeView(Splash& w, Program&) {
    return new SplashView(w);
}

template <> FormView* makeView(About& w, Program&) {
    return new AboutView(w);
}

} // namespace tolva::qt
