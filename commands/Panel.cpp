// The button groups of the main window.
#include "commands/Panel.h"

#include "core/Tolva.h"

namespace panel {

namespace {

using T = Tolva;

const Group kGroups[] = {
    {"General", u"General"}, {"fonter", u"Font Editting"}, {"former", u"Forms"},
    {"tabular", u"Table"},   {"extras", u"Extras"},        {"misc", u"Misc"},
    {"align", u"Align"},     {"special", u"Special"},
};

const Entry kEntries[] = {
    {"numberings", "General", true, u"Numbered", &T::numberings_Click},
    {"Bullet", "General", true, u"Bullets", &T::Bullet_Click},
    {"Points", "General", true, u"Point", &T::Points_Click},
    {"linker", "General", true, u"Link", &T::linker_Click},
    {"Mail", "General", true, u"Mail", &T::Mail_Click},
    {"Images", "General", true, u"Image", &T::Images_Click},
    {"rule", "General", true, u"Rule", &T::rule_Click},
    {"comment", "General", true, u"Comment", &T::comment_Click},
    {"highlight", "General", true, u"Highlight", &T::highlight_Click},
    {"tt", "General", true, u"TT", &T::tt_Click},
    {"music", "General", true, u"Music", &T::music_Click},
    {"object", "General", true, u"Object", &T::object_Click},
    {"KBD", "General", true, u"KBD", &T::KBD_Click},
    {"P", "General", true, u"P", &T::P_Click},
    {"Pre", "General", true, u"PRE", &T::Pre_Click},
    {"Subs", "General", true, u"Sub", &T::Subs_Click},
    {"sup", "General", true, u"Sup", &T::sup_Click},
    {"Combo4", "General", false, u"", nullptr},
    {"insert", "General", false, u"Mouse link", &T::insert_Click, "insert-link"},

    {"bold", "fonter", false, u"B", &T::bold_Click},
    {"italic", "fonter", false, u"I", &T::italic_Click},
    {"Underline", "fonter", false, u"U", &T::Underline_Click},
    {"BeginFont", "fonter", true, u"Fonts editting ......", &T::BeginFont_Click},

    {"formesh", "former", true, u"Form", &T::formesh_Click},
    {"Textbox", "former", true, u"Text box", &T::Textbox_Click},
    {"passwords", "former", true, u"Password", &T::passwords_Click},
    {"textarea", "former", true, u"Text area", &T::textarea_Click},
    {"buttoner", "former", true, u"Button", &T::buttoner_Click},
    {"browse", "former", true, u"Browse", &T::browse_Click},
    {"Checkbox", "former", true, u"Checkbox", &T::Checkbox_Click},
    {"radios", "former", true, u"Radio", &T::radios_Click},
    {"resettor", "former", true, u"Reset", &T::resettor_Click},
    {"Submitter", "former", true, u"Submit", &T::Submitter_Click},
    {"selecter", "former", true, u"List", &T::selecter_Click},
    {"puller", "former", true, u"Drop down", &T::puller_Click},
    {"fieldset", "former", true, u"Fieldset", &T::fieldset_Click},
    {"legend", "former", true, u"Legend", &T::legend_Click},

    {"Table", "tabular", true, u"Table", &T::Table_Click},
    {"Row", "tabular", true, u"Row", &T::Row_Click},
    {"Column", "tabular", true, u"Cell", &T::Column_Click},
    {"header", "tabular", true, u"Heading", &T::header_Click},

    {"Strike", "extras", true, u"Strike", &T::Strike_Click},
    {"sound", "extras", true, u"Sound", &T::sound_Click},
    {"clipper", "extras", true, u"Movie", &T::clipper_Click},
    {"quote", "extras", true, u"Quote", &T::quote_Click},
    {"code", "extras", true, u"Code", &T::code_Click},
    {"big", "extras", true, u"Big", &T::big_Click},
    {"small", "extras", true, u"Small", &T::small_Click},
    {"strong", "extras", true, u"Strong", &T::strong_Click},
    {"Abbr", "extras", true, u"Abbr", &T::Abbr_Click},
    {"emphasis", "extras", true, u"Emphasis", &T::emphasis_Click},

    {"applet", "misc", true, u"Applet", &T::applet_Click},
    {"framz", "misc", true, u"Frames", &T::framz_Click},
    {"script", "misc", true, u"Script", &T::script_Click},
    {"style", "misc", true, u"Style", &T::style_Click},
    {"address", "misc", true, u"Address", &T::address_Click},
    {"fileupload", "misc", true, u"Upload", &T::fileupload_Click},
    {"defn", "misc", true, u"Definition", &T::defn_Click},
    {"headin", "misc", true, u"", nullptr},
    {"InsertHead", "misc", true, u"Insert", &T::InsertHead_Click},

    {"left", "align", true, u"Left", &T::left_Click},
    {"centre", "align", true, u"Centre", &T::centre_Click},
    {"right", "align", true, u"Right", &T::right_Click},
    {"justify", "align", true, u"Justify", &T::justify_Click},

    {"marquee", "special", true, u"Marquee", &T::marquee_Click},
    {"Blink", "special", true, u"Blink", &T::Blink_Click},
    {"quickformat", "special", true, u"Quick format", &T::quickformat_Click},
    {"Combo3", "special", false, u"", nullptr},
    {"specialcharacter", "special", false, u"Set!", &T::specialcharacter_Click},
};

} // namespace

std::span<const Group> groups() {
    return kGroups;
}

std::span<const Entry> entries() {
    return kEntries;
}

} // namespace panel
