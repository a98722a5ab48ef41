#include "help/Guide.h"

#include "assistant/TypingAssistant.h"
#include "check/CheckHelp.h"
#include "commands/CommandBox.h"
#include "commands/Menus.h"
#include "dialogs/FrmBrowser.h"

using forms::String;
using forms::StringView;

namespace help {

namespace {

using commands::Id;

// Where a command's menu item is: readers look for the words in the menu bar.
String at(Id command) {
    return where(commands::name(command));
}

// Each sentence of a page is its own paragraph, so a screen reader stops between them.
template <typename... Parts> String paragraphs(const Parts&... parts) {
    String out;
    ((out += (out.empty() ? String() : String(kBreak)) + String(parts)), ...);
    return out;
}

String startingPage() {
    return paragraphs(
        u"Starting a page:",
        u"   Tolva opens with a new page that already holds the outline of an HTML document: its "
        u"head, its title and an empty body. Page Properties opens with it, to choose the "
        u"page's colours, background and margins; OK writes them into the BODY tag.",
        u"   A new page: " + at(Id::new_) + u". An existing page: " + at(Id::open) +
            u", or name it when starting Tolva, as in tolva page.html.",
        u"   Saving: " + at(Id::save) + u", or " + at(Id::saveas) +
            u" for a new name. The title bar shows the page's full path; a star in it marks "
            u"changes that are not saved yet.",
        u"   If Tolva closes without saving, it keeps a copy of the unsaved text and offers it "
        u"back the next time it starts.");
}

String typingAssistant() {
    String out = paragraphs(
        u"The typing assistant:",
        u"   While you type, the assistant looks at the characters just before the cursor. It "
        u"finishes tags and colour names, and when you start a link, image, rule, list or "
        u"table it opens the dialog that builds it.",
        u"   Two switches in the Options menu control it. " + at(Id::mnuautocorrect) +
            u" turns the assistant on or off; it is on when Tolva starts. " + at(Id::mnuassistant) +
            u": while ticked, the assistant asks before it opens a dialog; untick it to go "
            u"straight to the dialog.",
        u"   What you type, and what the assistant does (it starts after the first 16 "
        u"characters of the page):");
    for (const TypingAssistant::Row& r : TypingAssistant::rows()) {
        String what;
        for (const TypingAssistant::Op& op : r.ops) {
            using O = TypingAssistant::Op;
            if (op.kind == O::Insert || op.kind == O::Type) what += String(op.text);
            if (op.kind == O::Run) what = u"opens its dialog";
        }
        out += String(kBreak) + String(r.pattern) + u"  gives  " + what;
    }
    return out;
}

String commandBox() {
    String out = paragraphs(
        u"The command box:",
        u"   The command box runs a command from a short code, without the mouse. Go to it "
        u"with " +
            at(Id::mnutevcmd) +
            u", type a code, and its command runs as soon as the code is complete.",
        u"   The codes:");
    for (const CommandBox::Code& c : CommandBox::codes())
        out += String(kBreak) + String(c.code) + u"  runs  " +
               String(commands::row(c.command).caption);
    return out;
}

String tagTools() {
    return paragraphs(
        u"Smart select, smart correct and tag deletion:",
        u"   These work on the tag around the cursor, so you need not select it exactly.",
        u"   Smart Select, " + at(Id::mnusmartselect) +
            u": selects the whole tag around the cursor.",
        u"   Smart Correct, " + at(Id::mnutruecorrect) +
            u": with the cursor in an image, font, rule or link tag, opens that tag's dialog "
            u"filled with the tag's values; OK replaces the tag.",
        u"   Auto Delete, " + at(Id::mnuautodel) +
            u": deletes the tag around the cursor together with its closing tag, and keeps "
            u"the text between them.");
}

String restoreAndSnippets() {
    return paragraphs(
        u"Restore points and the snippet clipboard:",
        u"   A restore point keeps a copy of the whole page in memory; using it later puts the "
        u"page back as it was. There are three. Create one with " +
            at(Id::mnucrestore1) + u" (or 2, or 3), and go back with " + at(Id::mnurrestore1) +
            u". Restore points last until Tolva closes; they are not saved with the page.",
        u"   The snippet clipboard (the temporary clipboard) collects pieces of text to paste "
        u"again and again. " +
            at(Id::mnucopytotemp) + u" adds the selection to it, and " + at(Id::mnupastetmp) +
            u" pastes the snippet chosen in its list on the main window. " + at(Id::mnuMaster) +
            u" opens a window that lists every snippet, to paste, remove or clear them. " +
            at(Id::mnuslowpaste) + u" pastes by typing, so that undo can take it back.");
}

String findAndReplace() {
    return paragraphs(
        u"Find and replace:",
        u"   " + at(Id::mnufind) +
            u" opens the Find window. Type the text in Find what, choose Up or Down and "
            u"whether to match case, and press Find Next.",
        u"   " + at(Id::mnufindnext) +
            u" finds the next match of the last search from the main window, without opening "
            u"Find.",
        u"   " + at(Id::mnuReplace) +
            u" opens the window with a Replace with field: Replace changes the match found, "
            u"Replace All changes every match in the page.");
}

String preview() {
    return paragraphs(
        u"The preview:",
        u"   " + at(Id::preview) +
            u" shows the page as a web browser draws it. At first the preview opens the saved "
            u"file, not the text being edited, so save first; it can be used once the page has a "
            u"file.",
        u"   While the preview is open it shows the page again after every save. It is a small "
        u"browser: an address box, back, forward, refresh and stop. Home goes back to the page; "
        u"Tolva needs no network, and Search opens an empty page.",
        u"   " + String(FrmBrowser::followTypingHelp));
}

// The check's own text, a paragraph to each of its lines.
String checking() {
    String out;
    for (char16_t c : StringView(check::kCheckHelp))
        out += c == u'\n' ? String(u"\n\r\n") : String(1, c);
    return out;
}

String shortcuts() {
    String out = paragraphs(
        u"Keyboard shortcuts:",
        u"   In the page, the desktop's usual keys move the cursor, select, undo, cut, copy and "
        u"paste; Tab types a tab. The menu's shortcuts, menu by menu:");
    for (const MenuEntry& e : menuTable())
        if (*e.shortcut)
            out += String(kBreak) + forms::fromUtf8(e.shortcut) + u"  " + menuPath(e.name);
    return out;
}

// The element dialogs are ordinary topics: their pages add the help sentence, the menu path
// and the shortcut of the command that opens them.
constexpr Topic kGuide[] = {
    {u"Starting a page", u"", Id::none, u"", {}, startingPage},
    {u"The typing assistant", u"", Id::none, u"", {}, typingAssistant},
    {u"The command box", u"", Id::none, u"", {}, commandBox},
    {u"Smart select, correct and delete", u"", Id::none, u"", {}, tagTools},
    {u"The list dialog", u"The list dialog:", Id::Bullet,
     u"   Bullets and Numbering open it. Choose the kind of bullet or numbering and the number "
     u"of points; OK writes the list with an empty point for each, ready to type into."},
    {u"The link dialog", u"The link dialog:", Id::linker,
     u"   Choose Hyperlink or Mail Id. A hyperlink asks for the text to display, the address, "
     u"an optional screen tip and target frame; a mail link asks for the mail address, an "
     u"optional subject and screen tip. Fields marked * may stay empty."},
    {u"The image dialog", u"The image dialog:", Id::Images,
     u"   Give the picture's source (\"...\" chooses a file), its alternate text for readers "
     u"who cannot see it, the alignment, border and spacing. Tick Enter Dimensions to give its "
     u"height and width, in pixels or percent."},
    {u"The rule dialog", u"The rule dialog:", Id::rule,
     u"   Sets the rule's alignment, width (in pixels or percent), height, colour and whether "
     u"it is drawn solid, without shade."},
    {u"The table dialog", u"The table dialog:", Id::Table,
     u"   Asks for the rows and columns, a caption, the border, the cell padding and the cell "
     u"spacing, and writes the table with its empty cells. Table >> Row opens the same dialog "
     u"cut down to rows and columns."},
    {u"The object dialog", u"The object dialog:", Id::object,
     u"   Asks for the object's source (\"...\" chooses a file), its width, height and volume, "
     u"whether it shows a controller, starts by itself and loops, and the text shown where "
     u"objects cannot be played."},
    {u"The font dialog", u"The font dialog:", Id::BeginFont,
     u"   Select text first. The dialog works on a copy of it: bold, italic, underline, and the "
     u"size, colour and face of one font tag. Edit..... reads a font tag back into the fields. "
     u"OK puts the changed text back into the page; Cancel leaves the page as it was."},
    {u"Page properties", u"Page properties:", Id::mnupageproperties,
     u"   Sets the colours of the text, the background and the links, a background picture "
     u"(which may stay still while the page scrolls), the top and left margins and a "
     u"background sound. Rollover effects opens a dialog for the font and decoration of a "
     u"link under the mouse pointer. OK writes the BODY tag."},
    {u"Restore points and snippets", u"", Id::none, u"", {}, restoreAndSnippets},
    {u"Find and replace", u"", Id::none, u"", {}, findAndReplace},
    {u"The preview", u"", Id::none, u"", {}, preview},
    {u"Checking the page", u"", Id::none, u"", {}, checking},
    {u"Keyboard shortcuts", u"", Id::none, u"", {}, shortcuts},
};

} // namespace

std::span<const Topic> guide() {
    return kGuide;
}

String where(std::string_view item) {
    String path = menuPath(item);
    for (const MenuEntry& e : menuTable())
        if (e.name == item && *e.shortcut) path += u" (" + forms::fromUtf8(e.shortcut) + u")";
    return path;
}

} // namespace help
