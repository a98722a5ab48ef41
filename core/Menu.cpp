// The main window's menu tree, and how the window builds and wires it.
#include "core/Menu.h"

#include "core/Tolva.h"

#include <stdexcept>
#include <string>

namespace {

using T = Tolva;

// Items that only call a button's handler point straight at that handler.
const MenuEntry kMenu[] = {
    {0, "File", u"&File", "", nullptr},
    {1, "new", u"&New", "Ctrl+N", &T::new_Click},
    {1, "open", u"&Open", "Ctrl+O", &T::open_Click},
    {1, "save", u"&Save", "Ctrl+S", &T::save_Click},
    {1, "saveas", u"Save &As", "", &T::saveas_Click},
    {1, "preview", u"&Preview", "F5", &T::preview_Click, false, false},
    {1, "exit", u"E&xit", "Ctrl+E", &T::exit_Click},
    {0, "mnuEdit", u"&Edit", "", nullptr},
    {1, "mnucopy", u"Copy", "Ctrl+C", &T::mnucopy_Click},
    {1, "mnucut", u"Cut", "Ctrl+X", &T::mnucut_Click},
    {1, "mnupaste", u"Paste", "Ctrl+V", &T::mnupaste_Click},
    {1, "mnudashh", u"-", "", nullptr},
    {1, "mnufind", u"Find", "Ctrl+F", &T::mnufind_Click},
    {1, "mnufindnext", u"Find Next", "F3", &T::mnufindnext_Click},
    {1, "mnuReplace", u"&Replace", "", &T::mnuReplace_Click},
    {1, "mnudashe", u"-", "", nullptr},
    {1, "mnuLcase", u"Lower Case", "", &T::mnuLcase_Click},
    {1, "mnuUcase", u"Upper Case", "", &T::mnuUcase_Click},
    {1, "mnuIcase", u"Inverted Case", "", &T::mnuIcase_Click},
    {1, "mnutitlecase", u"Title Case", "", &T::mnutitlecase_Click},
    {1, "mnusentencecase", u"Sentence Case", "", &T::mnusentencecase_Click},
    {1, "mnudashd", u"-", "", nullptr},
    {1, "mnuselectall", u"Select All", "Ctrl+A", &T::mnuselectall_Click},
    {0, "formata", u"F&ormat", "", nullptr},
    {1, "bolda", u"&Bold", "Ctrl+B", &T::bold_Click},
    {1, "italica", u"&Italics", "Ctrl+I", &T::italic_Click},
    {1, "underlinea", u"&Underline", "Ctrl+U", &T::Underline_Click},
    {1, "mnufont", u"Font....", "Shift+F1", &T::BeginFont_Click},
    {1, "mnusuperscript", u"Superscript", "", &T::sup_Click},
    {1, "mnusubscript", u"Subscript", "", &T::Subs_Click},
    {1, "highlighta", u"&Highlight", "", &T::highlight_Click},
    {1, "mnudashb", u"-", "", nullptr},
    {1, "mnuindent", u"Indent selected", "", &T::mnuindent_Click},
    {1, "mnutabby", u"Tabify", "", &T::mnutabby_Click},
    {1, "quickformata", u"&Quick format", "", &T::quickformat_Click},
    {1, "mnuhider", u"Hide", "Ctrl+H", &T::mnuhider_Click},
    {0, "inserta", u"&Insert", "", nullptr},
    {1, "hra", u"&Horizontal Rule", "", &T::rule_Click},
    {1, "bulleta", u"&Bullets", "", &T::Bullet_Click},
    {1, "numberinga", u"&Numbering", "", &T::numberings_Click},
    {1, "mnuhyperlink", u"&Hyperlink", "Ctrl+K", &T::linker_Click},
    {1, "mnulinkmail", u"Link to mail id", "", &T::Mail_Click},
    {1, "mnubookmark", u"Bookmark", "Ctrl+G", &T::mnubookmark_Click},
    {1, "breaka", u"B&reak", "", nullptr},
    {2, "linebreaka", u"&Line Break", "", &T::InsertLineBreak},
    {2, "wbreaka", u"&Word Break", "", &T::InsertWordBreak},
    {2, "nobra", u"&No Break", "", &T::InsertNoBreak},
    {1, "mnudasha", u"-", "", nullptr},
    {1, "forma", u"&Form", "", nullptr},
    {2, "insertform", u"&Form", "", &T::formesh_Click},
    {2, "button", u"B&utton", "", &T::buttoner_Click},
    {2, "textboxa", u"&Text Box", "", &T::Textbox_Click},
    {2, "passworda", u"Pass&word", "", &T::passwords_Click},
    {2, "radioa", u"&Radio", "", &T::radios_Click},
    {2, "checkboxa", u"&Checkbox", "", &T::Checkbox_Click},
    {2, "submita", u"&Submit", "", &T::Submitter_Click},
    {2, "reseta", u"R&eset", "", &T::resettor_Click},
    {2, "textareaa", u"Text &Area", "", &T::textarea_Click},
    {2, "pulldownlista", u"Pull &Down List", "", &T::puller_Click},
    {2, "legenda", u"&Legend", "", &T::legend_Click},
    {2, "Fieldseta", u"F&ieldset", "", &T::fieldset_Click},
    {2, "Selecta", u"Selec&t", "", &T::selecter_Click},
    {1, "mnudashc", u"-", "", nullptr},
    {1, "imagea", u"Image", "", &T::Images_Click},
    {1, "mnusounda", u"Sound", "", nullptr},
    {2, "sounda", u"Sound File", "", &T::sound_Click},
    {2, "musica", u"Music File", "", &T::music_Click},
    {2, "moviea", u"Movie Clip", "", &T::clipper_Click},
    {1, "commenta", u"Comment", "", &T::comment_Click},
    {1, "defna", u"Definition", "", &T::defn_Click},
    {1, "mnuparagraph", u"Paragraph", "", &T::P_Click},
    {0, "tablea", u"&Table", "", nullptr},
    {1, "tableb", u"Insert Table", "", &T::Table_Click},
    {1, "rowa", u"Row", "", &T::Row_Click},
    {1, "cella", u"Cell", "", &T::Column_Click},
    {1, "headt", u"Heading", "", &T::header_Click},
    {0, "Extraa", u"E&xtra", "", nullptr},
    {1, "strikea", u"Strike", "", &T::Strike_Click},
    {1, "abbra", u"Abbreviation", "", &T::Abbr_Click},
    {1, "biga", u"Big (Font)", "", &T::big_Click},
    {1, "smalla", u"Small (Font)", "", &T::small_Click},
    {1, "spcla", u"Special", "", nullptr},
    {2, "marqueea", u"Marquee (IE only)", "", &T::marquee_Click},
    {2, "blinka", u"Blink (Netscape only)", "", &T::Blink_Click},
    {1, "mnuothers", u"Others", "", nullptr},
    {2, "mnurectbox", u"Rectangular Box", "", &T::mnurectbox_Click},
    {0, "mnuoptions", u"Option&s", "", nullptr},
    {1, "mnuautocorrect", u"Auto Complete", "", &T::mnuautocorrect_Click, true},
    {1, "mnuassistant", u"Assistant", "", &T::mnuassistant_Click, true},
    {1, "mnuautodel", u"Auto Delete", "Shift+Del", &T::mnuautodel_Click},
    {1, "mnutruecorrect", u"Smart Correct", "Ctrl+F5", &T::mnutruecorrect_Click},
    {1, "mnusmartselect", u"Smart Select", "Ctrl+F12", &T::mnusmartselect_Click},
    {1, "mnutevcmd", u"TevCmd", "F4", &T::mnutevcmd_Click},
    {1, "mnurestore", u"Restore", "", nullptr},
    {2, "mnucrestore", u"Create &Restore", "", nullptr},
    {3, "mnucrestore1", u"Restore Point 1", "", &T::mnucrestore1_Click},
    {3, "mnucrestore2", u"Restore Point 2", "", &T::mnucrestore2_Click},
    {3, "mnucrestore3", u"Restore Point 3", "", &T::mnucrestore3_Click},
    {2, "mnurrestore", u"Use Restore", "", nullptr},
    {3, "mnurrestore1", u"Restore Point 1", "", &T::mnurrestore1_Click},
    {3, "mnurrestore2", u"Restore Point 2", "", &T::mnurrestore2_Click},
    {3, "mnurrestore3", u"Restore Point 3", "", &T::mnurrestore3_Click},
    {1, "mnuautosave", u"AutoSave (5 Seconds)", "", &T::mnuautosave_Click},
    {1, "mnudashg", u"-", "", nullptr},
    {1, "mnutmpclip", u"Temporary ClipBoard", "", nullptr},
    {2, "mnuMaster", u"Master Temporary Clipboard", "Ctrl+M", &T::mnuMaster_Click},
    {2, "mnucopytotemp", u"Copy", "Ctrl+D", &T::mnucopytotemp_Click},
    {2, "mnupastetmp", u"Paste", "F2", &T::mnupastetmp_Click},
    {2, "mnutmprem", u"Remove Item", "", &T::mnutmprem_Click},
    {2, "mnucleartemp", u"Clear Temporary Clipboard", "", &T::mnucleartemp_Click},
    {2, "mnuslowpaste", u"Slow Paste (with undo buffer)", "", &T::mnuslowpaste_Click},
    {2, "mnualphasort", u"Alphabetical Sorting", "", nullptr, true, false},
    {1, "mnubookmarks", u"Bookmarks", "", &T::mnubookmarks_Click},
    {1, "mnupageproperties", u"Page Properties", "", &T::mnupageproperties_Click},
    {0, "help", u"&Help", "", nullptr},
    {1, "helpa", u"Help", "F1", &T::helpa_Click},
    {1, "about", u"About", "", &T::about_Click},
};

} // namespace

std::span<const MenuEntry> menuTable() {
    return kMenu;
}

std::vector<std::unique_ptr<forms::MenuItem>> Tolva::buildMenu(Tolva& w) {
    std::vector<std::unique_ptr<forms::MenuItem>> items;
    std::vector<forms::MenuItem*> open; // the last item of each level
    for (const MenuEntry& e : kMenu) {
        auto item = std::make_unique<forms::MenuItem>(w, e.name, e.caption, e.shortcut);
        item->setChecked(e.checked);
        item->setEnabled(e.enabled);
        open.resize(static_cast<size_t>(e.level));
        if (e.level == 0)
            w.menuBar.push_back(item.get());
        else
            open.back()->addChild(*item);
        open.push_back(item.get());
        items.push_back(std::move(item));
    }
    return items;
}

void Tolva::wireMenu() {
    size_t i = 0;
    for (const MenuEntry& e : kMenu) {
        forms::MenuItem& item = *menuItems_[i++];
        if (e.handler) item.Click = [this, h = e.handler] { (this->*h)(); };
    }
}

forms::MenuItem& Tolva::menu(std::string_view name) const {
    for (const auto& item : menuItems_)
        if (item->name() == name) return *item;
    throw std::logic_error("no menu item " + std::string(name));
}
