// The command table of the main window and the runners of each kind of command.
#include "commands/Commands.h"

#include "assistant/AutoDelete.h"
#include "assistant/SmartCorrect.h"
#include "commands/Formatting.h"
#include "core/Tolva.h"
#include "dialogs/Bookeeper.h"
#include "dialogs/BulNumCreater.h"
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "dialogs/FrmBrowser.h"
#include "dialogs/HRule.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "dialogs/Objecter.h"
#include "dialogs/PageProps.h"
#include "dialogs/TableCreater.h"
#include "forms/Runtime.h"
#include "page/Page.h"
#include "page/Texts.h"
#include "tools/CaseConversion.h"
#include "tools/FindReplace.h"
#include "tools/SmartSelect.h"

#include <stdexcept>
#include <string>

using forms::String;
using forms::StringView;

namespace {

using T = Tolva;
using K = commands::Kind;
using C = commands::Command;

// Lets a row name a method of the window without a forwarder of its own.
template <void (Tolva::*M)()> void call(Tolva& w) {
    (w.*M)();
}
template <void (Tolva::*M)(int), int N> void callWith(Tolva& w) {
    (w.*M)(N);
}
template <class W> void showWindow(Tolva& w) {
    w.page.window<W>().show();
}
// A command that needs the page only.
template <void (*F)(Page&)> void onPage(Tolva& w) {
    F(w.page);
}
template <auto Part, auto M> void callPart(Tolva& w) {
    ((w.*Part).*M)();
}

// Placeholders in fragments: {S} the selection, {n} a name counter, {C} and {R} the size
// of a text area, {file} a chosen file, {U} {A} {V} the parts of a mouse-action link.
struct Value {
    StringView key;
    StringView text;
};

// One pass, so that a value holding something like "{n}" stays as it is.
String expand(StringView fragment, std::initializer_list<Value> values) {
    String out;
    out.reserve(fragment.size() + 64);
    for (size_t i = 0; i < fragment.size();) {
        bool done = false;
        if (fragment[i] == u'{') {
            for (const Value& v : values) {
                if (fragment.substr(i).starts_with(v.key)) {
                    out += v.text;
                    i += v.key.size();
                    done = true;
                    break;
                }
            }
        }
        if (!done) out.push_back(fragment[i++]);
    }
    return out;
}

void put(Tolva& w, StringView text) {
    w.Text1.setSelText(text);
}

// Queued keystrokes arrive after the running handler, each character as itself.
void type(Tolva& w, StringView text) {
    w.Text1.setFocus();
    w.runtime().sendKeys(text);
}

void runWrap(Tolva& w, const C& c) {
    if (c.focusFirst) w.Text1.setFocus();
    put(w, expand(c.fragment, {{u"{S}", w.Text1.selText()}}));
}

void runToggle(Tolva& w, const C& c) {
    FontGroup::toggle(w.Text1, c.fragment, c.close);
}

// Every occurrence of name gets an "a" appended, scanning left to right.
String renameOlder(StringView text, StringView name) {
    String out;
    out.reserve(text.size() + 16);
    size_t from = 0;
    for (size_t at; (at = text.find(name, from)) != StringView::npos; from = at + name.size()) {
        out.append(text, from, at - from + name.size());
        out.push_back(u'a');
    }
    out.append(text.substr(from));
    return out;
}

void runNumbered(Tolva& w, const C& c) {
    w.Text1.setFocus();
    int32_t p = w.Text1.selStart();
    int32_t& n = w.page.*c.counter;
    String number = forms::number(n);
    w.Text1.setText(renameOlder(w.Text1.text(), String(c.stem) + number));
    w.Text1.setSelStart(p);
    String cols, rows;
    if (c.fragment.find(u"{C}") != StringView::npos) {
        cols = w.runtime().inputBox(u"Please enter number of columns",
                                    u"Textarea Columns - Assistant: Tolva", u"25");
        rows = w.runtime().inputBox(u"Please enter number of rows",
                                    u"Textarea Rows - Assistant: Tolva", u"10");
    }
    put(w, expand(c.fragment, {{u"{n}", number}, {u"{C}", cols}, {u"{R}", rows}}));
    ++n;
}

void runTyped(Tolva& w, const C& c) {
    if (c.focusFirst) w.Text1.setFocus();
    type(w, expand(c.fragment, {{u"{S}", w.Text1.selText()}}));
}

void runFile(Tolva& w, const C& c) {
    w.CommonDialog1.showOpen();
    String file = w.CommonDialog1.FileName;
    if (file.empty()) {
        w.runtime().msgBox(c.noFile, c.flags, c.title);
        w.Text1.setFocus();
        return;
    }
    put(w, expand(c.fragment, {{u"{file}", file}}));
}

// --- commands of their own -------------------------------------------------------------------

// Numbered like the form controls, but older names are not renamed.
void fileUpload(Tolva& w) {
    put(w, expand(u"<INPUT TYPE=\"FILE\" NAME=\"file{n}\" > ",
                  {{u"{n}", forms::number(w.page.fileNo)}}));
    ++w.page.fileNo;
}

void insertHeading(Tolva& w) {
    String h = w.headin.text();
    if (h.empty() || h == u"Insert Heading") {
        w.runtime().msgBox(u"Choose a valid value from the list");
        return;
    }
    type(w, h);
}

void mouseLink(Tolva& w) {
    String a = w.Combo4.text();
    if (a.empty() || a == u"Mouse Action") {
        w.runtime().msgBox(u"Invalid action");
        w.Text1.setFocus();
        return;
    }
    String url = w.runtime().inputBox(u"Enter the URL of the link");
    String action = w.runtime().inputBox(u"What should happen when the mouse action occurs?");
    if (url.empty() || action.empty()) {
        w.runtime().msgBox(u"Invalid URL or action");
        w.Combo4.setFocus();
        return;
    }
    w.Text1.setFocus();
    type(w, expand(u"<A HREF=\"{U}\" {A}=\"{V}\">{S}</A>", {{u"{U}", url},
                                                            {u"{A}", w.Combo4.text()},
                                                            {u"{V}", action},
                                                            {u"{S}", w.Text1.selText()}}));
}

// Repainting is the view's business; the model has nothing to change.
void refresh(Tolva&) {}

// Rows in the order of the panel, then the menu, then the toolbar pictures.
const C kCommands[] = {
    // --- General
    {.name = "numberings", .kind = K::Own, .action = onPage<numberings_Click>},
    {.name = "Bullet", .kind = K::Own, .action = onPage<Bullet_Click>},
    {.name = "Points", .kind = K::Wrap, .fragment = u"<LI>{S}"},
    {.name = "linker", .kind = K::Own, .action = onPage<linker_Click>},
    {.name = "Mail", .kind = K::Own, .action = onPage<Mail_Click>},
    {.name = "Images", .kind = K::Own, .action = onPage<Images_Click>},
    {.name = "rule", .kind = K::Own, .action = onPage<rule_Click>},
    {.name = "comment", .kind = K::Wrap, .fragment = u"<!-- {S} --> "},
    {.name = "highlight",
     .kind = K::Wrap,
     .fragment = u"<span style=\"background-color: #FFFF00\">{S} </span>"},
    {.name = "tt", .kind = K::Wrap, .fragment = u"<TT>{S} </TT>", .focusFirst = true},
    {.name = "music",
     .kind = K::File,
     .fragment = u"<OBJECT DATA=\"{file}\" TYPE=\"audio/type of file\"> <PARAM NAME=\"AUTOSTART\" "
                 u"VALUE=\"TRUE\"> [Soothing Music] </OBJECT>",
     .noFile = u"Invalid filename. Music not inserted."},
    {.name = "object", .kind = K::Own, .action = onPage<object_Click>},
    {.name = "KBD", .kind = K::Wrap, .fragment = u"<KBD>{S}</KBD>"},
    {.name = "P",
     .kind = K::Wrap,
     .fragment = u"{S}</P>\r\n<P ALIGN=\"LEFT\">",
     .focusFirst = true},
    {.name = "Pre", .kind = K::Wrap, .fragment = u"<PRE>{S}</PRE>", .focusFirst = true},
    {.name = "Subs", .kind = K::Wrap, .fragment = u"<SUB>{S}</SUB>"},
    {.name = "sup", .kind = K::Wrap, .fragment = u"<SUP>{S}</SUP>"},
    {.name = "insert", .kind = K::Own, .action = mouseLink},
    // --- Font Editting
    {.name = "bold", .kind = K::Toggle, .fragment = u"<B>", .close = u"</B>"},
    {.name = "italic", .kind = K::Toggle, .fragment = u"<I>", .close = u"</I>"},
    {.name = "Underline", .kind = K::Toggle, .fragment = u"<U>", .close = u"</U>"},
    {.name = "btnfontsize",
     .kind = K::Own,
     .action = callPart<&T::fonts, &FontGroup::btnfontsize_Click>},
    {.name = "command6", .kind = K::Own, .action = callPart<&T::fonts, &FontGroup::command6_Click>},
    {.name = "btnmorefonts", .kind = K::Own, .action = onPage<fonts::showFaceChooser>},
    {.name = "colour_setter",
     .kind = K::Own,
     .action = callPart<&T::fonts, &FontGroup::colour_setter_Click>},
    {.name = "command5", .kind = K::Own, .action = callPart<&T::fonts, &FontGroup::command5_Click>},
    {.name = "BeginFont", .kind = K::Own, .action = onPage<fonts::openFontDialog>},
    // --- Forms
    {.name = "formesh",
     .kind = K::Numbered,
     .fragment = u"<FORM NAME=\" form{n} \" method=\"GET\" ACTION=\"url\">\r\n\r\n\r\n</FORM>\r\n",
     .counter = &Page::formNo,
     .stem = u"form"},
    {.name = "Textbox",
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox{n}\">",
     .counter = &Page::textboxNo,
     .stem = u"textbox"},
    {.name = "passwords",
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"PASSWORD\" NAME=\"pass{n}\">",
     .counter = &Page::passNo,
     .stem = u"pass"},
    {.name = "textarea",
     .kind = K::Numbered,
     .fragment = u"<TEXTAREA Cols=\"{C}\" rows=\"{R}\" NAME=\"area{n}\" wrap=\"OFF\">\r\nDefault "
                 u"text of text area\r\n</TEXTAREA>",
     .counter = &Page::areaNo,
     .stem = u"area"},
    {.name = "buttoner",
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"BUTTON\"  VALUE=\"Button{n}\"  NAME=\"Button{n}\" > ",
     .counter = &Page::buttonNo,
     .stem = u"Button"},
    {.name = "browse",
     .kind = K::Numbered,
     .fragment = u"<input type=\"file\" name=\"browse{n}\">",
     .counter = &Page::browseNo,
     .stem = u"browse"},
    {.name = "Checkbox",
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox{n}\"  NAME=\"Checkbox{n}\">",
     .counter = &Page::checkboxNo,
     .stem = u"Checkbox"},
    {.name = "radios",
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"RADIO\"  VALUE=\"Radio{n}\"  NAME=\"Radio{n}\">",
     .counter = &Page::radioNo,
     .stem = u"Radio"},
    {.name = "resettor",
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset{n}\">",
     .counter = &Page::resetNo,
     .stem = u"reset"},
    {.name = "Submitter",
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit{n}\">",
     .counter = &Page::submitNo,
     .stem = u"submit"},
    {.name = "selecter",
     .kind = K::Numbered,
     .fragment = u"<SELECT NAME=\"Selector{n}\" size=\"  \" MULTIPLE>\r\n <OPTION SELECTED>Default "
                 u"option  \r\n <OPTION>option 1 \r\n </SELECT>",
     .counter = &Page::selectorNo,
     .stem = u"Selector"},
    {.name = "puller",
     .kind = K::Numbered,
     .fragment = u"<SELECT NAME=\"pulldownList{n}\">\r\n<OPTION> Choice 1\r\n<OPTION> Choice "
                 u"2\r\n</SELECT>",
     .counter = &Page::pulldownNo,
     .stem = u"pulldownList"},
    {.name = "fieldset",
     .kind = K::Wrap,
     .fragment = u"<FIELDSET>\r\n{S}\r\n</FIELDSET>",
     .focusFirst = true},
    {.name = "legend",
     .kind = K::Wrap,
     .fragment = u"<LEGEND ALIGN=\"RIGHT\">\r\n\r\n</LEGEND>",
     .focusFirst = true},
    // --- Table
    {.name = "Table", .kind = K::Own, .action = onPage<Table_Click>},
    {.name = "Row", .kind = K::Own, .action = onPage<Row_Click>},
    {.name = "Column", .kind = K::Wrap, .fragment = u"<TD>Text</TD>"},
    {.name = "header", .kind = K::Wrap, .fragment = u"<TH><B>Heading comes here</B></TH>"},
    // --- Extras
    {.name = "Strike", .kind = K::Wrap, .fragment = u"<STRIKE>{S}</STRIKE>"},
    {.name = "sound",
     .kind = K::File,
     .fragment = u"<BGSOUND SRC=\"{file}\" LOOP=5>",
     .noFile = u"No file was selected."},
    {.name = "clipper",
     .kind = K::File,
     .fragment = u"<IMG DYNSRC=\"{file}\" START=\"   \" LOOP=\"TRUE\">",
     .noFile = u"No video file was selected.",
     .flags = forms::vbExclamation,
     .title = Messages::assistant},
    {.name = "quote", .kind = K::Wrap, .fragment = u"<Q>{S}</Q>"},
    {.name = "code", .kind = K::Wrap, .fragment = u"<CODE>{S}</CODE>"},
    {.name = "big", .kind = K::Wrap, .fragment = u"<BIG>{S}</BIG>"},
    {.name = "small", .kind = K::Wrap, .fragment = u"<SMALL>{S}</SMALL>"},
    {.name = "strong", .kind = K::Wrap, .fragment = u"<STRONG>{S}</STRONG>"},
    {.name = "Abbr", .kind = K::Wrap, .fragment = u"<ABBR>{S}</ABBR>"},
    {.name = "emphasis", .kind = K::Wrap, .fragment = u"<EM>{S}</EM>"},
    // --- Misc
    {.name = "applet",
     .kind = K::Wrap,
     .fragment = u"<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">\r"
                 u"<PARAM NAME=\"\" VALUE=\"\">Sorry, you need a Java enabled browser.\r</APPLET>"},
    {.name = "framz",
     .kind = K::Wrap,
     .fragment = u"{S}<FRAMESET>\r\n      <FRAME SRC=\"  \" NAME=\"  \">\r\n"
                 u"      <FRAME SRC=\"   \" NAME=\"   \">\r\n</FRAMESET>",
     .focusFirst = true},
    {.name = "script",
     .kind = K::Wrap,
     .fragment = u"<SCRIPT LANGUAGE=\"\">\r\n\r\n</SCRIPT>",
     .focusFirst = true},
    {.name = "style", .kind = K::Wrap, .fragment = u"<STYLE>\r\n\r\n</STYLE>", .focusFirst = true},
    {.name = "address", .kind = K::Wrap, .fragment = u"<address>{S}</address>"},
    {.name = "fileupload", .kind = K::Own, .action = fileUpload},
    {.name = "defn",
     .kind = K::Wrap,
     .fragment = u"<DL>\r\n     <DT><B> Title </B>\r\n         <DD>the definition comes "
                 u"here</DD>\r\n</DL>",
     .focusFirst = true},
    {.name = "InsertHead", .kind = K::Own, .action = insertHeading},
    // --- Align
    {.name = "left", .kind = K::Wrap, .fragment = u"<P align=\"left\">{S}</P>"},
    {.name = "centre", .kind = K::Wrap, .fragment = u"<CENTER>{S}</CENTER>"},
    {.name = "right", .kind = K::Wrap, .fragment = u"<P align=\"right\">{S}</P>"},
    {.name = "justify", .kind = K::Wrap, .fragment = u"<p align=\"justify\">{S}</p>"},
    // --- Special
    {.name = "marquee", .kind = K::Wrap, .fragment = u"<marquee>{S}</marquee>", .focusFirst = true},
    {.name = "Blink", .kind = K::Wrap, .fragment = u"<blink>{S}</blink>", .focusFirst = true},
    {.name = "quickformat",
     .kind = K::Wrap,
     .fragment = u"<P ALIGN=\"LEFT\"><FONT COLOR=\"BLACK\" FACE=\"TIMES NEW ROMAN\" "
                 u"SIZE=\"3\">{S}</FONT></P>"},
    {.name = "specialcharacter", .kind = K::Own, .action = formatting::specialCharacter},
    {.name = "mastertmpclip", .kind = K::Own, .action = call<&T::mnuMaster_Click>},

    // --- File
    {.name = "new", .kind = K::Own, .action = call<&T::new_Click>},
    {.name = "open", .kind = K::Own, .action = call<&T::open_Click>},
    {.name = "save", .kind = K::Own, .action = call<&T::save_Click>},
    {.name = "saveas", .kind = K::Own, .action = call<&T::saveas_Click>},
    {.name = "preview", .kind = K::Own, .action = onPage<preview_Click>},
    {.name = "exit", .kind = K::Own, .action = call<&T::exit_Click>},
    // --- Edit
    {.name = "mnucopy", .kind = K::Own, .action = call<&T::mnucopy_Click>},
    {.name = "mnucut", .kind = K::Own, .action = call<&T::mnucut_Click>},
    {.name = "mnupaste", .kind = K::Own, .action = call<&T::mnupaste_Click>},
    {.name = "mnufind", .kind = K::Own, .action = onPage<mnufind_Click>},
    {.name = "mnufindnext", .kind = K::Own, .action = onPage<mnufindnext_Click>},
    {.name = "mnuReplace", .kind = K::Own, .action = onPage<mnuReplace_Click>},
    {.name = "mnuLcase", .kind = K::Own, .action = onPage<mnuLcase_Click>},
    {.name = "mnuUcase", .kind = K::Own, .action = onPage<mnuUcase_Click>},
    {.name = "mnuIcase", .kind = K::Own, .action = onPage<mnuIcase_Click>},
    {.name = "mnutitlecase", .kind = K::Own, .action = onPage<mnutitlecase_Click>},
    {.name = "mnusentencecase", .kind = K::Own, .action = onPage<mnusentencecase_Click>},
    {.name = "mnuselectall", .kind = K::Own, .action = call<&T::mnuselectall_Click>},
    // --- Format
    {.name = "mnuindent", .kind = K::Wrap, .fragment = u"<blockquote><P>{S}</P></blockquote>"},
    {.name = "mnutabby", .kind = K::Own, .action = formatting::tabify},
    {.name = "mnuhider",
     .kind = K::Own,
     .action = callPart<&T::toggles, &ToolbarToggles::pictinformation_Click>},
    // --- Insert
    {.name = "mnubookmark", .kind = K::Own, .action = onPage<bookmarks::insert>},
    {.name = "linebreaka", .kind = K::Typed, .fragment = u"<BR>{S}", .focusFirst = true},
    {.name = "wbreaka", .kind = K::Typed, .fragment = u"<WBR>"},
    {.name = "nobra", .kind = K::Typed, .fragment = u"<NOBR>{S}</NOBR>", .focusFirst = true},
    {.name = "mnurectbox", .kind = K::Own, .action = formatting::rectangularBox},
    // --- Options
    {.name = "mnuautocorrect",
     .kind = K::Own,
     .action = callPart<&T::assistant, &TypingAssistant::mnuautocorrect_Click>},
    {.name = "mnuassistant",
     .kind = K::Own,
     .action = callPart<&T::assistant, &TypingAssistant::mnuassistant_Click>},
    {.name = "mnuautodel", .kind = K::Own, .action = onPage<mnuautodel_Click>},
    {.name = "mnutruecorrect", .kind = K::Own, .action = onPage<smartCorrect>},
    {.name = "mnusmartselect", .kind = K::Own, .action = onPage<mnusmartselect_Click>},
    {.name = "mnutevcmd",
     .kind = K::Own,
     .action = callPart<&T::commandBox, &CommandBox::mnutevcmd_Click>},
    {.name = "mnucrestore1", .kind = K::Own, .action = callWith<&T::createRestore, 1>},
    {.name = "mnucrestore2", .kind = K::Own, .action = callWith<&T::createRestore, 2>},
    {.name = "mnucrestore3", .kind = K::Own, .action = callWith<&T::createRestore, 3>},
    {.name = "mnurrestore1", .kind = K::Own, .action = callWith<&T::useRestore, 1>},
    {.name = "mnurrestore2", .kind = K::Own, .action = callWith<&T::useRestore, 2>},
    {.name = "mnurrestore3", .kind = K::Own, .action = callWith<&T::useRestore, 3>},
    {.name = "mnuautosave", .kind = K::Own, .action = call<&T::mnuautosave_Click>},
    {.name = "mnuMaster", .kind = K::Own, .action = call<&T::mnuMaster_Click>},
    {.name = "mnucopytotemp", .kind = K::Own, .action = call<&T::mnucopytotemp_Click>},
    {.name = "mnupastetmp", .kind = K::Own, .action = call<&T::mnupastetmp_Click>},
    {.name = "mnutmprem", .kind = K::Own, .action = call<&T::mnutmprem_Click>},
    {.name = "mnucleartemp", .kind = K::Own, .action = call<&T::mnucleartemp_Click>},
    {.name = "mnuslowpaste", .kind = K::Own, .action = call<&T::mnuslowpaste_Click>},
    {.name = "mnubookmarks", .kind = K::Own, .action = onPage<bookmarks::show>},
    {.name = "mnupageproperties", .kind = K::Own, .action = onPage<mnupageproperties_Click>},
    // --- Help
    {.name = "helpa", .kind = K::Own, .action = call<&T::helpa_Click>},
    {.name = "about", .kind = K::Own, .action = call<&T::about_Click>},

    // --- windows the typing assistant shows as they are, without an opener's settings
    {.name = "linkcomplete", .kind = K::Own, .action = showWindow<LinkComplete>},

    // --- toolbar pictures
    {.name = "pictnew", .kind = K::Own, .action = call<&T::new_Click>},
    {.name = "pictopen", .kind = K::Own, .action = call<&T::open_Click>},
    {.name = "pictsave", .kind = K::Own, .action = call<&T::save_Click>},
    {.name = "pictsaveas", .kind = K::Own, .action = call<&T::saveas_Click>},
    {.name = "pictprev", .kind = K::Own, .action = onPage<pictprev_Click>},
    {.name = "pictrest", .kind = K::Own, .action = callWith<&T::createRestore, 1>},
    {.name = "picturest", .kind = K::Own, .action = callWith<&T::useRestore, 1>},
    {.name = "pictrefresh", .kind = K::Own, .action = refresh},
    {.name = "pictinformation",
     .kind = K::Own,
     .action = callPart<&T::toggles, &ToolbarToggles::pictinformation_Click>},
    {.name = "pictcontrast",
     .kind = K::Own,
     .action = callPart<&T::toggles, &ToolbarToggles::pictcontrast_Click>},
    {.name = "picthelpfile", .kind = K::Own, .action = call<&T::helpa_Click>},
};

} // namespace

namespace commands {

std::span<const Command> table() {
    return kCommands;
}

const Command* find(std::string_view name) {
    for (const Command& c : kCommands)
        if (c.name == name) return &c;
    return nullptr;
}

void run(Tolva& w, std::string_view name) {
    const Command* c = find(name);
    if (!c) throw std::logic_error("no command " + std::string(name));
    switch (c->kind) {
    case Kind::Wrap:
        runWrap(w, *c);
        break;
    case Kind::Toggle:
        runToggle(w, *c);
        break;
    case Kind::Numbered:
        runNumbered(w, *c);
        break;
    case Kind::Typed:
        runTyped(w, *c);
        break;
    case Kind::File:
        runFile(w, *c);
        break;
    case Kind::Own:
        if (c->action) c->action(w);
        break;
    }
}

} // namespace commands
