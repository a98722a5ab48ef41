// The button groups of the main window and the dressing of its buttons.
#include "commands/Panel.h"

#include "commands/Commands.h"
#include "commands/Controls.h"
#include "commands/Formatting.h"
#include "commands/HelpTexts.h"
#include "core/Tolva.h"

namespace panel {

namespace {

const Group kGroups[] = {
    {"General", u"General"}, {"fonter", u"Font Editting"}, {"former", u"Forms"},
    {"tabular", u"Table"},   {"extras", u"Extras"},        {"misc", u"Misc"},
    {"align", u"Align"},     {"special", u"Special"},
};

} // namespace

std::span<const Group> groups() {
    return kGroups;
}

void build(Tolva& w) {
    for (const Group& g : kGroups)
        if (auto* f = dynamic_cast<forms::Frame*>(w.find(std::string(g.frame))))
            f->setCaption(g.caption);
    for (const commands::Row& r : commands::rows()) {
        auto* b = dynamic_cast<forms::Button*>(w.find(std::string(r.name)));
        if (!b) continue;
        if (!r.caption.empty()) b->setCaption(r.caption);
        if (!r.picture.empty()) b->setPicture(std::string(r.picture));
        b->Click = [&w, id = r.id] { commands::run(w, id); };
    }

    w.headin.setText(u"Insert Heading");
    for (int k = 1; k <= 6; ++k) {
        forms::String d = forms::number(k);
        w.headin.addItem(u"<H" + d + u" ALIGN=\"LEFT\">Level " + d + u" Heading comes here</H" + d +
                         u">");
    }
    w.Combo4.setText(u"Mouse Action");
    for (forms::StringView a : {u"onClick", u"onMouseOver", u"onMouseOut"})
        w.Combo4.addItem(a);
    fillSpecialCharacters(w.Combo3);
    w.Combo3.Click = [&w] { w.helper.setText(u"Choose a special character"); };

    helpline::apply(w);
}

} // namespace panel
