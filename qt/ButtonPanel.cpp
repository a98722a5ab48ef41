// The main window's groups of tag buttons, laid out from the control rows: one group box
// per frame, with the loose controls of a group in a row beside its box.
#include "qt/ButtonPanel.h"

#include "commands/Controls.h"
#include "commands/Panel.h"
#include "core/Tolva.h"
#include "qt/Binder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>
#include <string>
#include <string_view>

namespace tolva::qt {

namespace {

constexpr int kColumns = 4;

// What a screen reader announces for the boxes of the panel, which have no label of their
// own beside them.
QString accessibleName(commands::Id control) {
    using commands::Id;
    static const std::map<Id, const char*> names{
        {Id::txtfontsize, "Font size"},    {Id::Text4, "Font face"},
        {Id::Combo1, "Font face list"},    {Id::Combo2, "Font colour"},
        {Id::Text3, "RGB colour code"},    {Id::headin, "Heading"},
        {Id::Combo3, "Special character"}, {Id::Combo4, "Mouse action"},
    };
    auto it = names.find(control);
    return it == names.end() ? QString() : QString::fromUtf8(it->second);
}

// Builds the widget of one panel entry and binds it; nullptr when the window lacks it.
QWidget* makeControl(Tolva& window, Binder& binder, const commands::Row& e, QWidget* parent) {
    forms::Control* c = window.find(std::string(e.name));
    QWidget* w = nullptr;
    if (auto* text = dynamic_cast<forms::TextBox*>(c)) {
        auto* edit = new QLineEdit(parent);
        binder.lineEdit(*text, edit);
        if (text->maxLength() == 1)
            edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("00") + 16);
        w = edit;
    } else if (auto* spin = dynamic_cast<forms::UpDown*>(c)) {
        auto* pair = new QWidget(parent);
        auto* lay = new QVBoxLayout(pair);
        lay->setContentsMargins(0, 0, 0, 0);
        lay->setSpacing(0);
        auto* up = new QToolButton(pair);
        up->setArrowType(Qt::UpArrow);
        up->setAccessibleName(QStringLiteral("Up"));
        auto* down = new QToolButton(pair);
        down->setArrowType(Qt::DownArrow);
        down->setAccessibleName(QStringLiteral("Down"));
        for (QToolButton* b : {up, down})
            b->setFixedHeight(11);
        lay->addWidget(up);
        lay->addWidget(down);
        binder.upDown(*spin, up, down);
        w = pair;
    } else if (auto* combo = dynamic_cast<forms::ComboBox*>(c)) {
        auto* box = new QComboBox(parent);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(8);
        binder.combo(*combo, box);
        w = box;
    } else if (auto* button = dynamic_cast<forms::Button*>(c)) {
        QAbstractButton* b = nullptr;
        if (button->picture().empty())
            b = new QPushButton(parent);
        else
            b = new QToolButton(parent);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // B, I and U show what they do.
        QFont f = b->font();
        f.setBold(e.id == commands::Id::bold);
        f.setItalic(e.id == commands::Id::italic);
        f.setUnderline(e.id == commands::Id::Underline);
        b->setFont(f);
        binder.button(*button, b);
        w = b;
    }
    if (w) {
        if (QString name = accessibleName(e.id); !name.isEmpty()) w->setAccessibleName(name);
        if (!e.sentence.empty()) w->setAccessibleDescription(toQt(e.sentence));
    }
    return w;
}

bool isWide(QWidget* w) {
    if (qobject_cast<QComboBox*>(w)) return true;
    auto* edit = qobject_cast<QLineEdit*>(w);
    return edit && edit->maxLength() != 1;
}

} // namespace

QWidget* buildButtonPanel(Tolva& window, Binder& binder, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("tagButtons"));
    // Tight buttons keep every group in view beside the buffer without scrolling.
    panel->setStyleSheet(QStringLiteral("QPushButton { padding: 2px 4px; }"));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    for (const panel::Group& g : panel::groups()) {
        auto* frame = dynamic_cast<forms::Frame*>(window.find(std::string(g.frame)));
        if (!frame) continue;
        auto* box = new QGroupBox(panel);
        binder.frame(*frame, box);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(4, 0, 4, 2);
        grid->setSpacing(2);
        auto* loose = new QHBoxLayout;
        loose->setSpacing(2);

        int cell = 0;
        for (const commands::Row& e : commands::rows()) {
            if (e.frame != g.frame) continue;
            QWidget* w = makeControl(window, binder, e, e.inFrame ? box : panel);
            if (!w) continue;
            if (!e.inFrame) {
                loose->addWidget(w, qobject_cast<QComboBox*>(w) ? 1 : 0);
            } else if (isWide(w)) {
                // A list or a box takes a row of its own, with the button that uses it beside
                // it.
                cell = (cell + kColumns - 1) / kColumns * kColumns;
                grid->addWidget(w, cell / kColumns, 0, 1, kColumns - 1);
                cell += kColumns - 1;
            } else {
                grid->addWidget(w, cell / kColumns, cell % kColumns);
                ++cell;
            }
        }
        if (!loose->count()) {
            delete loose;
            column->addWidget(box);
        } else if (g.frame == "fonter") {
            // Bold, italic and underline sit beside the font group, where one looks for them.
            loose->addWidget(box, 1);
            column->addLayout(loose);
        } else {
            column->addWidget(box);
            column->addLayout(loose);
        }
    }
    column->addStretch(1);
    return panel;
}

} // namespace tolva::qt
