// The button groups of the main window.
#include "commands/Panel.h"

#include "commands/Commands.h"
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

const Entry kEntries[] = {
    {"numberings", "General", true, u"Numbered"},
    {"Bullet", "General", true, u"Bullets"},
    {"Points", "General", true, u"Point"},
    {"linker", "General", true, u"Link"},
    {"Mail", "General", true, u"Mail"},
    {"Images", "General", true, u"Image"},
    {"rule", "General", true, u"Rule"},
    {"comment", "General", true, u"Comment"},
    {"highlight", "General", true, u"Highlight"},
    {"tt", "General", true, u"TT"},
    {"music", "General", true, u"Music"},
    {"object", "General", true, u"Object"},
    {"KBD", "General", true, u"KBD"},
    {"P", "General", true, u"P"},
    {"Pre", "General", true, u"PRE"},
    {"Subs", "General", true, u"Sub"},
    {"sup", "General", true, u"Sup"},
    {"Combo4", "General", false, u"", false},
    {"insert", "General", false, u"Mouse link", true, "insert-link"},

    {"bold", "fonter", false, u"B"},
    {"italic", "fonter", false, u"I"},
    {"Underline", "fonter", false, u"U"},
    {"txtfontsize", "fonter", true, u"", false},
    {"fontsizeUpDown", "fonter", true, u"", false},
    {"btnfontsize", "fonter", true, u"Size"},
    {"Text4", "fonter", true, u"", false},
    {"command6", "fonter", true, u"Face"},
    {"Combo1", "fonter", true, u"", false},
    {"btnmorefonts", "fonter", true, u"..."},
    {"Combo2", "fonter", true, u"", false},
    {"colour_setter", "fonter", true, u"Colour"},
    {"Text3", "fonter", true, u"", false},
    {"command5", "fonter", true, u"RGB"},
    {"BeginFont", "fonter", true, u"Fonts editting ......"},

    {"formesh", "former", true, u"Form"},
    {"Textbox", "former", true, u"Text box"},
    {"passwords", "former", true, u"Password"},
    {"textarea", "former", true, u"Text area"},
    {"buttoner", "former", true, u"Button"},
    {"browse", "former", true, u"Browse"},
    {"Checkbox", "former", true, u"Checkbox"},
    {"radios", "former", true, u"Radio"},
    {"resettor", "former", true, u"Reset"},
    {"Submitter", "former", true, u"Submit"},
    {"selecter", "former", true, u"List"},
    {"puller", "former", true, u"Drop down"},
    {"fieldset", "former", true, u"Fieldset"},
    {"legend", "former", true, u"Legend"},

    {"Table", "tabular", true, u"Table"},
    {"Row", "tabular", true, u"Row"},
    {"Column", "tabular", true, u"Cell"},
    {"header", "tabular", true, u"Heading"},

    {"Strike", "extras", true, u"Strike"},
    {"sound", "extras", true, u"Sound"},
    {"clipper", "extras", true, u"Movie"},
    {"quote", "extras", true, u"Quote"},
    {"code", "extras", true, u"Code"},
    {"big", "extras", true, u"Big"},
    {"small", "extras", true, u"Small"},
    {"strong", "extras", true, u"Strong"},
    {"Abbr", "extras", true, u"Abbr"},
    {"emphasis", "extras", true, u"Emphasis"},

    {"applet", "misc", true, u"Applet"},
    {"framz", "misc", true, u"Frames"},
    {"script", "misc", true, u"Script"},
    {"style", "misc", true, u"Style"},
    {"address", "misc", true, u"Address"},
    {"fileupload", "misc", true, u"Upload"},
    {"defn", "misc", true, u"Definition"},
    {"headin", "misc", true, u"", false},
    {"InsertHead", "misc", true, u"Insert"},

    {"left", "align", true, u"Left"},
    {"centre", "align", true, u"Centre"},
    {"right", "align", true, u"Right"},
    {"justify", "align", true, u"Justify"},

    {"marquee", "special", true, u"Marquee"},
    {"Blink", "special", true, u"Blink"},
    {"quickformat", "special", true, u"Quick format"},
    {"Combo3", "special", false, u"", false},
    {"specialcharacter", "special", false, u"Set!"},
};

} // namespace

std::span<const Group> groups() {
    return kGroups;
}

std::span<const Entry> entries() {
    return kEntries;
}

void build(Tolva& w) {
    for (const Group& g : kGroups)
        if (auto* f = dynamic_cast<forms::Frame*>(w.find(std::string(g.frame))))
            f->setCaption(g.caption);
    for (const Entry& e : kEntries) {
        auto* b = dynamic_cast<forms::Button*>(w.find(std::string(e.control)));
        if (!b || !e.command) continue;
        b->setCaption(e.caption);
        if (!e.picture.empty()) b->setPicture(std::string(e.picture));
        b->Click = [&w, name = e.control] { commands::run(w, name); };
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
