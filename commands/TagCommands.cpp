// Tag commands of the main window: the strings they insert, one table per kind of
// command, and the handlers that run them.
#include "commands/Formatting.h"
#include "commands/HelpTexts.h"
#include "commands/Panel.h"
#include "core/Tolva.h"
#include "forms/Runtime.h"

#include <stdexcept>
#include <string>
#include <string_view>

using forms::String;
using forms::StringView;

namespace {

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

// Commands that put a fragment: wraps ({S} between the two tags), additions after the
// selection and fixed fragments (no {S}: the selection is replaced).
struct PutCommand {
    std::string_view control;
    bool focusFirst;
    StringView fragment;
};

const PutCommand kPut[] = {
    {"Abbr", false, u"<ABBR>{S}</ABBR>"},
    {"address", false, u"<address>{S}</address>"},
    {"big", false, u"<BIG>{S}</BIG>"},
    {"Blink", true, u"<blink>{S}</blink>"},
    {"centre", false, u"<CENTER>{S}</CENTER>"},
    {"code", false, u"<CODE>{S}</CODE>"},
    {"comment", false, u"<!-- {S} --> "},
    {"emphasis", false, u"<EM>{S}</EM>"},
    {"fieldset", true, u"<FIELDSET>\r\n{S}\r\n</FIELDSET>"},
    {"highlight", false, u"<span style=\"background-color: #FFFF00\">{S} </span>"},
    {"justify", false, u"<p align=\"justify\">{S}</p>"},
    {"KBD", false, u"<KBD>{S}</KBD>"},
    {"left", false, u"<P align=\"left\">{S}</P>"},
    {"right", false, u"<P align=\"right\">{S}</P>"},
    {"marquee", true, u"<marquee>{S}</marquee>"},
    {"Pre", true, u"<PRE>{S}</PRE>"},
    {"quote", false, u"<Q>{S}</Q>"},
    {"small", false, u"<SMALL>{S}</SMALL>"},
    {"Strike", false, u"<STRIKE>{S}</STRIKE>"},
    {"strong", false, u"<STRONG>{S}</STRONG>"},
    {"Subs", false, u"<SUB>{S}</SUB>"},
    {"sup", false, u"<SUP>{S}</SUP>"},
    {"tt", true, u"<TT>{S} </TT>"},
    {"P", true, u"{S}</P>\r\n<P ALIGN=\"LEFT\">"},
    {"framz", true,
     u"{S}<FRAMESET>\r\n      <FRAME SRC=\"  \" NAME=\"  \">\r\n"
     u"      <FRAME SRC=\"   \" NAME=\"   \">\r\n</FRAMESET>"},
    {"Points", false, u"<LI>{S}"},
    {"applet", false,
     u"<APPLET CODE=\"\" WIDTH=\"\" HEIGHT=\"\" HSPACE=\" \" VSPACE=\" \">\r"
     u"<PARAM NAME=\"\" VALUE=\"\">Sorry, you need a Java enabled browser.\r</APPLET>"},
    {"style", true, u"<STYLE>\r\n\r\n</STYLE>"},
    {"legend", true, u"<LEGEND ALIGN=\"RIGHT\">\r\n\r\n</LEGEND>"},
    {"script", true, u"<SCRIPT LANGUAGE=\"\">\r\n\r\n</SCRIPT>"},
    {"defn", true,
     u"<DL>\r\n     <DT><B> Title </B>\r\n         <DD>the definition comes here</DD>\r\n</DL>"},
    {"header", false, u"<TH><B>Heading comes here</B></TH>"},
    {"Column", false, u"<TD>Text</TD>"},
    {"quickformat", false,
     u"<P ALIGN=\"LEFT\"><FONT COLOR=\"BLACK\" FACE=\"TIMES NEW ROMAN\" SIZE=\"3\">{S}</FONT></P>"},
    {"mnuindent", false, u"<blockquote><P>{S}</P></blockquote>"},
};

struct Toggle {
    std::string_view control;
    StringView open;  // three characters
    StringView close; // four characters
};

const Toggle kToggles[] = {
    {"bold", u"<B>", u"</B>"},
    {"italic", u"<I>", u"</I>"},
    {"Underline", u"<U>", u"</U>"},
};

// Form controls named by a stem and their counter; older names of the same number are
// renamed first so that the new one is unique.
struct Numbered {
    std::string_view control;
    int32_t Tolva::*counter;
    StringView stem;
    StringView fragment;
};

const Numbered kNumbered[] = {
    {"buttoner", &Tolva::buttonNo, u"Button",
     u"<INPUT TYPE=\"BUTTON\"  VALUE=\"Button{n}\"  NAME=\"Button{n}\" > "},
    {"Checkbox", &Tolva::checkboxNo, u"Checkbox",
     u"<INPUT TYPE=\"CHECKBOX\"  VALUE=\"Checkbox{n}\"  NAME=\"Checkbox{n}\">"},
    {"radios", &Tolva::radioNo, u"Radio",
     u"<INPUT TYPE=\"RADIO\"  VALUE=\"Radio{n}\"  NAME=\"Radio{n}\">"},
    {"Textbox", &Tolva::textboxNo, u"textbox",
     u"<INPUT TYPE=\"TEXT\"  VALUE=\"\"  NAME=\"textbox{n}\">"},
    {"passwords", &Tolva::passNo, u"pass", u"<INPUT TYPE=\"PASSWORD\" NAME=\"pass{n}\">"},
    {"Submitter", &Tolva::submitNo, u"submit",
     u"<INPUT TYPE=\"SUBMIT\"  VALUE=\"SUBMIT\"  NAME=\"submit{n}\">"},
    {"resettor", &Tolva::resetNo, u"reset",
     u"<INPUT TYPE=\"RESET\"  VALUE=\"RESET\"  NAME=\"reset{n}\">"},
    {"browse", &Tolva::browseNo, u"browse", u"<input type=\"file\" name=\"browse{n}\">"},
    {"formesh", &Tolva::formNo, u"form",
     u"<FORM NAME=\" form{n} \" method=\"GET\" ACTION=\"url\">\r\n\r\n\r\n</FORM>\r\n"},
    {"puller", &Tolva::pulldownNo, u"pulldownList",
     u"<SELECT NAME=\"pulldownList{n}\">\r\n<OPTION> Choice 1\r\n<OPTION> Choice 2\r\n</SELECT>"},
    {"selecter", &Tolva::selectorNo, u"Selector",
     u"<SELECT NAME=\"Selector{n}\" size=\"  \" MULTIPLE>\r\n <OPTION SELECTED>Default option  "
     u"\r\n <OPTION>option 1 \r\n </SELECT>"},
    {"textarea", &Tolva::areaNo, u"area",
     u"<TEXTAREA Cols=\"{C}\" rows=\"{R}\" NAME=\"area{n}\" wrap=\"OFF\">\r\nDefault text of "
     u"text area\r\n</TEXTAREA>"},
};

constexpr StringView kFileUpload = u"<INPUT TYPE=\"FILE\" NAME=\"file{n}\" > ";

// Commands that insert the name of a file chosen in the open dialog.
struct FileCommand {
    std::string_view control;
    StringView fragment;
    StringView noFile; // the message when nothing was chosen
    int flags;
    StringView title; // "" for the application title
};

const FileCommand kFiles[] = {
    {"sound", u"<BGSOUND SRC=\"{file}\" LOOP=5>", u"No file was selected.", forms::vbOKOnly, u""},
    {"music",
     u"<OBJECT DATA=\"{file}\" TYPE=\"audio/type of file\"> <PARAM NAME=\"AUTOSTART\" "
     u"VALUE=\"TRUE\"> [Soothing Music] </OBJECT>",
     u"Invalid filename. Music not inserted.", forms::vbOKOnly, u""},
    {"clipper", u"<IMG DYNSRC=\"{file}\" START=\"   \" LOOP=\"TRUE\">",
     u"No video file was selected.", forms::vbExclamation, u"Assistant: Tolva"},
};

// Commands whose text arrives as typed keystrokes.
constexpr StringView kLineBreak = u"<BR>{S}";
constexpr StringView kNoBreak = u"<NOBR>{S}</NOBR>";
constexpr StringView kWordBreak = u"<WBR>";
constexpr StringView kMouseLink = u"<A HREF=\"{U}\" {A}=\"{V}\">{S}</A>";

template <class T, size_t N> const T& lookup(const T (&table)[N], std::string_view control) {
    for (const T& e : table)
        if (e.control == control) return e;
    throw std::logic_error("no tag command " + std::string(control));
}

void put(Tolva& w, StringView text) {
    w.Text1.setSelText(text);
}

// Queued keystrokes arrive after the running handler, each character as itself.
void type(Tolva& w, StringView text) {
    w.Text1.setFocus();
    w.runtime().sendKeys(text);
}

void runPut(Tolva& w, std::string_view control) {
    const PutCommand& c = lookup(kPut, control);
    if (c.focusFirst) w.Text1.setFocus();
    put(w, expand(c.fragment, {{u"{S}", w.Text1.selText()}}));
}

void runToggle(Tolva& w, std::string_view control) {
    const Toggle& t = lookup(kToggles, control);
    int32_t len = w.Text1.selLength();
    if (len > 0) {
        String s = w.Text1.selText();
        if (StringView(s).substr(0, 3) != t.open) put(w, String(t.open) + s + String(t.close));
        // Unwrapping drops the first three and the last four characters, whatever they are;
        // a selection too short to hold both is left as it is.
        else if (len >= 7)
            put(w, s.substr(3, static_cast<size_t>(len - 7)));
    }
    w.Text1.setFocus();
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

void runNumbered(Tolva& w, std::string_view control) {
    const Numbered& c = lookup(kNumbered, control);
    w.Text1.setFocus();
    int32_t p = w.Text1.selStart();
    int32_t& n = w.*c.counter;
    String number = forms::number(n);
    w.Text1.setText(renameOlder(w.Text1.text(), String(c.stem) + number));
    w.Text1.setSelStart(p);
    String cols, rows;
    if (control == "textarea") {
        cols = w.runtime().inputBox(u"Please enter number of columns",
                                    u"Textarea Columns - Assistant: Tolva", u"25");
        rows = w.runtime().inputBox(u"Please enter number of rows",
                                    u"Textarea Rows - Assistant: Tolva", u"10");
    }
    put(w, expand(c.fragment, {{u"{n}", number}, {u"{C}", cols}, {u"{R}", rows}}));
    ++n;
}

void runFile(Tolva& w, std::string_view control) {
    const FileCommand& c = lookup(kFiles, control);
    w.CommonDialog1.showOpen();
    String file = w.CommonDialog1.FileName;
    if (file.empty()) {
        w.runtime().msgBox(c.noFile, c.flags, c.title);
        w.Text1.setFocus();
        return;
    }
    put(w, expand(c.fragment, {{u"{file}", file}}));
}

} // namespace

void Tolva::buildTagCommands() {
    for (const panel::Group& g : panel::groups())
        if (auto* f = dynamic_cast<forms::Frame*>(find(std::string(g.frame))))
            f->setCaption(g.caption);
    for (const panel::Entry& e : panel::entries()) {
        auto* b = dynamic_cast<forms::Button*>(find(std::string(e.control)));
        if (!b || !e.handler) continue;
        b->setCaption(e.caption);
        if (!e.picture.empty()) b->setPicture(std::string(e.picture));
        b->Click = [this, h = e.handler] { (this->*h)(); };
    }

    headin.setText(u"Insert Heading");
    for (int k = 1; k <= 6; ++k) {
        String d = forms::number(k);
        headin.addItem(u"<H" + d + u" ALIGN=\"LEFT\">Level " + d + u" Heading comes here</H" + d +
                       u">");
    }
    Combo4.setText(u"Mouse Action");
    for (StringView a : {u"onClick", u"onMouseOver", u"onMouseOut"})
        Combo4.addItem(a);
    fillSpecialCharacters(Combo3);
    Combo3.Click = [this] { Combo3_Click(); };

    helpline::apply(*this);
}

// --- wraps, additions and fixed fragments --------------------------------------------------

void Tolva::Abbr_Click() {
    runPut(*this, "Abbr");
}
void Tolva::address_Click() {
    runPut(*this, "address");
}
void Tolva::big_Click() {
    runPut(*this, "big");
}
void Tolva::Blink_Click() {
    runPut(*this, "Blink");
}
void Tolva::centre_Click() {
    runPut(*this, "centre");
}
void Tolva::code_Click() {
    runPut(*this, "code");
}
void Tolva::comment_Click() {
    runPut(*this, "comment");
}
void Tolva::emphasis_Click() {
    runPut(*this, "emphasis");
}
void Tolva::fieldset_Click() {
    runPut(*this, "fieldset");
}
void Tolva::highlight_Click() {
    runPut(*this, "highlight");
}
void Tolva::justify_Click() {
    runPut(*this, "justify");
}
void Tolva::KBD_Click() {
    runPut(*this, "KBD");
}
void Tolva::left_Click() {
    runPut(*this, "left");
}
void Tolva::right_Click() {
    runPut(*this, "right");
}
void Tolva::marquee_Click() {
    runPut(*this, "marquee");
}
void Tolva::Pre_Click() {
    runPut(*this, "Pre");
}
void Tolva::quote_Click() {
    runPut(*this, "quote");
}
void Tolva::small_Click() {
    runPut(*this, "small");
}
void Tolva::Strike_Click() {
    runPut(*this, "Strike");
}
void Tolva::strong_Click() {
    runPut(*this, "strong");
}
void Tolva::Subs_Click() {
    runPut(*this, "Subs");
}
void Tolva::sup_Click() {
    runPut(*this, "sup");
}
void Tolva::tt_Click() {
    runPut(*this, "tt");
}
void Tolva::P_Click() {
    runPut(*this, "P");
}
void Tolva::framz_Click() {
    runPut(*this, "framz");
}
void Tolva::Points_Click() {
    runPut(*this, "Points");
}
void Tolva::applet_Click() {
    runPut(*this, "applet");
}
void Tolva::style_Click() {
    runPut(*this, "style");
}
void Tolva::legend_Click() {
    runPut(*this, "legend");
}
void Tolva::script_Click() {
    runPut(*this, "script");
}
void Tolva::defn_Click() {
    runPut(*this, "defn");
}
void Tolva::header_Click() {
    runPut(*this, "header");
}
void Tolva::Column_Click() {
    runPut(*this, "Column");
}
void Tolva::quickformat_Click() {
    runPut(*this, "quickformat");
}
void Tolva::mnuindent_Click() {
    runPut(*this, "mnuindent");
}
void Tolva::fileupload_Click() {
    put(*this, expand(kFileUpload, {{u"{n}", forms::number(fileNo)}}));
    ++fileNo;
}

// --- toggles --------------------------------------------------------------------------------

void Tolva::bold_Click() {
    runToggle(*this, "bold");
}
void Tolva::italic_Click() {
    runToggle(*this, "italic");
}
void Tolva::Underline_Click() {
    runToggle(*this, "Underline");
}

// --- numbered form controls -------------------------------------------------------------------

void Tolva::buttoner_Click() {
    runNumbered(*this, "buttoner");
}
void Tolva::Checkbox_Click() {
    runNumbered(*this, "Checkbox");
}
void Tolva::radios_Click() {
    runNumbered(*this, "radios");
}
void Tolva::Textbox_Click() {
    runNumbered(*this, "Textbox");
}
void Tolva::passwords_Click() {
    runNumbered(*this, "passwords");
}
void Tolva::Submitter_Click() {
    runNumbered(*this, "Submitter");
}
void Tolva::resettor_Click() {
    runNumbered(*this, "resettor");
}
void Tolva::browse_Click() {
    runNumbered(*this, "browse");
}
void Tolva::formesh_Click() {
    runNumbered(*this, "formesh");
}
void Tolva::puller_Click() {
    runNumbered(*this, "puller");
}
void Tolva::selecter_Click() {
    runNumbered(*this, "selecter");
}
void Tolva::textarea_Click() {
    runNumbered(*this, "textarea");
}

// --- files ------------------------------------------------------------------------------------

void Tolva::sound_Click() {
    runFile(*this, "sound");
}
void Tolva::music_Click() {
    runFile(*this, "music");
}
void Tolva::clipper_Click() {
    runFile(*this, "clipper");
}

// --- typed commands ---------------------------------------------------------------------------

void Tolva::InsertLineBreak() {
    Text1.setFocus();
    type(*this, expand(kLineBreak, {{u"{S}", Text1.selText()}}));
}

void Tolva::InsertNoBreak() {
    Text1.setFocus();
    type(*this, expand(kNoBreak, {{u"{S}", Text1.selText()}}));
}

void Tolva::InsertWordBreak() {
    type(*this, kWordBreak);
}

void Tolva::InsertHead_Click() {
    String h = headin.text();
    if (h.empty() || h == u"Insert Heading") {
        runtime().msgBox(u"Choose a valid value from the list");
        return;
    }
    type(*this, h);
}

void Tolva::insert_Click() {
    String a = Combo4.text();
    if (a.empty() || a == u"Mouse Action") {
        runtime().msgBox(u"Invalid action");
        Text1.setFocus();
        return;
    }
    String url = runtime().inputBox(u"Enter the URL of the link");
    String action = runtime().inputBox(u"What should happen when the mouse action occurs?");
    if (url.empty() || action.empty()) {
        runtime().msgBox(u"Invalid URL or action");
        Combo4.setFocus();
        return;
    }
    Text1.setFocus();
    type(*this, expand(kMouseLink, {{u"{U}", url},
                                    {u"{A}", Combo4.text()},
                                    {u"{V}", action},
                                    {u"{S}", Text1.selText()}}));
}
