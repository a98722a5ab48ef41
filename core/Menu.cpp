// The main window's menu tree, and how the window builds and wires it.
#include "core/Menu.h"

#include "commands/Commands.h"
#include "core/Tolva.h"

#include <stdexcept>
#include <string>

namespace {

// Items that do what a button does name the button's command.
const MenuEntry kMenu[] = {
    {0, "File", u"&File", "", ""},
    {1, "new", u"&New", "Ctrl+N", "new"},
    {1, "open", u"&Open", "Ctrl+O", "open"},
    {1, "save", u"&Save", "Ctrl+S", "save"},
    {1, "saveas", u"Save &As", "", "saveas"},
    {1, "preview", u"&Preview", "F5", "preview", false, false},
    {1, "exit", u"E&xit", "Ctrl+E", "exit"},
    {0, "mnuEdit", u"&Edit", "", ""},
    {1, "mnucopy", u"Copy", "Ctrl+C", "mnucopy"},
    {1, "mnucut", u"Cut", "Ctrl+X", "mnucut"},
    {1, "mnupaste", u"Paste", "Ctrl+V", "mnupaste"},
    {1, "mnudashh", u"-", "", ""},
    {1, "mnufind", u"Find", "Ctrl+F", "mnufind"},
    {1, "mnufindnext", u"Find Next", "F3", "mnufindnext"},
    {1, "mnuReplace", u"&Replace", "", "mnuReplace"},
    {1, "mnudashe", u"-", "", ""},
    {1, "mnuLcase", u"Lower Case", "", "mnuLcase"},
    {1, "mnuUcase", u"Upper Case", "", "mnuUcase"},
    {1, "mnuIcase", u"Inverted Case", "", "mnuIcase"},
    {1, "mnutitlecase", u"Title Case", "", "mnutitlecase"},
    {1, "mnusentencecase", u"Sentence Case", "", "mnusentencecase"},
    {1, "mnudashd", u"-", "", ""},
    {1, "mnuselectall", u"Select All", "Ctrl+A", "mnuselectall"},
    {0, "formata", u"F&ormat", "", ""},
    {1, "bolda", u"&Bold", "Ctrl+B", "bold"},
    {1, "italica", u"&Italics", "Ctrl+I", "italic"},
    {1, "underlinea", u"&Underline", "Ctrl+U", "Underline"},
    {1, "mnufont", u"Font....", "Shift+F1", "BeginFont"},
    {1, "mnusuperscript", u"Superscript", "", "sup"},
    {1, "mnusubscript", u"Subscript", "", "Subs"},
    {1, "highlighta", u"&Highlight", "", "highlight"},
    {1, "mnudashb", u"-", "", ""},
    {1, "mnuindent", u"Indent selected", "", "mnuindent"},
    {1, "mnutabby", u"Tabify", "", "mnutabby"},
    {1, "quickformata", u"&Quick format", "", "quickformat"},
    {1, "mnuhider", u"Hide", "Ctrl+H", "mnuhider"},
    {0, "inserta", u"&Insert", "", ""},
    {1, "hra", u"&Horizontal Rule", "", "rule"},
    {1, "bulleta", u"&Bullets", "", "Bullet"},
    {1, "numberinga", u"&Numbering", "", "numberings"},
    {1, "mnuhyperlink", u"&Hyperlink", "Ctrl+K", "linker"},
    {1, "mnulinkmail", u"Link to mail id", "", "Mail"},
    {1, "mnubookmark", u"Bookmark", "Ctrl+G", "mnubookmark"},
    {1, "breaka", u"B&reak", "", ""},
    {2, "linebreaka", u"&Line Break", "", "linebreaka"},
    {2, "wbreaka", u"&Word Break", "", "wbreaka"},
    {2, "nobra", u"&No Break", "", "nobra"},
    {1, "mnudasha", u"-", "", ""},
    {1, "forma", u"&Form", "", ""},
    {2, "insertform", u"&Form", "", "formesh"},
    {2, "button", u"B&utton", "", "buttoner"},
    {2, "textboxa", u"&Text Box", "", "Textbox"},
    {2, "passworda", u"Pass&word", "", "passwords"},
    {2, "radioa", u"&Radio", "", "radios"},
    {2, "checkboxa", u"&Checkbox", "", "Checkbox"},
    {2, "submita", u"&Submit", "", "Submitter"},
    {2, "reseta", u"R&eset", "", "resettor"},
    {2, "textareaa", u"Text &Area", "", "textarea"},
    {2, "pulldownlista", u"Pull &Down List", "", "puller"},
    {2, "legenda", u"&Legend", "", "legend"},
    {2, "Fieldseta", u"F&ieldset", "", "fieldset"},
    {2, "Selecta", u"Selec&t", "", "selecter"},
    {1, "mnudashc", u"-", "", ""},
    {1, "imagea", u"Image", "", "Images"},
    {1, "mnusounda", u"Sound", "", ""},
    {2, "sounda", u"Sound File", "", "sound"},
    {2, "musica", u"Music File", "", "music"},
    {2, "moviea", u"Movie Clip", "", "clipper"},
    {1, "commenta", u"Comment", "", "comment"},
    {1, "defna", u"Definition", "", "defn"},
    {1, "mnuparagraph", u"Paragraph", "", "P"},
    {0, "tablea", u"&Table", "", ""},
    {1, "tableb", u"Insert Table", "", "Table"},
    {1, "rowa", u"Row", "", "Row"},
    {1, "cella", u"Cell", "", "Column"},
    {1, "headt", u"Heading", "", "header"},
    {0, "Extraa", u"E&xtra", "", ""},
    {1, "strikea", u"Strike", "", "Strike"},
    {1, "abbra", u"Abbreviation", "", "Abbr"},
    {1, "biga", u"Big (Font)", "", "big"},
    {1, "smalla", u"Small (Font)", "", "small"},
    {1, "spcla", u"Special", "", ""},
    {2, "marqueea", u"Marquee (IE only)", "", "marquee"},
    {2, "blinka", u"Blink (Netscape only)", "", "Blink"},
    {1, "mnuothers", u"Others", "", ""},
    {2, "mnurectbox", u"Rectangular Box", "", "mnurectbox"},
    {0, "mnuoptions", u"Option&s", "", ""},
    {1, "mnuautocorrect", u"Auto Complete", "", "mnuautocorrect", true},
    {1, "mnuassistant", u"Assistant", "", "mnuassistant", true},
    {1, "mnuautodel", u"Auto Delete", "Shift+Del", "mnuautodel"},
    {1, "mnutruecorrect", u"Smart Correct", "Ctrl+F5", "mnutruecorrect"},
    {1, "mnusmartselect", u"Smart Select", "Ctrl+F12", "mnusmartselect"},
    {1, "mnutevcmd", u"TevCmd", "F4", "mnutevcmd"},
    {1, "mnurestore", u"Restore", "", ""},
    {2, "mnucrestore", u"Create &Restore", "", ""},
    {3, "mnucrestore1", u"Restore Point 1", "", "mnucrestore1"},
    {3, "mnucrestore2", u"Restore Point 2", "", "mnucrestore2"},
    {3, "mnucrestore3", u"Restore Point 3", "", "mnucrestore3"},
    {2, "mnurrestore", u"Use Restore", "", ""},
    {3, "mnurrestore1", u"Restore Point 1", "", "mnurrestore1"},
    {3, "mnurrestore2", u"Restore Point 2", "", "mnurrestore2"},
    {3, "mnurrestore3", u"Restore Point 3", "", "mnurrestore3"},
    {1, "mnuautosave", u"AutoSave (5 Seconds)", "", "mnuautosave"},
    {1, "mnudashg", u"-", "", ""},
    {1, "mnutmpclip", u"Temporary ClipBoard", "", ""},
    {2, "mnuMaster", u"Master Temporary Clipboard", "Ctrl+M", "mnuMaster"},
    {2, "mnucopytotemp", u"Copy", "Ctrl+D", "mnucopytotemp"},
    {2, "mnupastetmp", u"Paste", "F2", "mnupastetmp"},
    {2, "mnutmprem", u"Remove Item", "", "mnutmprem"},
    {2, "mnucleartemp", u"Clear Temporary Clipboard", "", "mnucleartemp"},
    {2, "mnuslowpaste", u"Slow Paste (with undo buffer)", "", "mnuslowpaste"},
    {2, "mnualphasort", u"Alphabetical Sorting", "", "", true, false},
    {1, "mnubookmarks", u"Bookmarks", "", "mnubookmarks"},
    {1, "mnupageproperties", u"Page Properties", "", "mnupageproperties"},
    {0, "help", u"&Help", "", ""},
    {1, "helpa", u"Help", "F1", "helpa"},
    {1, "about", u"About", "", "about"},
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
        if (!e.command.empty()) item.Click = [this, c = e.command] { commands::run(*this, c); };
    }
}

forms::MenuItem& Tolva::menu(std::string_view name) const {
    for (const auto& item : menuItems_)
        if (item->name() == name) return *item;
    throw std::logic_error("no menu item " + std::string(name));
}
