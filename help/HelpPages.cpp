// The help pages.
#include "help/HelpPages.h"

#include "assistant/TypingAssistant.h"
#include "commands/CommandBox.h"
#include "commands/Commands.h"
#include "commands/HelpTexts.h"
#include "commands/Menus.h"
#include "commands/Panel.h"

#include <vector>

using forms::String;
using forms::StringView;

namespace help {

namespace {

constexpr StringView kBreak = u"\r\n\r\n";

const Topic kGeneral[] = {
    {u"Numbering", u"Numbering - ", "numberings",
     u"   The list dialog asks for the number of points and the kind of numbering, and writes the "
     u"list with its points.",
     "numberinga"},
    {u"Bullets", u"Bullets - ", "Bullet",
     u"   The list dialog asks for the number of points and the kind of bullet, and writes the "
     u"list with its points.",
     "bulleta"},
    {u"Point", u"Point - ", "Points", u"", ""},
    {u"Hyperlink", u"Hyperlink - ", "linker",
     u"   The link dialog asks for the address, the text to display, a screen tip and a target "
     u"frame.",
     "mnuhyperlink"},
    {u"Mail", u"Mail - ", "Mail",
     u"   The link dialog, in mail mode, asks for the mail address, a subject and a screen tip.",
     "mnulinkmail"},
    {u"Image", u"Image - ", "Images",
     u"   The image dialog asks for the picture, its alternate text, alignment, border and, when "
     u"\"Enter Dimensions\" is ticked, its height and width.",
     "imagea"},
    {u"Horizontal Rule", u"Horizontal Rule - ", "rule",
     u"   The rule dialog sets the width, size, colour, alignment and shade of the rule.", "hra"},
    {u"Comments", u"Comments - ", "comment", u"", "commenta"},
    {u"Highlight", u"Highlight - ", "highlight", u"", "highlighta"},
    {u"Typewriter Font", u"Typewriter Font - ", "tt", u"", ""},
    {u"Music", u"Music - ", "music", u"   Choose the music file in the dialog that opens.",
     "musica"},
    {u"Object", u"Object - ", "object",
     u"   The object dialog asks for the source, its size and the text shown where objects are "
     u"not supported.",
     ""},
    {u"Keyboard <KBD>", u"Keyboard <KBD> - ", "KBD", u"", ""},
    {u"Paragraph", u"Paragraph - ", "P", u"", "mnuparagraph"},
    {u"Preformat", u"Preformat - ", "Pre", u"", ""},
    {u"Subscript", u"Subscript - ", "Subs", u"", "mnusubscript"},
    {u"Superscript", u"Superscript - ", "sup", u"", "mnusuperscript"},
};

const Topic kFonts[] = {
    {u"Font Face", u"Font Face:", "command6",
     u"   Enter or choose a face and click the face icon. Without a selection the first click "
     u"opens a font tag and the second closes it. \"...\" lists every font of this computer.",
     ""},
    {u"Font Size", u"Font Size:", "btnfontsize",
     u"   Sizes go from 1 to 7. Without a selection the first click opens a font tag and the "
     u"second closes it.",
     ""},
    {u"Font Colour", u"Font Colour:", "colour_setter",
     u"   Choose a named colour, or enter six letters of an RGB code and click the RGB icon.", ""},
    {u"Multi editting/Font editting....", u"Font editting:", "BeginFont",
     u"   The font dialog edits a copy of the selection: bold, italic, underline and one font tag "
     u"of the size, colour and face you changed. \"Edit.....\" reads a font tag back into the "
     u"fields. OK puts the text back into the page.",
     "mnufont"},
    {u"Bold", u"Bold:", "bold", u"", "bolda"},
    {u"Italics", u"Italics:", "italic", u"", "italica"},
    {u"Underline", u"Underline:", "Underline", u"", "underlinea"},
};

const Topic kForms[] = {
    {u"Insert Forms", u"Insert Forms:", "formesh", u"", "insertform"},
    {u"Textbox", u"Textbox:", "Textbox", u"", "textboxa"},
    {u"Password box", u"Password box:", "passwords", u"", "passworda"},
    {u"Textarea", u"Textarea:", "textarea", u"   Tolva asks for the number of columns and rows.",
     "textareaa"},
    {u"Button", u"Button:", "buttoner", u"", "button"},
    {u"Browse box", u"Browse box:", "browse", u"", ""},
    {u"Checkbox", u"Checkbox:", "Checkbox", u"", "checkboxa"},
    {u"Radio button", u"Radio button:", "radios", u"", "radioa"},
    {u"Reset button", u"Reset button:", "resettor", u"", "reseta"},
    {u"Submit button", u"Submit button:", "Submitter", u"", "submita"},
    {u"List box", u"List box:", "selecter", u"", "Selecta"},
    {u"Frameset", u"Fieldset:", "fieldset", u"", "Fieldseta"},
    {u"Legend", u"Legend:", "legend", u"", "legenda"},
    {u"Drop down box", u"Drop down box:", "puller", u"", "pulldownlista"},
};

const Topic kTable[] = {
    {u"Insert table", u"Insert table:", "Table",
     u"   The table dialog asks for rows, columns, caption, border, padding and spacing.",
     "tableb"},
    {u"Row", u"Row:", "Row",
     u"   The table dialog, cut down to rows and columns, writes more rows.", "rowa"},
    {u"Cell", u"Cell:", "Column", u"", "cella"},
    {u"Heading", u"Heading:", "header", u"", "headt"},
};

const Topic kExtras[] = {
    {u"Strike out", u"Strike out:", "Strike", u"", "strikea"},
    {u"Sound", u"Sound:", "sound", u"   Choose the sound file in the dialog that opens.", "sounda"},
    {u"Movie Clips", u"Movie Clips:", "clipper",
     u"   Choose the video file in the dialog that opens.", "moviea"},
    {u"Quotes", u"Quotes:", "quote", u"", ""},
    {u"Code", u"Code:", "code", u"", ""},
    {u"Big", u"Big:", "big", u"", "biga"},
    {u"Small", u"Small:", "small", u"", "smalla"},
    {u"Strong", u"Strong:", "strong", u"", ""},
    {u"Abbreviation", u"Abbreviation:", "Abbr", u"", "abbra"},
    {u"Emphasise", u"Emphasise:", "emphasis", u"", ""},
};

const Topic kMisc[] = {
    {u"Insert Applets", u"Insert Applets:", "applet", u"", ""},
    {u"Frames", u"Frames:", "framz", u"", ""},
    {u"Scripts", u"Scripts:", "script", u"", ""},
    {u"Style Sheets", u"Style Sheets:", "style", u"", ""},
    {u"Address", u"Address:", "address", u"", ""},
    // Listed without a page of its own.
    {u"File upload/Browse", u"", "", u"", ""},
    {u"Definition", u"Definition:", "defn", u"", "defna"},
    {u"Headings", u"Headings:", "InsertHead",
     u"   Choose a level from the list beside the Insert button and click Insert.", ""},
};

const Topic kOthers[] = {
    {u"Align", u"Align:", "",
     u"   Left, Centre, Right and Justify align the selected text or image.", ""},
    {u"Special", u"Special:", "",
     u"   Marquee (Internet Explorer only) and Blink (Netscape only) move or flash the selected "
     u"text. Choose a special character from the list and click Set! to type it.",
     "spcla"},
    {u"Temporary Clipboard", u"Temporary Clipboard:", "Frame1",
     u"   Ctrl+D copies the selection into the temporary clipboard, F2 pastes the chosen snippet. "
     u"The master temporary clipboard (Ctrl+M) lists every snippet, pastes, removes and clears "
     u"them.",
     "mnuMaster"},
    {u"Auto Complete", u"Auto Complete:", "", u"", "mnuautocorrect"},
    {u"Assistant", u"Assistant:", "",
     u"   When ticked, the assistant asks before it opens a dialog for what you typed.",
     "mnuassistant"},
    {u"Auto Delete", u"Auto Delete:", "",
     u"   Deletes the tag around the cursor together with its closing tag.", "mnuautodel"},
    {u"Smart Correct", u"Smart Correct:", "",
     u"   Put the cursor in an image, font, rule or link tag: its dialog opens with the tag's "
     u"values, and OK replaces the tag.",
     "mnutruecorrect"},
    {u"Smart Select", u"Smart Select:", "", u"   Selects the whole tag around the cursor.",
     "mnusmartselect"},
    {u"TevCmd", u"TevCmd:", "", u"", "mnutevcmd"},
    {u"Restore Points", u"Restore Points:", "pictrest",
     u"   Three restore points keep a copy of the page; using one takes the page back to it.",
     "mnucrestore1"},
    {u"Auto Save", u"Auto Save:", "",
     u"   Autosave will automatically save your pages once in every 5 seconds if you are bored of "
     u"saving your page frequently.\r\n\r\nMenu: Options >> AutoSave (5 seconds)",
     ""},
    {u"Page Properties", u"Page Properties:", "",
     u"   Sets the colours of the text, the background and the links, a background image and "
     u"sound, the margins and the rollover effects of links.",
     "mnupageproperties"},
    {u"Quick Format", u"Quick Format:", "quickformat", u"", "quickformata"},
    {u"Shortcuts", u"Shortcuts:", "", u"", ""},
    {u"Breaks", u"Breaks:", "", u"   Line Break, Word Break and No Break are typed at the cursor.",
     "linebreaka"},
};

const Category kCategories[] = {
    {"gen", u"General",
     u"General functions:\r\n\r\n   General functions lists the buttons under General "
     u"Functions.\r\n\r\n   Commonly performed functions such as images, hyperlinks and lists are "
     u"placed here.\r\n\r\n       Just select a topic from the list on the left to view details",
     kGeneral},
    {"Fonts", u"Fonts",
     u"Fonts:\r\n\r\n   The font group changes the size, face and colour of the selected "
     u"text.\r\n\r\n       Just select a topic from the list on the left to view details",
     kFonts},
    {"Forms", u"Forms",
     u"Forms:\r\n\r\n   Form controls are numbered as they are inserted, so that every name is "
     u"unique.\r\n\r\n       Just select a topic from the list on the left to view details",
     kForms},
    {"Table", u"Table",
     u"Table:\r\n\r\n   Tables, rows, cells and headings.\r\n\r\n       Just select a topic from "
     u"the list on the left to view details",
     kTable},
    {"Extras", u"Extras",
     u"Extras:\r\n\r\n   More ways to mark up the selected text.\r\n\r\n       Just select a topic "
     u"from the list on the left to view details",
     kExtras},
    {"Misc", u"Misc",
     u"Misc:\r\n\r\n   Applets, frames, scripts, styles and headings.\r\n\r\n       Just select a "
     u"topic from the list on the left to view details",
     kMisc},
    {"others", u"Others",
     u"Others:\r\n\r\n   The tools of Tolva: the assistant, smart select and correct, restore "
     u"points, the temporary clipboard and more.\r\n\r\n       Just select a topic from the list "
     u"on the left to view details",
     kOthers},
};

// What a command writes, with its placeholders as a reader sees them.
String fragmentOf(std::string_view control) {
    const commands::Command* c = commands::find(control);
    if (!c) return {};
    String f;
    using K = commands::Kind;
    if (c->kind == K::Toggle)
        f = String(c->fragment) + u"{S}" + String(c->close);
    else if (c->kind == K::Wrap || c->kind == K::Numbered || c->kind == K::Typed ||
             c->kind == K::File)
        f = String(c->fragment);
    if (f.empty()) return {};
    String out;
    for (size_t i = 0; i < f.size();) {
        StringView rest = StringView(f).substr(i);
        if (rest.starts_with(u"{S}")) {
            out += u"(selected text)";
            i += 3;
        } else if (rest.starts_with(u"{n}")) {
            out += u"1";
            i += 3;
        } else if (rest.starts_with(u"{file}")) {
            out += u"(chosen file)";
            i += 6;
        } else {
            out.push_back(f[i++]);
        }
    }
    return out;
}

const MenuEntry* menuEntry(std::string_view item) {
    for (const MenuEntry& e : menuTable())
        if (item == e.name) return &e;
    return nullptr;
}

String plain(const char16_t* caption) {
    String out;
    for (const char16_t* p = caption; *p; ++p)
        if (*p != u'&') out.push_back(*p);
    return out;
}

String shortcutsPage() {
    String out = u"Shortcuts:";
    for (const MenuEntry& e : menuTable())
        if (*e.shortcut)
            out += String(kBreak) + forms::fromUtf8(e.shortcut) + u"    " + menuPath(e.name);
    return out;
}

String tevCmdPage() {
    String out =
        u"TevCmd:" + String(kBreak) + u"   Press F4 and type a code: its command runs at once.";
    for (const CommandBox::Code& c : CommandBox::codes()) {
        StringView word;
        for (const panel::Entry& e : panel::entries())
            if (e.control == c.command) word = e.caption;
        out += String(kBreak) + String(c.code) + u"    " + String(word);
    }
    return out;
}

String autoCompletePage() {
    String out = u"Auto Complete:" + String(kBreak) +
                 u"   While Auto Complete is ticked, Tolva finishes what you type (after the first "
                 u"16 characters of the page):";
    for (const TypingAssistant::Row& r : TypingAssistant::rows()) {
        String what;
        for (const TypingAssistant::Op& op : r.ops) {
            using O = TypingAssistant::Op;
            if (op.kind == O::Insert || op.kind == O::Type) what += String(op.text);
            if (op.kind == O::Run) what = u"(opens its dialog)";
        }
        out += String(kBreak) + String(r.pattern) + u"    " + what;
    }
    return out;
}

} // namespace

std::span<const Category> categories() {
    return kCategories;
}

StringView welcome() {
    return u"TOLVA HELP:\r\n\r\n   Tolva is an editor for hand-written HTML pages: buttons, menus, "
           u"the command box and the assistant write the markup for you.\r\n\r\n   A star in "
           u"the title bar, as in \"Untitled[*]\", marks changes that are not saved yet.\r\n\r\n"
           u"   Ctrl+H hides the buttons and gives the page their room; press it again to show "
           u"them. The contrast button at the bottom swaps the colours of the page.\r\n\r\n"
           u"   F5 previews the saved page. Save first: the preview shows the page as last "
           u"saved, and follows every save while it is open. Tolva needs no network: Home "
           u"goes back to the page itself and Search opens an empty page.\r\n\r\n"
           u"       Choose a category above, then a topic from the list on the left.";
}

String menuPath(std::string_view item) {
    std::vector<const MenuEntry*> open;
    for (const MenuEntry& e : menuTable()) {
        open.resize(static_cast<size_t>(e.level));
        open.push_back(&e);
        if (item != e.name) continue;
        String path;
        for (const MenuEntry* p : open) {
            if (!path.empty()) path += u" >> ";
            path += plain(p->caption);
        }
        return path;
    }
    return {};
}

bool page(const Topic& t, String& out) {
    if (t.heading.empty()) return false;
    out = String(t.heading);
    if (t.title == u"Shortcuts") {
        out = shortcutsPage();
        return true;
    }
    if (t.title == u"TevCmd") out = tevCmdPage();
    if (t.title == u"Auto Complete") out = autoCompletePage();
    if (const helpline::Text* h = t.control.empty() ? nullptr : helpline::find(t.control);
        h && !h->sentence.empty())
        out += String(kBreak) + u"   " + String(h->sentence);
    if (String f = fragmentOf(t.control); !f.empty()) out += String(kBreak) + u"   Writes: " + f;
    if (!t.prose.empty()) out += String(kBreak) + String(t.prose);
    if (!t.menu.empty()) {
        out += String(kBreak) + u"Menu: " + menuPath(t.menu);
        if (const MenuEntry* e = menuEntry(t.menu); e && *e->shortcut)
            out += String(kBreak) + u"Shortcut: " + forms::fromUtf8(e->shortcut);
    }
    return true;
}

} // namespace help
