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

#include <array>
#include <stdexcept>
#include <string>

using forms::String;
using forms::StringView;

namespace {

using T = Tolva;
using K = commands::Kind;
using C = commands::Command;
using commands::expand;
using commands::Id;

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
constexpr C kCommands[] = {
    // --- General
    {.id = Id::numberings, .kind = K::Own, .action = onPage<numberings_Click>},
    {.id = Id::Bullet, .kind = K::Own, .action = onPage<Bullet_Click>},
    {.id = Id::Points, .kind = K::Wrap, .fragment = u"<LI>{S}"},
    {.id = Id::linker, .kind = K::Own, .action = onPage<linker_Click>},
    {.id = Id::Mail, .kind = K::Own, .action = onPage<Mail_Click>},
    {.id = Id::Images, .kind = K::Own, .action = onPage<Images_Click>},
    {.id = Id::rule, .kind = K::Own, .action = onPage<rule_Click>},
    {.id = Id::comment, .kind = K::Wrap, .fragment = u"<!-- {S} --> "},
    {.id = Id::highlight,
     .kind = K::Wrap,
     .fragment = u"<span style=\"background-color: #FFFF00\">{S} </span>"},
    {.id = Id::tt, .kind = K::Wrap, .fragment = u"<TT>{S} </TT>", .focusFirst = true},
    {.id = Id::music,
     .kind = K::File,
     .fragment = u"<OBJECT DATA=\"{file}\" TYPE=\"audio/type of file\"> <PARAM NAME=\"AUTOSTART\" "
                 u"VALUE=\"TRUE\"> [Soothing Music] </OBJECT>",
     .noFile = u"Invalid filename. Music not inserted."},
    {.id = Id::object, .kind = K::Own, .action = onPage<object_Click>},
    {.id = Id::KBD, .kind = K::Wrap, .fragment = u"<KBD>{S}</KBD>"},
    {.id = Id::P,
     .kind = K::Wrap,
     .fragment = u"{S}</P>\r\n<P ALIGN=\"LEFT\">",
     .focusFirst = true},
    {.id = Id::Pre, .kind = K::Wrap, .fragment = u"<PRE>{S}</PRE>", .focusFirst = true},
    {.id = Id::Subs, .kind = K::Wrap, .fragment = u"<SUB>{S}</SUB>"},
    {.id = Id::sup, .kind = K::Wrap, .fragment = u"<SUP>{S}</SUP>"},
    {.id = Id::insert, .kind = K::Own, .action = mouseLink},
    // --- Font Editting
    {.id = Id::bold, .kind = K::Toggle, .fragment = u"<B>", .close = u"</B>"},
    {.id = Id::italic, .kind = K::Toggle, .fragment = u"<I>", .close = u"</I>"},
    {.id = Id::Underline, .kind = K::Toggle, .fragment = u"<U>", .close = u"</U>"},
    {.id = Id::btnfontsize,
     .kind = K::Own,
     .action = callPart<&T::fonts, &FontGroup::btnfontsize_Click>},
    {.id = Id::command6, .kind = K::Own, .action = callPart<&T::fonts, &FontGroup::command6_Click>},
    {.id = Id::btnmorefonts, .kind = K::Own, .action = onPage<fonts::showFaceChooser>},
    {.id = Id::colour_setter,
     .kind = K::Own,
     .action = callPart<&T::fonts, &FontGroup::colour_setter_Click>},
    {.id = Id::command5, .kind = K::Own, .action = callPart<&T::fonts, &FontGroup::command5_Click>},
    {.id = Id::BeginFont, .kind = K::Own, .action = onPage<fonts::openFontDialog>},
    // --- Forms
    {.id = Id::formesh,
     .kind = K::Numbered,
     .fragment = u"<FORM NAME=\" form{n} \" method=\"GET\" ACTION=\"url\">\r\n\r\n\r\n</FORM>\r\n",
     .counter = &Page::formNo,
     .stem = u"form"},
    {.id = Id::Textbox,
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox{n}\">",
     .counter = &Page::textboxNo,
     .stem = u"textbox"},
    {.id = Id::passwords,
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"PASSWORD\" NAME=\"pass{n}\">",
     .counter = &Page::passNo,
     .stem = u"pass"},
    {.id = Id::textarea,
     .kind = K::Numbered,
     .fragment = u"<TEXTAREA Cols=\"{C}\" rows=\"{R}\" NAME=\"area{n}\" wrap=\"OFF\">\r\nDefault "
                 u"text of text area\r\n</TEXTAREA>",
     .counter = &Page::areaNo,
     .stem = u"area"},
    {.id = Id::buttoner,
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"BUTTON\"  VALUE=\"Button{n}\"  NAME=\"Button{n}\" > ",
     .counter = &Page::buttonNo,
     .stem = u"Button"},
    {.id = Id::browse,
     .kind = K::Numbered,
     .fragment = u"<input type=\"file\" name=\"browse{n}\">",
     .counter = &Page::browseNo,
     .stem = u"browse"},
    {.id = Id::Checkbox,
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox{n}\"  NAME=\"Checkbox{n}\">",
     .counter = &Page::checkboxNo,
     .stem = u"Checkbox"},
    {.id = Id::radios,
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"RADIO\"  VALUE=\"Radio{n}\"  NAME=\"Radio{n}\">",
     .counter = &Page::radioNo,
     .stem = u"Radio"},
    {.id = Id::resettor,
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset{n}\">",
     .counter = &Page::resetNo,
     .stem = u"reset"},
    {.id = Id::Submitter,
     .kind = K::Numbered,
     .fragment = u"<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit{n}\">",
     .counter = &Page::submitNo,
     .stem = u"submit"},
    {.id = Id::selecter,
     .kind = K::Numbered,
     .fragment = u"<SELECT NAME=\"Selector{n}\" size=\"  \" MULTIPLE>\r\n <OPTION SELECTED>Default "
                 u"option  \r\n <OPTION>option 1 \r\n </SELECT>",
     .counter = &Page::selectorNo,
     .stem = u"Selector"},
    {.id = Id::puller,
     .kind = K::Numbered,
     .fragment = u"<SELECT NAME=\"pulldownList{n}\">\r\n<OPTION> Choice 1\r\n<OPTION> Choice "
                 u"2\r\n</SELECT>",
     .counter = &Page::pulldownNo,
     .stem = u"pulldownList"},
    {.id = Id::fieldset,
     .kind = K::Wrap,
     .fragment = u"<FIELDSET>\r\n{S}\r\n</FIELDSET>",
     .focusFirst = true},
    {.id = Id::legend,
     .kind = K::Wrap,
     .fragment = u"<LEGEND ALIGN=\"RIGHT\">\r\n\r\n</LEGEND>",
     .focusFirst = true},
    // --- Table
    {.id = Id::Table, .kind = K::Own, .action = onPage<Table_Click>},
    {.id = Id::Row, .kind = K::Own, .action = onPage<Row_Click>},
    {.id = Id::Column, .kind = K::Wrap, .fragment = u"<TD>Text</TD>"},
    {.id = Id::header, .kind = K::Wrap, .fragment = u"<TH><B>Heading comes here</B></TH>"},
    // --- Extras
    {.id = Id::Strike, .kind = K::Wrap, .fragment = u"<STRIKE>{S}</STRIKE>"},
    {.id = Id::sound,
     .kind = K::File,
     .fragment = u"<BGSOUND SRC=\"{file}\" LOOP=5>",
     .noFile = u"No file was selected."},
    {.id = Id::clipper,
     .kind = K::File,
     .fragment = u"<IMG DYNSRC=\"{file}\" START=\"   \" LOOP=\"TRUE\">",
     .noFile = u"No video file was selected.",
     .flags = forms::vbExclamation,
     .title = Messages::assistant},
    {.id = Id::quote, .kind = K::Wrap, .fragment = u"<Q>{S}</Q>"},
    {.id = Id::code, .kind = K::Wrap, .fragment = u"<CODE>{S}</CODE>"},
    {.id = Id::big, .kind = K::Wrap, .fragment = u"<BIG>{S}</BIG>"},
    {.id = Id::small, .kind = K::Wrap, .fragment = u"<SMALL>{S}</SMALL>"},
    {.id = Id::strong, .kind = K::Wrap, .fragment = u"<STRONG>{S}</STRONG>"},
    {.id = Id::Abbr, .kind = K::Wrap, .fragment = u"<ABBR>{S}</ABBR>"},
    {.id = Id::emphasis, .kind = K::Wrap, .fragment = u"<EM>{S}</EM>"},
    // --- Misc
    {.id = Id::applet,
     .kind = K::Wrap,
     .fragment = u"<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">\r"
                 u"<PARAM NAME=\"\" VALUE=\"\">Sorry, you need a Java enabled browser.\r</APPLET>"},
    {.id = Id::framz,
     .kind = K::Wrap,
     .fragment = u"{S}<FRAMESET>\r\n      <FRAME SRC=\"  \" NAME=\"  \">\r\n"
                 u"      <FRAME SRC=\"   \" NAME=\"   \">\r\n</FRAMESET>",
     .focusFirst = true},
    {.id = Id::script,
     .kind = K::Wrap,
     .fragment = u"<SCRIPT LANGUAGE=\"\">\r\n\r\n</SCRIPT>",
     .focusFirst = true},
    {.id = Id::style, .kind = K::Wrap, .fragment = u"<STYLE>\r\n\r\n</STYLE>", .focusFirst = true},
    {.id = Id::address, .kind = K::Wrap, .fragment = u"<address>{S}</address>"},
    {.id = Id::fileupload, .kind = K::Own, .action = fileUpload},
    {.id = Id::defn,
     .kind = K::Wrap,
     .fragment = u"<DL>\r\n     <DT><B> Title </B>\r\n         <DD>the definition comes "
                 u"here</DD>\r\n</DL>",
     .focusFirst = true},
    {.id = Id::InsertHead, .kind = K::Own, .action = insertHeading},
    // --- Align
    {.id = Id::left, .kind = K::Wrap, .fragment = u"<P align=\"left\">{S}</P>"},
    {.id = Id::centre, .kind = K::Wrap, .fragment = u"<CENTER>{S}</CENTER>"},
    {.id = Id::right, .kind = K::Wrap, .fragment = u"<P align=\"right\">{S}</P>"},
    {.id = Id::justify, .kind = K::Wrap, .fragment = u"<p align=\"justify\">{S}</p>"},
    // --- Special
    {.id = Id::marquee, .kind = K::Wrap, .fragment = u"<marquee>{S}</marquee>", .focusFirst = true},
    {.id = Id::Blink, .kind = K::Wrap, .fragment = u"<blink>{S}</blink>", .focusFirst = true},
    {.id = Id::quickformat,
     .kind = K::Wrap,
     .fragment = u"<P ALIGN=\"LEFT\"><FONT COLOR=\"BLACK\" FACE=\"TIMES NEW ROMAN\" "
                 u"SIZE=\"3\">{S}</FONT></P>"},
    {.id = Id::specialcharacter, .kind = K::Own, .action = formatting::specialCharacter},

    // --- File
    {.id = Id::new_, .kind = K::Own, .action = call<&T::new_Click>},
    {.id = Id::open, .kind = K::Own, .action = call<&T::open_Click>},
    {.id = Id::save, .kind = K::Own, .action = call<&T::save_Click>},
    {.id = Id::saveas, .kind = K::Own, .action = call<&T::saveas_Click>},
    {.id = Id::preview, .kind = K::Own, .action = onPage<preview_Click>},
    {.id = Id::exit, .kind = K::Own, .action = call<&T::exit_Click>},
    // --- Edit
    {.id = Id::mnucopy, .kind = K::Own, .action = call<&T::mnucopy_Click>},
    {.id = Id::mnucut, .kind = K::Own, .action = call<&T::mnucut_Click>},
    {.id = Id::mnupaste, .kind = K::Own, .action = call<&T::mnupaste_Click>},
    {.id = Id::mnufind, .kind = K::Own, .action = onPage<mnufind_Click>},
    {.id = Id::mnufindnext, .kind = K::Own, .action = onPage<mnufindnext_Click>},
    {.id = Id::mnuReplace, .kind = K::Own, .action = onPage<mnuReplace_Click>},
    {.id = Id::mnuLcase, .kind = K::Own, .action = onPage<mnuLcase_Click>},
    {.id = Id::mnuUcase, .kind = K::Own, .action = onPage<mnuUcase_Click>},
    {.id = Id::mnuIcase, .kind = K::Own, .action = onPage<mnuIcase_Click>},
    {.id = Id::mnutitlecase, .kind = K::Own, .action = onPage<mnutitlecase_Click>},
    {.id = Id::mnusentencecase, .kind = K::Own, .action = onPage<mnusentencecase_Click>},
    {.id = Id::mnuselectall, .kind = K::Own, .action = call<&T::mnuselectall_Click>},
    // --- Format
    {.id = Id::mnuindent, .kind = K::Wrap, .fragment = u"<blockquote><P>{S}</P></blockquote>"},
    {.id = Id::mnutabby, .kind = K::Own, .action = formatting::tabify},
    // --- Insert
    {.id = Id::mnubookmark, .kind = K::Own, .action = onPage<bookmarks::insert>},
    {.id = Id::linebreaka, .kind = K::Typed, .fragment = u"<BR>{S}", .focusFirst = true},
    {.id = Id::wbreaka, .kind = K::Typed, .fragment = u"<WBR>"},
    {.id = Id::nobra, .kind = K::Typed, .fragment = u"<NOBR>{S}</NOBR>", .focusFirst = true},
    {.id = Id::mnurectbox, .kind = K::Own, .action = formatting::rectangularBox},
    // --- Options
    {.id = Id::mnuautocorrect,
     .kind = K::Own,
     .action = callPart<&T::assistant, &TypingAssistant::mnuautocorrect_Click>},
    {.id = Id::mnuassistant,
     .kind = K::Own,
     .action = callPart<&T::assistant, &TypingAssistant::mnuassistant_Click>},
    {.id = Id::mnuautodel, .kind = K::Own, .action = onPage<mnuautodel_Click>},
    {.id = Id::mnutruecorrect, .kind = K::Own, .action = onPage<smartCorrect>},
    {.id = Id::mnusmartselect, .kind = K::Own, .action = onPage<mnusmartselect_Click>},
    {.id = Id::mnutevcmd,
     .kind = K::Own,
     .action = callPart<&T::commandBox, &CommandBox::mnutevcmd_Click>},
    {.id = Id::mnucrestore1, .kind = K::Own, .action = callWith<&T::createRestore, 1>},
    {.id = Id::mnucrestore2, .kind = K::Own, .action = callWith<&T::createRestore, 2>},
    {.id = Id::mnucrestore3, .kind = K::Own, .action = callWith<&T::createRestore, 3>},
    {.id = Id::mnurrestore1, .kind = K::Own, .action = callWith<&T::useRestore, 1>},
    {.id = Id::mnurrestore2, .kind = K::Own, .action = callWith<&T::useRestore, 2>},
    {.id = Id::mnurrestore3, .kind = K::Own, .action = callWith<&T::useRestore, 3>},
    {.id = Id::mnuautosave, .kind = K::Own, .action = call<&T::mnuautosave_Click>},
    {.id = Id::mnuMaster, .kind = K::Own, .action = call<&T::mnuMaster_Click>},
    {.id = Id::mnucopytotemp, .kind = K::Own, .action = call<&T::mnucopytotemp_Click>},
    {.id = Id::mnupastetmp, .kind = K::Own, .action = call<&T::mnupastetmp_Click>},
    {.id = Id::mnutmprem, .kind = K::Own, .action = call<&T::mnutmprem_Click>},
    {.id = Id::mnucleartemp, .kind = K::Own, .action = call<&T::mnucleartemp_Click>},
    {.id = Id::mnuslowpaste, .kind = K::Own, .action = call<&T::mnuslowpaste_Click>},
    {.id = Id::mnubookmarks, .kind = K::Own, .action = onPage<bookmarks::show>},
    {.id = Id::mnupageproperties, .kind = K::Own, .action = onPage<mnupageproperties_Click>},
    // --- Help
    {.id = Id::helpa, .kind = K::Own, .action = call<&T::helpa_Click>},
    {.id = Id::about, .kind = K::Own, .action = call<&T::about_Click>},

    // --- windows the typing assistant shows as they are, without an opener's settings
    {.id = Id::linkcomplete, .kind = K::Own, .action = showWindow<LinkComplete>},

    // --- toolbar pictures
    {.id = Id::pictrefresh, .kind = K::Own, .action = refresh},
    {.id = Id::pictinformation,
     .kind = K::Own,
     .action = callPart<&T::toggles, &ToolbarToggles::pictinformation_Click>},
    {.id = Id::pictcontrast,
     .kind = K::Own,
     .action = callPart<&T::toggles, &ToolbarToggles::pictcontrast_Click>},
};

// Where each control's own command sits in kCommands; -1 for none.
constexpr auto kIndex = [] {
    std::array<int16_t, static_cast<size_t>(Id::none)> at{};
    at.fill(-1);
    for (size_t i = 0; i < std::size(kCommands); ++i)
        at[static_cast<size_t>(kCommands[i].id)] = static_cast<int16_t>(i);
    return at;
}();

constexpr bool eachControlHasOneCommandAndEveryAliasLandsOnOne() {
    for (size_t i = 0; i < std::size(kCommands); ++i)
        if (kIndex[static_cast<size_t>(kCommands[i].id)] != static_cast<int16_t>(i)) return false;
    for (const commands::Row& r : commands::rows())
        if (r.does != Id::none &&
            (kIndex[static_cast<size_t>(r.id)] >= 0 || kIndex[static_cast<size_t>(r.does)] < 0))
            return false;
    return true;
}
static_assert(eachControlHasOneCommandAndEveryAliasLandsOnOne(),
              "a control with two commands, or an alias with a command of its own or none to run");

} // namespace

namespace commands {

String expand(StringView fragment, std::initializer_list<Placeholder> values) {
    // Room for each value once, so that a whole-page selection is copied in without regrowing.
    size_t room = fragment.size();
    for (const Placeholder& v : values)
        room += v.text.size();
    String out;
    out.reserve(room);
    for (size_t i = 0; i < fragment.size();) {
        bool done = false;
        if (fragment[i] == u'{') {
            for (const Placeholder& v : values) {
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

const Command* find(Id control) {
    if (control == Id::none) return nullptr;
    if (Id other = row(control).does; other != Id::none) control = other;
    int16_t at = kIndex[static_cast<size_t>(control)];
    return at < 0 ? nullptr : &kCommands[at];
}

const Command* find(std::string_view control) {
    const Row* r = rowNamed(control);
    return r ? find(r->id) : nullptr;
}

void run(Tolva& w, std::string_view control) {
    const Row* r = rowNamed(control);
    if (!r || !find(r->id)) throw std::logic_error("no command " + std::string(control));
    run(w, r->id);
}

void run(Tolva& w, Id control) {
    const Command* c = find(control);
    if (!c) throw std::logic_error("no command " + std::string(name(control)));
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
