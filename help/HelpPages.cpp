// The help pages.
#include "help/HelpPages.h"

#include "help/Guide.h"

#include "assistant/TypingAssistant.h"
#include "commands/CommandBox.h"
#include "commands/Commands.h"
#include "commands/Menus.h"

#include <vector>

using forms::String;
using forms::StringView;

namespace help {

namespace {

using commands::Id;

const Topic kGeneral[] = {
    {u"Numbering", u"Numbering - ", Id::numberings,
     u"   The list dialog asks for the number of points and the kind of numbering, and writes the "
     u"list with its points."},
    {u"Bullets", u"Bullets - ", Id::Bullet,
     u"   The list dialog asks for the number of points and the kind of bullet, and writes the "
     u"list with its points."},
    {u"Point", u"Point - ", Id::Points, u""},
    {u"Hyperlink", u"Hyperlink - ", Id::linker,
     u"   The link dialog asks for the address, the text to display, a screen tip and a target "
     u"frame."},
    {u"Mail", u"Mail - ", Id::Mail,
     u"   The link dialog, in mail mode, asks for the mail address, a subject and a screen tip."},
    {u"Image", u"Image - ", Id::Images,
     u"   The image dialog asks for the picture, its alternate text, alignment, border and, when "
     u"\"Enter Dimensions\" is ticked, its height and width."},
    {u"Horizontal Rule", u"Horizontal Rule - ", Id::rule,
     u"   The rule dialog sets the width, size, colour, alignment and shade of the rule."},
    {u"Comments", u"Comments - ", Id::comment, u""},
    {u"Highlight", u"Highlight - ", Id::highlight, u""},
    {u"Typewriter Font", u"Typewriter Font - ", Id::tt, u""},
    {u"Music", u"Music - ", Id::music, u"   Choose the music file in the dialog that opens."},
    {u"Object", u"Object - ", Id::object,
     u"   The object dialog asks for the source, its size and the text shown where objects are not "
     u"supported."},
    {u"Keyboard <KBD>", u"Keyboard <KBD> - ", Id::KBD, u""},
    {u"Paragraph", u"Paragraph - ", Id::P, u""},
    {u"Preformat", u"Preformat - ", Id::Pre, u""},
    {u"Subscript", u"Subscript - ", Id::Subs, u""},
    {u"Superscript", u"Superscript - ", Id::sup, u""},
};

const Topic kFonts[] = {
    {u"Font Face", u"Font Face:", Id::command6,
     u"   Enter or choose a face and click the face icon. Without a selection the first click "
     u"opens a font tag and the second closes it. \"...\" lists every font of this computer."},
    {u"Font Size", u"Font Size:", Id::btnfontsize,
     u"   Sizes go from 1 to 7. Without a selection the first click opens a font tag and the "
     u"second closes it."},
    {u"Font Colour", u"Font Colour:", Id::colour_setter,
     u"   Choose a named colour, or enter six letters of an RGB code and click the RGB icon."},
    {u"Multi editting/Font editting....", u"Font editting:", Id::BeginFont,
     u"   The font dialog edits a copy of the selection: bold, italic, underline and one font tag "
     u"of the size, colour and face you changed. \"Edit.....\" reads a font tag back into the "
     u"fields. OK puts the text back into the page."},
    {u"Bold", u"Bold:", Id::bold, u""},
    {u"Italics", u"Italics:", Id::italic, u""},
    {u"Underline", u"Underline:", Id::Underline, u""},
};

const Topic kForms[] = {
    {u"Insert Forms", u"Insert Forms:", Id::formesh, u""},
    {u"Textbox", u"Textbox:", Id::Textbox, u""},
    {u"Password box", u"Password box:", Id::passwords, u""},
    {u"Textarea", u"Textarea:", Id::textarea, u"   Tolva asks for the number of columns and rows."},
    {u"Button", u"Button:", Id::buttoner, u""},
    {u"Browse box", u"Browse box:", Id::browse, u""},
    {u"Checkbox", u"Checkbox:", Id::Checkbox, u""},
    {u"Radio button", u"Radio button:", Id::radios, u""},
    {u"Reset button", u"Reset button:", Id::resettor, u""},
    {u"Submit button", u"Submit button:", Id::Submitter, u""},
    {u"List box", u"List box:", Id::selecter, u""},
    {u"Frameset", u"Fieldset:", Id::fieldset, u""},
    {u"Legend", u"Legend:", Id::legend, u""},
    {u"Drop down box", u"Drop down box:", Id::puller, u""},
};

const Topic kTable[] = {
    {u"Insert table", u"Insert table:", Id::Table,
     u"   The table dialog asks for rows, columns, caption, border, padding and spacing."},
    {u"Row", u"Row:", Id::Row,
     u"   The table dialog, cut down to rows and columns, writes more rows."},
    {u"Cell", u"Cell:", Id::Column, u""},
    {u"Heading", u"Heading:", Id::header, u""},
};

const Topic kExtras[] = {
    {u"Strike out", u"Strike out:", Id::Strike, u""},
    {u"Sound", u"Sound:", Id::sound, u"   Choose the sound file in the dialog that opens."},
    {u"Movie Clips", u"Movie Clips:", Id::clipper,
     u"   Choose the video file in the dialog that opens."},
    {u"Quotes", u"Quotes:", Id::quote, u""},
    {u"Code", u"Code:", Id::code, u""},
    {u"Big", u"Big:", Id::big, u""},
    {u"Small", u"Small:", Id::small, u""},
    {u"Strong", u"Strong:", Id::strong, u""},
    {u"Abbreviation", u"Abbreviation:", Id::Abbr, u""},
    {u"Emphasise", u"Emphasise:", Id::emphasis, u""},
};

const Topic kMisc[] = {
    {u"Insert Applets", u"Insert Applets:", Id::applet, u""},
    {u"Frames", u"Frames:", Id::framz, u""},
    {u"Scripts", u"Scripts:", Id::script, u""},
    {u"Style Sheets", u"Style Sheets:", Id::style, u""},
    {u"Address", u"Address:", Id::address, u""},
    // Listed without a page of its own.
    {u"File upload/Browse", u"", Id::none, u""},
    {u"Definition", u"Definition:", Id::defn, u""},
    {u"Headings", u"Headings:", Id::InsertHead,
     u"   Choose a level from the list beside the Insert button and click Insert."},
};

const Topic kOthers[] = {
    {u"Align", u"Align:", Id::none,
     u"   Left, Centre, Right and Justify align the selected text or image."},
    {u"Special", u"Special:", Id::none,
     u"   Marquee (Internet Explorer only) and Blink (Netscape only) move or flash the selected "
     u"text. Choose a special character from the list and click Set! to type it.",
     "spcla"},
    {u"Temporary Clipboard", u"Temporary Clipboard:", Id::Frame1,
     u"   Ctrl+D copies the selection into the temporary clipboard, F2 pastes the chosen snippet. "
     u"The master temporary clipboard (Ctrl+M) lists every snippet, pastes, removes and clears "
     u"them.",
     "mnuMaster"},
    {u"Auto Complete", u"Auto Complete:", Id::mnuautocorrect, u""},
    {u"Assistant", u"Assistant:", Id::mnuassistant,
     u"   When ticked, the assistant asks before it opens a dialog for what you typed."},
    {u"Auto Delete", u"Auto Delete:", Id::mnuautodel,
     u"   Deletes the tag around the cursor together with its closing tag."},
    {u"Smart Correct", u"Smart Correct:", Id::mnutruecorrect,
     u"   Put the cursor in an image, font, rule or link tag: its dialog opens with the tag's "
     u"values, and OK replaces the tag."},
    {u"Smart Select", u"Smart Select:", Id::mnusmartselect,
     u"   Selects the whole tag around the cursor."},
    {u"TevCmd", u"TevCmd:", Id::mnutevcmd, u""},
    {u"Restore Points", u"Restore Points:", Id::pictrest,
     u"   Three restore points keep a copy of the page; using one takes the page back to it."},
    {u"Auto Save", u"Auto Save:", Id::none,
     u"   Autosave will automatically save your pages once in every 5 seconds if you are bored of "
     u"saving your page frequently.\r\n\r\nMenu: Options >> AutoSave (5 seconds)"},
    {u"Page Properties", u"Page Properties:", Id::mnupageproperties,
     u"   Sets the colours of the text, the background and the links, a background image and "
     u"sound, the margins and the rollover effects of links."},
    {u"Quick Format", u"Quick Format:", Id::quickformat, u""},
    {u"Shortcuts", u"Shortcuts:", Id::none, u""},
    {u"Breaks", u"Breaks:", Id::none,
     u"   Line Break, Word Break and No Break are typed at the cursor.", "linebreaka"},
};

const Category kCategories[] = {
    {"guide", u"Guide",
     u"Guide:\r\n\r\n   A page for each thing you may want to do with Tolva: starting a page, "
     u"the typing assistant, the command box, the dialogs, restore points and snippets, find "
     u"and replace, the preview and the keyboard shortcuts.\r\n\r\n       Just select a "
     u"topic from the list on the left to view details",
     guide()},
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
String fragmentOf(Id control) {
    const commands::Command* c = commands::find(control);
    if (!c) return {};
    String f;
    using K = commands::Kind;
    if (c->kind == K::Toggle)
        f = String(c->fragment) + u"{S}" + String(c->close);
    else if (c->kind == K::Wrap || c->kind == K::Numbered || c->kind == K::Typed ||
             c->kind == K::File)
        f = String(c->fragment);
    return commands::expand(
        f, {{u"{S}", u"(selected text)"}, {u"{n}", u"1"}, {u"{file}", u"(chosen file)"}});
}

// The first item that runs what the control runs, or the topic's own.
std::string_view menuOf(const Topic& t) {
    if (!t.menu.empty()) return t.menu;
    const commands::Command* c = commands::find(t.control);
    if (!c) return {};
    for (const MenuEntry& e : menuTable())
        if (commands::find(e.command) == c) return e.name;
    return {};
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
        out += String(kBreak) + String(c.code) + u"    " + String(commands::row(c.command).caption);
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
    if (t.write) {
        out = t.write();
        return true;
    }
    if (t.heading.empty()) return false;
    out = String(t.heading);
    if (t.title == u"Shortcuts") {
        out = shortcutsPage();
        return true;
    }
    if (t.title == u"TevCmd") out = tevCmdPage();
    if (t.title == u"Auto Complete") out = autoCompletePage();
    if (t.control != Id::none && !commands::row(t.control).sentence.empty())
        out += String(kBreak) + u"   " + String(commands::row(t.control).sentence);
    if (String f = fragmentOf(t.control); !f.empty()) out += String(kBreak) + u"   Writes: " + f;
    if (!t.prose.empty()) out += String(kBreak) + String(t.prose);
    if (std::string_view menu = menuOf(t); !menu.empty()) {
        out += String(kBreak) + u"Menu: " + menuPath(menu);
        if (const MenuEntry* e = menuEntry(menu); e && *e->shortcut)
            out += String(kBreak) + u"Shortcut: " + forms::fromUtf8(e->shortcut);
    }
    return true;
}

} // namespace help
