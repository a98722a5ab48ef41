// Main window view and its binding.
#include "qt/MainView.h"

#include "core/Program.h"
#include "core/Tolva.h"
#include "qt/BufferEdit.h"
#include "qt/ButtonPanel.h"
#include "qt/ProblemMarks.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tolva::qt {

namespace {

// Icons the desktop theme may lack fall back to the style's own.
QIcon pictureIcon(QWidget* w, const std::string& name) {
    static const std::map<std::string, QStyle::StandardPixmap> fallback{
        {"document-new", QStyle::SP_FileIcon},
        {"document-open", QStyle::SP_DialogOpenButton},
        {"document-save", QStyle::SP_DialogSaveButton},
        {"document-save-as", QStyle::SP_DriveFDIcon},
        {"document-print-preview", QStyle::SP_FileDialogContentsView},
        {"bookmark-new", QStyle::SP_DialogApplyButton},
        {"edit-undo", QStyle::SP_ArrowBack},
        {"view-refresh", QStyle::SP_BrowserReload},
        {"view-fullscreen", QStyle::SP_TitleBarMaxButton},
        {"color-management", QStyle::SP_DesktopIcon},
        {"help-contents", QStyle::SP_DialogHelpButton},
    };
    QIcon icon = QIcon::fromTheme(QString::fromStdString(name));
    if (icon.isNull()) {
        auto it = fallback.find(name);
        icon = w->style()->standardIcon(it != fallback.end() ? it->second : QStyle::SP_FileIcon);
    }
    return icon;
}

// A figure of the status (the line count, the caret's place), changed on every key. Its
// size is fixed, with room for a large page's figures from the start: a label whose size
// could change would have the window's layout worked out again at each key, and one that
// widened as the numbers grew would widen a narrow window and lay the whole page out again.
class Figure : public QLabel {
public:
    explicit Figure(QWidget* parent) : QLabel(parent) {
        setAlignment(Qt::AlignRight);
        fit();
    }

protected:
    void changeEvent(QEvent* e) override {
        QLabel::changeEvent(e);
        if (e->type() == QEvent::FontChange) fit();
    }

private:
    void fit() {
        QLabel widest(QStringLiteral("Number of lines: 99999999"));
        widest.setFont(font());
        setFixedSize(widest.sizeHint());
    }
};

} // namespace

MainView::MainView(Tolva& w) : FormView(w), window_(w) {
    Binder& b = binder();

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    root->setSpacing(4);

    menuBar_ = new QMenuBar(this);
    std::vector<QKeySequence> keys;
    for (forms::MenuItem* top : w.menuBar)
        menuBar_->addMenu(buildMenu(*top, keys));
    root->setMenuBar(menuBar_);

    // The buffer with the button groups beside it.
    auto* middle = new QHBoxLayout;
    buffer_ = new BufferEdit(w.Text1, b, this);
    b.common(w.Text1, buffer_);
    buffer_->yieldShortcuts(keys);
    buffer_->setClipboardCommands(
        {[&w] { w.mnucopy_Click(); }, [&w] { w.mnucut_Click(); }, [&w] { w.mnupaste_Click(); }});
    middle->addWidget(buffer_, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("buttonPanel");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(buildButtonPanel(w, b, scroll));
    scroll->setMinimumWidth(scroll->widget()->sizeHint().width() + 16);
    middle->addWidget(scroll, 0);
    panel_ = scroll;
    // The groups hide together with General: the buffer then takes their whole room.
    auto followGeneral = [scroll, &w] { scroll->setVisible(w.General.visible()); };
    b.keep(w.General.listen([followGeneral](forms::Prop p) {
        if (p == forms::Prop::Visible) followGeneral();
    }));
    root->addLayout(middle, 1);

    // The foot: toolbar pictures, snippets, command box, caret and line labels.
    auto* foot = new QHBoxLayout;
    for (forms::Button* pict :
         {&w.pictnew, &w.pictopen, &w.pictsave, &w.pictsaveas, &w.pictprev, &w.pictrest,
          &w.picturest, &w.pictrefresh, &w.pictinformation, &w.pictcontrast, &w.picthelpfile}) {
        auto* t = new QToolButton(this);
        t->setAutoRaise(true);
        t->setIconSize(QSize(22, 22));
        b.button(*pict, t);
        t->setIcon(pictureIcon(this, pict->picture()));
        t->setText(QString());
        // A picture shows no caption; a screen reader still announces it by its name.
        t->setAccessibleName(toQt(pict->caption()));
        if (t->toolTip().isEmpty()) t->setToolTip(toQt(pict->caption()));
        // A picture that comes and goes (preview, restore) keeps its place, as it did in the
        // classic window: the window's layout stays, and the page is not laid out anew.
        QSizePolicy keep = t->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        t->setSizePolicy(keep);
        foot->addWidget(t);
    }
    foot->addSpacing(12);

    auto* clip = new QGroupBox(this);
    b.frame(w.Frame1, clip);
    auto* clipRow = new QHBoxLayout(clip);
    clipRow->setContentsMargins(6, 2, 6, 2);
    auto* snippets = new QComboBox(clip);
    snippets->setMinimumWidth(220);
    b.combo(w.tmpcmb, snippets);
    snippets->setAcceptDrops(true);
    snippets->installEventFilter(this);
    snippets_ = snippets;
    // Its text field would take a drop as typing; the drop belongs to the whole list.
    if (QLineEdit* field = snippets->lineEdit()) {
        field->installEventFilter(this);
        snippetField_ = field;
    }
    clipRow->addWidget(snippets, 1);
    auto* more = new QPushButton(clip);
    b.button(w.mastertmpclip, more);
    clipRow->addWidget(more);
    foot->addWidget(clip, 1);

    auto* cmd = new QLineEdit(this);
    cmd->setFixedWidth(cmd->fontMetrics().horizontalAdvance(QStringLiteral("tevbtnXX")) + 12);
    cmd->setPlaceholderText(QStringLiteral("F4"));
    b.lineEdit(w.commandBox.tevcmd, cmd);
    commandBox_ = cmd;
    foot->addWidget(cmd);

    auto* labels = new QVBoxLayout;
    for (forms::Label* figure : {&w.nooflines[0], &w.nooflines[1], &w.Label1[0], &w.Label1[1]}) {
        auto* shown = new Figure(this);
        b.label(*figure, shown);
        labels->addWidget(shown);
    }
    foot->addLayout(labels);
    root->addLayout(foot);

    auto* help = new QLineEdit(this);
    help->setFont(QFont(QStringLiteral("Courier New")));
    help->setFocusPolicy(Qt::NoFocus);
    b.lineEdit(w.helper, help);
    b.colors(w.helper, help);
    b.colors(w.Text1, buffer_);
    // The check's switch and count sit beside the help line, which gives up their room,
    // so the row above keeps the width the window was measured by.
    auto* status = new QHBoxLayout;
    status->addWidget(help, 1);
    showProblems(w.page, *buffer_, b, status);
    root->addLayout(status);

    if (QScreen* on = screen()) fitTo(on->availableGeometry());
    buffer_->setFocus();
}

void MainView::fitTo(const QRect& available) {
    // The height at which the whole button column shows: measured with the column held at
    // its full height, then let go so that a smaller screen can still scroll it.
    panel_->setMinimumHeight(panel_->widget()->sizeHint().height());
    layout()->activate();
    QSize whole = layout()->totalMinimumSize();
    panel_->setMinimumHeight(0);
    layout()->activate();
    // Room for the frame and title bar the window system adds.
    const QSize frame(16, 48);
    resize(
        QSize(std::max(whole.width(), 1200), whole.height()).boundedTo(available.size() - frame));
}

QMenu* MainView::buildMenu(forms::MenuItem& item, std::vector<QKeySequence>& keys) {
    auto* menu = new QMenu(toQt(item.caption()), this);
    menu->setObjectName(QString::fromStdString(item.name()));
    menu->menuAction()->setObjectName(QString::fromStdString(item.name()));
    bindAction(item, menu->menuAction());
    for (forms::MenuItem* child : item.children()) {
        if (child->separator()) {
            QAction* sep = menu->addSeparator();
            sep->setObjectName(QString::fromStdString(child->name()));
        } else if (!child->children().empty()) {
            menu->addMenu(buildMenu(*child, keys));
        } else {
            auto* action = new QAction(toQt(child->caption()), this);
            action->setObjectName(QString::fromStdString(child->name()));
            if (!child->shortcut().empty()) {
                QKeySequence key(QString::fromStdString(child->shortcut()));
                action->setShortcut(key);
                keys.push_back(key);
            }
            bindAction(*child, action);
            connect(action, &QAction::triggered, this, [this, child, action] {
                binder().invoke([child] { child->click(); });
                action->setChecked(child->checked());
            });
            menu->addAction(action);
            addAction(action); // shortcuts work while the menu is closed
        }
    }
    return menu;
}

void MainView::bindAction(forms::MenuItem& item, QAction* action) {
    auto sync = [&item, action] {
        action->setText(toQt(item.caption()));
        action->setEnabled(item.enabled());
        action->setVisible(item.visible());
        if (item.checked()) action->setCheckable(true);
        action->setChecked(item.checked());
    };
    sync();
    binder().keep(item.listen([sync](forms::Prop) { sync(); }));
}

bool MainView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == snippets_ || watched == snippetField_) {
        // Dragging the buffer's selection onto the snippet list adds it there.
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* e = static_cast<QDragMoveEvent*>(event);
            if (e->mimeData()->hasText()) {
                e->setDropAction(Qt::CopyAction);
                e->accept();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            // A copy, so the buffer keeps what was dragged out of it.
            auto* e = static_cast<QDropEvent*>(event);
            e->setDropAction(Qt::CopyAction);
            e->accept();
            binder().invoke([this] { window_.tmpcmb_OLEDragDrop(); });
            return true;
        }
    }
    return FormView::eventFilter(watched, event);
}

void MainView::keyPressEvent(QKeyEvent* e) {
    // Reaches the window only when the focused control did not use the key.
    switch (forms::paneStep(modelKey(e))) {
    case forms::PaneStep::Next:
        stepPane(1);
        return;
    case forms::PaneStep::Previous:
        stepPane(-1);
        return;
    case forms::PaneStep::None:
        break;
    }
    FormView::keyPressEvent(e);
}

void MainView::stepPane(int step) {
    // The first button of the groups that the keyboard can reach.
    QWidget* firstButton = nullptr;
    if (panel_->isVisible())
        for (QWidget* w = panel_->nextInFocusChain(); w != panel_ && !firstButton;
             w = w->nextInFocusChain())
            if (panel_->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus))
                firstButton = w;
    std::vector<QWidget*> panes{buffer_};
    if (firstButton) panes.push_back(firstButton);
    panes.push_back(commandBox_);

    QWidget* focused = QApplication::focusWidget();
    size_t at = 0; // a control outside the panes counts as the buffer
    if (focused == commandBox_)
        at = panes.size() - 1;
    else if (firstButton && panel_->isAncestorOf(focused))
        at = 1;
    const size_t n = panes.size();
    QWidget* to = panes[step > 0 ? (at + 1) % n : (at + n - 1) % n];
    to->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (to == firstButton) panel_->ensureWidgetVisible(to);
}

template <> FormView* makeView(Tolva& w, Program&) {
    return new MainView(w);
}

} // namespace tolva::qt
