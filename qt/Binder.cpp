// Generic binding of model controls to Qt widgets.
#include "qt/Binder.h"

#include "forms/Runtime.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace tolva::qt {

QString toQt(forms::StringView s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

forms::String fromQt(const QString& s) {
    return s.toStdU16String();
}

QString toShown(forms::StringView s) {
    return toShown(toQt(s));
}

QString toShown(QString out) {
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i].isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate())
            ++i;
        else if (out[i].isSurrogate())
            out[i] = QChar::ReplacementCharacter;
    }
    return out;
}

namespace {

// Smallest replacement turning a into b: (start, removed length, inserted text).
struct Diff {
    qsizetype start;
    qsizetype removed;
    QString inserted;
};
Diff diff(const QString& a, const QString& b) {
    qsizetype p = 0;
    qsizetype n = std::min(a.size(), b.size());
    while (p < n && a[p] == b[p])
        ++p;
    qsizetype s = 0;
    while (s < n - p && a[a.size() - 1 - s] == b[b.size() - 1 - s])
        ++s;
    return Diff{p, a.size() - p - s, b.mid(p, b.size() - p - s)};
}

QStringList itemsOf(const forms::ItemList& list) {
    QStringList out;
    out.reserve(list.count());
    for (const auto& item : list.items())
        out.append(toQt(item));
    return out;
}

} // namespace

Binder::Binder(forms::Runtime& runtime, QObject* parent) : QObject(parent), runtime_(runtime) {}

Binder::~Binder() {
    subs_.clear();
    for (const Bound& b : bound_)
        b.widget->removeEventFilter(this);
}

void Binder::invoke(const std::function<void()>& f) {
    runtime_.invoke(f);
}

void Binder::common(forms::Control& c, QWidget* w) {
    QString name = QString::fromStdString(c.name());
    if (c.index() >= 0) name += QString("(%1)").arg(c.index());
    w->setObjectName(name);
    w->setEnabled(c.enabled());
    if (!c.visible()) w->setVisible(false);
    w->setToolTip(toQt(c.toolTip()));
    w->setMouseTracking(true);
    w->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(this);
        bound_.push_back({&c, area->viewport()});
    }
    bound_.push_back({&c, w});
    keep(c.listen([&c, w](forms::Prop p) {
        switch (p) {
        case forms::Prop::Enabled:
            w->setEnabled(c.enabled());
            break;
        case forms::Prop::Visible:
            w->setVisible(c.visible());
            break;
        case forms::Prop::ToolTip:
            w->setToolTip(toQt(c.toolTip()));
            break;
        case forms::Prop::Focus:
            if (c.hasFocus() && !w->hasFocus()) {
                w->activateWindow();
                w->setFocus(Qt::OtherFocusReason);
            }
            break;
        default:
            break;
        }
    }));
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    auto t = event->type();
    if (t != QEvent::MouseMove && t != QEvent::Enter && t != QEvent::FocusIn) return false;
    for (const Bound& b : bound_) {
        if (b.widget != watched) continue;
        forms::Control* c = b.control;
        if (t == QEvent::FocusIn) {
            if (!c->hasFocus()) runtime_.setFocus(c);
        } else if (c->MouseMove) {
            invoke([c] { c->MouseMove(); });
        }
        break;
    }
    return false;
}

void Binder::button(forms::Button& c, QAbstractButton* w) {
    common(c, w);
    auto show = [&c, w] {
        QString text = toQt(c.caption());
        if (!c.picture().empty()) {
            QIcon icon = QIcon::fromTheme(QString::fromStdString(c.picture()));
            if (!icon.isNull()) {
                w->setIcon(icon);
                if (w->toolTip().isEmpty()) w->setToolTip(QString(text).remove('&'));
                text.clear();
            }
        }
        w->setText(text);
    };
    show();
    keep(c.listen([show](forms::Prop p) {
        if (p == forms::Prop::Caption) show();
    }));
    connect(w, &QAbstractButton::clicked, this, [this, &c] { invoke([&c] { c.click(); }); });
}

void Binder::label(forms::Label& c, QLabel* w) {
    common(c, w);
    w->setText(toQt(c.caption()));
    keep(c.listen([&c, w](forms::Prop p) {
        if (p == forms::Prop::Caption)
            w->setText(toQt(c.caption()));
        else if (p == forms::Prop::Font && !c.fontName().empty()) {
            QFont f = w->font();
            f.setFamily(toQt(c.fontName()));
            w->setFont(f);
        }
    }));
}

void Binder::upDown(forms::UpDown& c, QAbstractButton* up, QAbstractButton* down) {
    common(c, up);
    common(c, down);
    QObject::connect(up, &QAbstractButton::clicked, this, [this, &c] { invoke([&c] { c.up(); }); });
    QObject::connect(down, &QAbstractButton::clicked, this,
                     [this, &c] { invoke([&c] { c.down(); }); });
}

namespace {
QColor qtColor(forms::Color c, const QPalette& desktop) {
    if (c == forms::vbWindowBackground) return desktop.color(QPalette::Base);
    if (c == forms::vbWindowFrame) return desktop.color(QPalette::Text);
    if (c & 0x80000000u) return desktop.color(QPalette::Text);
    // Stored as the classic colour values: red in the low byte.
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
} // namespace

void Binder::colors(forms::TextBox& c, QWidget* w) {
    auto apply = [&c, w] {
        QPalette desktop = QApplication::palette(w);
        QPalette p = w->palette();
        p.setColor(QPalette::Base, qtColor(c.backColor(), desktop));
        p.setColor(QPalette::Text, qtColor(c.foreColor(), desktop));
        w->setPalette(p);
    };
    apply();
    keep(c.listen([apply](forms::Prop p) {
        if (p == forms::Prop::Colors) apply();
    }));
}

void Binder::lineEdit(forms::TextBox& c, QLineEdit* w) {
    common(c, w);
    if (c.maxLength() > 0) w->setMaxLength(c.maxLength());
    w->setReadOnly(c.locked());
    w->setText(toQt(c.text()));
    auto pushSelection = [this, &c, w] {
        pushing_ = true;
        if (c.selLength() > 0)
            w->setSelection(c.selStart(), c.selLength());
        else
            w->setCursorPosition(c.selStart());
        pushing_ = false;
    };
    keep(c.listen([this, &c, w, pushSelection](forms::Prop p) {
        if (p == forms::Prop::Text) {
            QString t = toQt(c.text());
            if (w->text() != t) {
                pushing_ = true;
                w->setText(t);
                pushing_ = false;
            }
        } else if (p == forms::Prop::Selection) {
            pushSelection();
        } else if (p == forms::Prop::Enabled) {
            w->setReadOnly(c.locked());
        } else if (p == forms::Prop::Font && !c.fontName().empty()) {
            QFont f = w->font();
            f.setFamily(toQt(c.fontName()));
            w->setFont(f);
        }
    }));
    // Changed, not edited: a screen reader sets the text without typing it.
    connect(w, &QLineEdit::textChanged, this, [this, &c](const QString& now) {
        if (pushing_) return;
        QString was = toQt(c.text());
        if (now == was) return;
        Diff d = diff(was, now);
        invoke([&c, d] {
            c.select(static_cast<int32_t>(d.start), static_cast<int32_t>(d.removed));
            c.userInsert(fromQt(d.inserted));
        });
    });
    connect(w, &QLineEdit::cursorPositionChanged, this, [this, &c, w] {
        if (pushing_) return;
        if (w->hasSelectedText())
            c.select(w->selectionStart(), static_cast<int32_t>(w->selectedText().size()));
        else
            c.select(w->cursorPosition(), 0);
    });
    connect(w, &QLineEdit::selectionChanged, this, [this, &c, w] {
        if (!pushing_ && w->hasSelectedText())
            c.select(w->selectionStart(), static_cast<int32_t>(w->selectedText().size()));
    });
}

void Binder::textEdit(forms::TextBox& c, QPlainTextEdit* w) {
    common(c, w);
    // Tab moves on, as from any box of a dialog: a keyboard user would be caught here.
    w->setTabChangesFocus(true);
    w->setReadOnly(c.locked());
    w->setPlainText(toQt(forms::displayForm(c.text())));
    keep(c.listen([this, &c, w](forms::Prop p) {
        if (p == forms::Prop::Text) {
            QString t = toQt(forms::displayForm(c.text()));
            if (w->toPlainText() != t) {
                pushing_ = true;
                w->setPlainText(t);
                pushing_ = false;
            }
        } else if (p == forms::Prop::Selection && !pushing_) {
            pushing_ = true;
            const auto& s = c.storage();
            QTextCursor cur = w->textCursor();
            cur.setPosition(s.toDisplay(c.selStart()));
            cur.setPosition(s.toDisplay(c.selStart() + c.selLength()), QTextCursor::KeepAnchor);
            w->setTextCursor(cur);
            pushing_ = false;
        }
    }));
    connect(w, &QPlainTextEdit::textChanged, this, [this, &c, w] {
        if (pushing_) return;
        // Line breaks typed here become CR LF, as everywhere in the program.
        QString now = w->toPlainText();
        now.replace(QChar(u'\n'), QStringLiteral("\r\n"));
        Diff d = diff(toQt(c.text()), now);
        pushing_ = true;
        invoke([&c, d] {
            c.select(static_cast<int32_t>(d.start), static_cast<int32_t>(d.removed));
            c.userInsert(fromQt(d.inserted));
        });
        pushing_ = false;
    });
    auto copySelection = [this, &c, w] {
        if (pushing_) return;
        const auto& s = c.storage();
        QTextCursor cur = w->textCursor();
        int32_t a = s.fromDisplay(static_cast<int32_t>(cur.selectionStart()));
        int32_t b = s.fromDisplay(static_cast<int32_t>(cur.selectionEnd()));
        c.select(a, b - a);
    };
    connect(w, &QPlainTextEdit::cursorPositionChanged, this, copySelection);
    connect(w, &QPlainTextEdit::selectionChanged, this, copySelection);
}

void Binder::combo(forms::ComboBox& c, QComboBox* w) {
    common(c, w);
    w->setEditable(c.editable());
    w->setInsertPolicy(QComboBox::NoInsert);
    auto fill = [this, &c, w] {
        pushing_ = true;
        QSignalBlocker block(w);
        w->clear();
        w->addItems(itemsOf(c.list()));
        w->setCurrentIndex(c.listIndex());
        if (w->isEditable()) w->setEditText(toQt(c.text()));
        pushing_ = false;
    };
    fill();
    keep(c.listen([this, &c, w, fill](forms::Prop p) {
        if (p == forms::Prop::List) {
            fill();
        } else if (p == forms::Prop::Text && w->isEditable() &&
                   w->currentText() != toQt(c.text())) {
            pushing_ = true;
            QSignalBlocker block(w);
            w->setEditText(toQt(c.text()));
            pushing_ = false;
        } else if (p == forms::Prop::Selection && w->lineEdit()) {
            w->lineEdit()->setSelection(c.selStart(), c.selLength());
        } else if (p == forms::Prop::Font && !c.fontName().empty()) {
            QFont f = w->font();
            f.setFamily(toQt(c.fontName()));
            w->setFont(f);
        }
    }));
    connect(w, &QComboBox::activated, this,
            [this, &c](int i) { invoke([&c, i] { c.setListIndex(i); }); });
    if (w->isEditable())
        connect(w->lineEdit(), &QLineEdit::textEdited, this, [this, &c](const QString& t) {
            if (!pushing_) invoke([&c, t] { c.userEdit(fromQt(t)); });
        });
}

void Binder::list(forms::ListBox& c, QListWidget* w) {
    common(c, w);
    auto fill = [this, &c, w] {
        pushing_ = true;
        QSignalBlocker block(w);
        w->clear();
        w->addItems(itemsOf(c.list()));
        w->setCurrentRow(c.listIndex());
        pushing_ = false;
    };
    fill();
    // Screen readers read a text box's tool tip as its description, but not a list's.
    auto describe = [&c, w] { w->setAccessibleDescription(toQt(c.toolTip())); };
    describe();
    keep(c.listen([fill, describe](forms::Prop p) {
        if (p == forms::Prop::List)
            fill();
        else if (p == forms::Prop::ToolTip)
            describe();
    }));
    connect(w, &QListWidget::currentRowChanged, this, [this, &c](int row) {
        if (!pushing_) invoke([&c, row] { c.setListIndex(row); });
    });
    // A screen reader or switch access selects an item without making it current: the item
    // selected is the choice, however it was made, and the choice stays selected.
    connect(w, &QListWidget::itemSelectionChanged, this, [this, w] {
        if (pushing_) return;
        const QList<QListWidgetItem*> selected = w->selectedItems();
        int chosen = w->currentRow();
        for (QListWidgetItem* item : selected)
            if (w->row(item) != w->currentRow()) chosen = w->row(item);
        if (chosen >= 0 && (chosen != w->currentRow() || selected.size() != 1))
            w->setCurrentRow(chosen);
    });
}

void Binder::check(forms::CheckBox& c, QCheckBox* w) {
    common(c, w);
    w->setText(toQt(c.caption()));
    w->setChecked(c.value() != 0);
    keep(c.listen([&c, w](forms::Prop p) {
        QSignalBlocker block(w);
        if (p == forms::Prop::Value)
            w->setChecked(c.value() != 0);
        else if (p == forms::Prop::Caption)
            w->setText(toQt(c.caption()));
    }));
    // Toggled, not clicked: a toggle from outside (a screen reader, a program) reaches the
    // model too. The model's own pushes are blocked.
    connect(w, &QCheckBox::toggled, this, [this, &c, w](bool on) {
        if ((c.value() != 0) != on) invoke([&c, on] { c.setValue(on ? 1 : 0); });
        QSignalBlocker block(w);
        w->setChecked(c.value() != 0);
    });
}

void Binder::option(forms::OptionButton& c, QRadioButton* w) {
    // Left auto-exclusive, which is what makes a screen reader call it a radio button; a
    // view whose widget holds more than one group gives each its own QButtonGroup.
    common(c, w);
    w->setText(toQt(c.caption()));
    w->setChecked(c.value());
    keep(c.listen([&c, w](forms::Prop p) {
        QSignalBlocker block(w);
        if (p == forms::Prop::Value)
            w->setChecked(c.value());
        else if (p == forms::Prop::Caption)
            w->setText(toQt(c.caption()));
    }));
    connect(w, &QRadioButton::clicked, this, [this, &c, w] {
        invoke([&c] { c.setValue(true); });
        QSignalBlocker block(w);
        w->setChecked(c.value());
    });
    // Checked without a click (arrow keys in a group, a screen reader's toggle): chosen too.
    connect(w, &QRadioButton::toggled, this, [this, &c](bool on) {
        if (on && !c.value()) invoke([&c] { c.setValue(true); });
    });
}

void Binder::frame(forms::Frame& c, QGroupBox* w) {
    common(c, w);
    w->setTitle(toQt(c.caption()));
    keep(c.listen([&c, w](forms::Prop p) {
        if (p == forms::Prop::Caption) w->setTitle(toQt(c.caption()));
    }));
}

QLabel* Binder::statusLine(forms::StatusBar& c, QWidget* parent) {
    auto* w = new QLabel(parent);
    w->setWordWrap(true);
    w->setFrameShape(QFrame::StyledPanel);
    w->setFrameShadow(QFrame::Sunken);
    w->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w->setMinimumHeight(2 * w->fontMetrics().lineSpacing() + 6);
    common(c, w);
    w->setText(toQt(c.text()));
    keep(c.listen([&c, w](forms::Prop p) {
        if (p == forms::Prop::Text) w->setText(toQt(c.text()));
    }));
    return w;
}

void Binder::progress(forms::ProgressBar& c, QProgressBar* w) {
    common(c, w);
    w->setRange(0, 100);
    w->setValue(c.value());
    keep(c.listen([&c, w](forms::Prop p) {
        if (p == forms::Prop::Value) w->setValue(c.value());
    }));
}

} // namespace tolva::qt
