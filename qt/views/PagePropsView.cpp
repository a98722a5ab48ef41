// View of page properties: the colour frame (a colour dragged from its list onto a box sets
// that box), the background picture, the margins and the background sound, the buttons and
// the status line. It comes forward where it hides the least of the page, without taking the
// keyboard.
#include "dialogs/PageProps.h"
#include "qt/BufferEdit.h"
#include "qt/FormView.h"
#include "qt/MainView.h"
#include "qt/views/DialogParts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <vector>

namespace tolva::qt {

namespace {

class PagePropsView : public FormView {
public:
    explicit PagePropsView(PageProps& p) : FormView(p), props_(p) {
        Binder& b = binder();
        auto* root = new QVBoxLayout(this);
        root->setSizeConstraint(QLayout::SetFixedSize);

        auto* colours = new QGroupBox(this);
        b.frame(p.Frame1, colours);
        colours->setTitle(tr("Colours"));
        auto* grid = new QGridLayout(colours);
        struct Box {
            forms::Label& label;
            forms::TextBox& box;
        };
        const Box boxes[] = {{p.Label1, p.Text1},
                             {p.Label2, p.Text2},
                             {p.Label3, p.Text3},
                             {p.Label4, p.Text4},
                             {p.Label5, p.Text5}};
        int row = 0;
        for (const Box& c : boxes) {
            auto* edit = new QLineEdit(colours);
            b.lineEdit(c.box, edit);
            edit->setAcceptDrops(true);
            edit->installEventFilter(this);
            drops_.push_back({edit, &c.box});
            // Two columns of label and box.
            grid->addWidget(fieldLabel(b, c.label, edit, colours), row / 2, (row % 2) * 2);
            grid->addWidget(edit, row / 2, (row % 2) * 2 + 1);
            ++row;
        }
        colour_ = new QComboBox(colours);
        b.combo(p.Combo2, colour_);
        grid->addWidget(fieldLabel(b, p.Label6, colour_, colours), 3, 0);
        grid->addWidget(colour_, 3, 1, 1, 3);
        if (colour_->lineEdit()) {
            colour_->lineEdit()->setAccessibleName(colour_->accessibleName());
            colour_->lineEdit()->installEventFilter(this);
            colour_->lineEdit()->setDragEnabled(true);
        }
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        root->addWidget(colours);

        auto* picture = new QGridLayout;
        auto* usePicture = new QCheckBox(this);
        b.check(p.Check1, usePicture);
        auto* location = new QLineEdit(this);
        b.lineEdit(p.Text6, location);
        location->setAccessibleName(QStringLiteral("Background picture location"));
        auto* browsePicture = new QPushButton(this);
        b.button(p.Command1, browsePicture);
        picture->addWidget(usePicture, 0, 0);
        picture->addWidget(location, 0, 1);
        picture->addWidget(browsePicture, 0, 2);
        auto* fixed = new QCheckBox(this);
        b.check(p.Check2, fixed);
        auto* fixedNote = new QLabel(this);
        b.label(p.Label7, fixedNote);
        auto* fixedRow = new QHBoxLayout;
        fixedRow->setSpacing(0);
        fixedRow->addWidget(fixed);
        fixedRow->addWidget(fixedNote);
        fixedRow->addStretch(1);
        fixed->setAccessibleDescription(fixedNote->text().trimmed());
        picture->addLayout(fixedRow, 1, 0, 1, 3);
        picture->setColumnStretch(1, 1);
        root->addLayout(picture);

        auto* frames = new QHBoxLayout;
        auto* margins = new QGroupBox(this);
        b.frame(p.Frame2, margins);
        auto* marginGrid = new QGridLayout(margins);
        numberField(b, p.Label8, p.Text7, p.UpDown1, marginGrid, 0, 0, margins);
        numberField(b, p.Label9, p.Text8, p.UpDown2, marginGrid, 1, 0, margins);
        frames->addWidget(margins);

        auto* sound = new QGroupBox(this);
        b.frame(p.Frame3, sound);
        auto* soundGrid = new QGridLayout(sound);
        field(b, p.Label10, p.Text9, soundGrid, 0, 0, sound);
        auto* browseSound = new QPushButton(sound);
        b.button(p.Command2, browseSound);
        browseSound->setAccessibleDescription(QStringLiteral("Choose a sound file"));
        soundGrid->addWidget(browseSound, 0, 2);
        numberField(b, p.Label11, p.Text10, p.UpDown3, soundGrid, 1, 0, sound);
        soundGrid->setColumnStretch(1, 1);
        frames->addWidget(sound, 1);
        root->addLayout(frames);

        auto* buttons = new QHBoxLayout;
        auto* rollover = new QPushButton(this);
        b.button(p.btnRollover, rollover);
        auto* help = new QToolButton(this);
        b.button(p.picthelpfile, help);
        help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
        help->setToolButtonStyle(Qt::ToolButtonIconOnly);
        auto* ok = new QPushButton(this);
        b.button(p.OKButton, ok);
        buttons->addWidget(rollover);
        buttons->addWidget(help);
        buttons->addStretch(1);
        buttons->addWidget(ok);
        root->addLayout(buttons);

        root->addWidget(b.statusLine(p.StatusBar1, this));

        dialogKeys(this, ok, nullptr);
        setMinimumWidth(440);
        colours->setMouseTracking(true);
    }

protected:
    // Where it hides the least of the page: beside the main window where the screen has
    // room, else over the bottom right of the buffer, where a page's text reaches last.
    QPoint firstPlace(const QWidget& owner) const override {
        QSize self = frameGeometry().size();
        QRect o = owner.frameGeometry();
        QRect screen = owner.screen()->availableGeometry();
        int top = std::max(screen.top(), std::min(o.top() + 90, screen.bottom() - self.height()));
        if (screen.right() - o.right() >= self.width()) return {o.right() + 1, top};
        if (o.left() - screen.left() >= self.width()) return {o.left() - self.width(), top};
        QRect page = o;
        if (const auto* main = qobject_cast<const MainView*>(&owner))
            page = QRect(main->buffer()->mapToGlobal(QPoint(0, 0)), main->buffer()->size());
        // Clear of the buffer's scroll bar.
        const int inset = 24;
        return {std::max(page.left(), page.right() - inset - self.width()),
                std::max(page.top(), page.bottom() - 4 - self.height())};
    }

    // Shown while the main window is still hidden (at start-up), it takes its place once that
    // window shows: only then is there a page to keep clear of.
    void showEvent(QShowEvent* e) override {
        if (QWidget* owner = parentWidget(); owner && !owner->isVisible())
            owner->installEventFilter(this);
        FormView::showEvent(e);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parentWidget() && event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            // After the owner's own show has run its layout.
            QTimer::singleShot(0, this, [this] {
                if (parentWidget()) move(firstPlace(*parentWidget()));
            });
            return false;
        }
        for (const Drop& d : drops_) {
            if (watched != d.edit) continue;
            switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* e = static_cast<QDragMoveEvent*>(event);
                if (!e->mimeData()->hasText()) return false;
                e->acceptProposedAction();
                return true;
            }
            case QEvent::Drop: {
                auto* e = static_cast<QDropEvent*>(event);
                if (!e->mimeData()->hasText()) return false;
                e->acceptProposedAction();
                forms::TextBox* box = d.box;
                binder().invoke([this, box] { props_.colour_OLEDragDrop(*box); });
                return true;
            }
            default:
                return FormView::eventFilter(watched, event);
            }
        }
        if (colour_->lineEdit() && watched == colour_->lineEdit() && dragColour(event)) return true;
        return FormView::eventFilter(watched, event);
    }

private:
    struct Drop {
        QLineEdit* edit;
        forms::TextBox* box;
    };

    // The colour list's text leaves as text: pressed and pulled when nothing in it is
    // selected (a selection drags itself, as any text box's does).
    // True when the drag has run.
    bool dragColour(QEvent* event) {
        QLineEdit* edit = colour_->lineEdit();
        if (event->type() == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() == Qt::LeftButton) pressedAt_ = e->position().toPoint();
        } else if (event->type() == QEvent::MouseMove && pressedAt_) {
            auto* e = static_cast<QMouseEvent*>(event);
            if (!(e->buttons() & Qt::LeftButton)) {
                pressedAt_.reset();
                return false;
            }
            if ((e->position().toPoint() - *pressedAt_).manhattanLength() <
                    QApplication::startDragDistance() ||
                edit->hasSelectedText())
                return false;
            pressedAt_.reset();
            auto* drag = new QDrag(edit);
            auto* mime = new QMimeData;
            mime->setText(colour_->currentText());
            drag->setMimeData(mime);
            drag->exec(Qt::CopyAction);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) pressedAt_.reset();
        return false;
    }

    PageProps& props_;
    QComboBox* colour_ = nullptr;
    std::vector<Drop> drops_;
    std::optional<QPoint> pressedAt_;
};

} // namespace

template <> FormView* makeView(PageProps& w, Program&) {
    return new PagePropsView(w);
}

} // namespace tolva::qt
