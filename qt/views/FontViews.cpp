// The face chooser and the font dialog.
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "qt/FormView.h"
#include "qt/views/DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolva::qt {

namespace {

// Escape answers Cancel, or closes the window when it has none.
class DialogView : public FormView {
public:
    DialogView(forms::Form& f, forms::Button* cancel) : FormView(f), cancel_(cancel) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) {
            if (cancel_)
                binder().invoke([this] { cancel_->click(); });
            else
                close();
            return;
        }
        FormView::keyPressEvent(e);
    }

private:
    forms::Button* cancel_;
};

QLabel* buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(field);
    return l;
}

class FontComboView : public DialogView {
public:
    explicit FontComboView(FontCombo& f) : DialogView(f, nullptr) {
        auto* lay = new QVBoxLayout(this);
        auto* list = new QComboBox(this);
        binder().combo(f.Combo1, list);
        lay->addWidget(buddy(tr("&Font"), list, this));
        lay->addWidget(list);
        auto* preview = new QLabel(this);
        binder().label(f.Label1, preview);
        QFont big = preview->font();
        big.setPointSize(18);
        preview->setFont(big);
        preview->setMinimumHeight(48);
        lay->addWidget(preview);
        auto* set = new QPushButton(this);
        binder().button(f.Command1, set);
        set->setDefault(true);
        lay->addWidget(set, 0, Qt::AlignRight);
        lay->addStretch(1);
        resize(320, 160);
    }
};

class FontyView : public DialogView {
public:
    explicit FontyView(Fonty& f) : DialogView(f, &f.CancelButton) {
        Binder& b = binder();
        auto* lay = new QVBoxLayout(this);
        auto* hint = new QLabel(this);
        hint->setWordWrap(true);
        b.label(f.Label2, hint);
        lay->addWidget(hint);

        auto* text = new QPlainTextEdit(this);
        b.textEdit(f.Text1, text);
        lay->addWidget(buddy(tr("&Text"), text, this));
        lay->addWidget(text, 1);

        auto* toggles = new QHBoxLayout;
        for (forms::Button* t : {&f.bold, &f.italic, &f.underline}) {
            auto* button = new QPushButton(this);
            QFont font = button->font();
            font.setBold(t == &f.bold);
            font.setItalic(t == &f.italic);
            font.setUnderline(t == &f.underline);
            button->setFont(font);
            b.button(*t, button);
            toggles->addWidget(button);
        }
        auto* edit = new QPushButton(this);
        b.button(f.SmartSelect, edit);
        toggles->addStretch(1);
        toggles->addWidget(edit);
        lay->addLayout(toggles);

        auto* form = new QFormLayout;
        NumberBox size = numberBox(b, f.txtfontsize, f.fontsizeUpDown, this);
        size.widget->setMaximumWidth(72);
        size.box->setAccessibleName(QStringLiteral("Size"));
        nameArrows(size, QStringLiteral("Size"));
        form->addRow(buddy(tr("&Size"), size.box, this), size.widget);

        auto* colour = new QComboBox(this);
        b.combo(f.Combo2, colour);
        form->addRow(buddy(tr("&Colour"), colour, this), colour);
        auto* rgbRow = new QHBoxLayout;
        auto* useRgb = new QCheckBox(this);
        b.check(f.Check1, useRgb);
        auto* rgb = new QLineEdit(this);
        b.lineEdit(f.Text3, rgb);
        rgb->setAccessibleName(QStringLiteral("RGB colour code"));
        rgbRow->addWidget(useRgb);
        rgbRow->addWidget(rgb, 1);
        form->addRow(QString(), rgbRow);

        auto* faces = new QComboBox(this);
        b.combo(f.Combo1, faces);
        form->addRow(buddy(tr("F&ace list"), faces, this), faces);
        auto* face = new QLineEdit(this);
        b.lineEdit(f.Text4, face);
        form->addRow(buddy(tr("&Face"), face, this), face);
        lay->addLayout(form);

        auto* buttons = new QHBoxLayout;
        auto* set = new QPushButton(this);
        b.button(f.Command1, set);
        auto* ok = new QPushButton(this);
        b.button(f.OKButton, ok);
        ok->setDefault(true);
        auto* cancel = new QPushButton(this);
        b.button(f.CancelButton, cancel);
        buttons->addWidget(set);
        buttons->addStretch(1);
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        lay->addLayout(buttons);
        resize(440, 480);
    }
};

} // namespace

template <> FormView* makeView(FontCombo& w, Program&) {
    return new FontComboView(w);
}

template <> FormView* makeView(Fonty& w, Program&) {
    return new FontyView(w);
}

} // namespace tolva::qt
