// The preview window: the address strip, the browser's toolbar and the page area that the
// platform's browser fills.
#include "core/Program.h"
#include "dialogs/FrmBrowser.h"
#include "qt/FormView.h"
#include "qt/QtBrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tolva::qt {

namespace {

class BrowserView : public FormView {
public:
    BrowserView(FrmBrowser& b, Program& program) : FormView(b) {
        setWindowFlag(Qt::Window);
        auto* lay = new QVBoxLayout(this);
        lay->setContentsMargins(4, 4, 4, 4);
        lay->setSpacing(4);

        auto* bar = new QToolBar(this);
        bar->setObjectName(QStringLiteral("tbToolBar"));
        const std::pair<forms::Button*, QStyle::StandardPixmap> keys[] = {
            {&b.Back, QStyle::SP_ArrowBack},
            {&b.Forward, QStyle::SP_ArrowForward},
            {&b.Refresh, QStyle::SP_BrowserReload},
            {&b.Home, QStyle::SP_DirHomeIcon},
            {&b.Search, QStyle::SP_FileDialogContentsView},
            {&b.Stop, QStyle::SP_BrowserStop}};
        for (auto [key, pixmap] : keys) {
            auto* t = new QToolButton(bar);
            t->setObjectName(QString::fromStdString(key->name()));
            binder().button(*key, t);
            // Without a theme the style's own pictures stand in, beside the key's name.
            if (t->icon().isNull()) {
                t->setIcon(style()->standardIcon(pixmap));
                t->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            }
            t->setAccessibleName(toQt(key->caption()));
            bar->addWidget(t);
        }
        lay->addWidget(bar);

        auto* strip = new QWidget(this);
        strip->setObjectName(QStringLiteral("picAddress"));
        auto* row = new QHBoxLayout(strip);
        row->setContentsMargins(0, 0, 0, 0);
        auto* label = new QLabel(strip);
        binder().label(b.lblAddress, label);
        auto* address = new QComboBox(strip);
        address->setObjectName(QStringLiteral("cboAddress"));
        binder().combo(b.cboAddress, address);
        label->setBuddy(address);
        // Enter belongs to the window: the combo's own Enter would pick the item a second
        // time, or nothing when the typed address is not in the list. The keyboard reaches the
        // combo, which hands keys to its line edit past any filter, so both are watched.
        address->installEventFilter(this);
        address->lineEdit()->installEventFilter(this);
        address_ = address;
        addressLine_ = address->lineEdit();
        auto* follow = new QCheckBox(strip);
        binder().check(b.chkFollow, follow);
        row->addWidget(label);
        row->addWidget(address, 1);
        row->addWidget(follow);
        lay->addWidget(strip);

        QWidget* page = nullptr;
        if (auto* host = dynamic_cast<BrowserHost*>(program.runtime().platform().browser)) {
            page = host->makePageArea(this);
        } else {
            auto* none = new QLabel(
                QStringLiteral("This build of Tolva has no browser: the preview cannot show "
                               "pages."),
                this);
            none->setObjectName(QStringLiteral("browserNotice"));
            none->setAlignment(Qt::AlignCenter);
            none->setWordWrap(true);
            page = none;
        }
        page->setMinimumSize(320, 200);
        lay->addWidget(page, 1);
        resize(860, 620);
    }

protected:
    // A large window: over the page, below the main window's top edge, not above it.
    QPoint firstPlace(const QWidget& owner) const override {
        QRect o = owner.geometry();
        return {o.left() + 40, std::max(o.top(), 0) + 40};
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((watched == address_ || watched == addressLine_) && event->type() == QEvent::KeyPress) {
            int k = static_cast<QKeyEvent*>(event)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                auto& b = static_cast<FrmBrowser&>(form());
                binder().invoke([&b] {
                    int key = 13;
                    if (b.cboAddress.KeyPress) b.cboAddress.KeyPress(key);
                });
                return true;
            }
        }
        return FormView::eventFilter(watched, event);
    }

private:
    QObject* address_ = nullptr;
    QObject* addressLine_ = nullptr;
};

} // namespace

template <> FormView* makeView(FrmBrowser& w, Program& program) {
    return new BrowserView(w, program);
}

} // namespace tolva::qt
