// Horizontal rule dialog: the pieces of one HR tag and the handlers that keep them.
#include "dialogs/HRule.h"

#include "dialogs/NumericBox.h"
#include "page/Page.h"

using forms::String;
using forms::StringView;

namespace {
bool endsWith(StringView s, StringView tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}
// Leftovers of an attribute reader that found no value.
bool leftover(StringView s) {
    return s == u"idth=" || s == u"ze=" || s == u"lign=";
}
} // namespace

HRule::HRule(Page& p) : forms::Form(p.runtime(), "hrule"), page(p) {
    setCaption(u"Insert Horizontal Rule: Tolva");
    Label1.setCaption(u"Alignment");
    Frame1.setCaption(u"Size");
    Label2.setCaption(u"Width");
    Label3.setCaption(u"Height");
    Label4.setCaption(u"Pixels");
    Label5.setCaption(u"Colour");
    Check2.setCaption(u"Percentage");
    Check1.setCaption(u"No Shade (Solid)");
    OKButton.setCaption(u"OK");
    CancelButton.setCaption(u"Cancel");

    for (StringView item : {u"Center", u"Left", u"Right"})
        Align.addItem(item);
    Combo2.setText(u"black");
    for (StringView c :
         {u"aqua", u"black", u"blue", u"fuchsia", u"gray", u"green", u"lime", u"maroon", u"navy",
          u"olive", u"purple", u"red", u"silver", u"teal", u"white", u"yellow"})
        Combo2.addItem(c);
    Combo2.setEditable(true);
    size.setText(u"0");

    Align.setToolTip(u"Choose alignment of the rule");
    Widther.setToolTip(u"The width of the horizontal rule");
    Check2.setToolTip(u"Tick to have the width of the rule in percentage. If not checked, the "
                      u"width will be displayed in pixels");
    size.setToolTip(u"The height of the horizontal rule.");
    Combo2.setToolTip(u"Choose colour of the rule");
    Check1.setToolTip(u"Remove shade.");
    OKButton.setToolTip(u"Insert!");
    CancelButton.setToolTip(u"Go back");

    Load = [this] { Form_Load(); };
    Align.Click = [this] { Align_Click(); };
    Check1.Click = [this] { Check1_Click(); };
    Check2.Click = [this] { Check2_Click(); };
    Combo2.Change = [this] { Combo2_Change(); };
    Combo2.Click = [this] { Combo2_Click(); };
    size.Change = [this] { size_Change(); };
    UpDown2.UpClick = [this] { UpDown2_UpClick(); };
    UpDown2.DownClick = [this] { UpDown2_DownClick(); };
    Widther.Change = [this] { Widther_Change(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    OKButton.Click = [this] { OKButton_Click(); };
    CancelButton.Click = [this] { CancelButton_Click(); };
}

void HRule::Form_Load() {
    Align.setListIndex(0);
    align.clear();
    width.clear();
    sizePiece.clear();
    colour.clear();
    noshade.clear();
    String w = Widther.text();
    if (endsWith(w, u"%")) Widther.setText(w.substr(0, w.size() - 1));
    // An opener that selected an existing rule hands over its no-shade state this way.
    if (endsWith(page.Text1.selText(), u"NOSHADE>")) Check1.setValue(1);
}

void HRule::Align_Click() {
    String item = Align.text();
    if (item == u"Center")
        align.clear();
    else
        align = u" align=\"" + item + u"\"";
}

void HRule::setAlign(StringView text) {
    String wanted = forms::lower(text);
    for (int k = 0; k < Align.listCount(); ++k) {
        if (forms::lower(Align.item(k)) == wanted) {
            Align.setListIndex(k);
            return;
        }
    }
    Align.setListIndex(-1);
    Align_Click();
}

void HRule::Check1_Click() {
    noshade = Check1.value() ? u" NOSHADE" : u"";
}

void HRule::Check2_Click() {
    String w = Widther.text();
    if (Check2.value()) {
        if (w.empty())
            Widther.setText(u"100%");
        else if (!endsWith(w, u"%"))
            Widther.setText(w + u"%");
        return;
    }
    // Only a percent sign goes: when the width box unticks this because its "%" was just
    // deleted or typed over, the character now last is the user's and stays.
    if (!endsWith(w, u"%")) return;
    Widther.setSelStart(Widther.length() - 1);
    Widther.setSelLength(1);
    Widther.setSelText(u"");
}

void HRule::Combo2_Change() {
    colour = Combo2.text() == u"black" ? u"" : u" color=\"" + Combo2.text() + u"\"";
}

void HRule::Combo2_Click() {
    colour = Combo2.text() == u"black" ? u"" : u" color=\"" + Combo2.text() + u"\" ";
}

void HRule::size_Change() {
    sizePiece = size.text() == u"0" ? u"" : u" size=\"" + size.text() + u"\"";
}

void HRule::UpDown2_UpClick() {
    if (size.text().empty()) size.setText(u"1");
    numeric::stepUp(size);
}

void HRule::UpDown2_DownClick() {
    if (size.text().empty()) size.setText(u"0");
    numeric::stepDown(size, 0);
}

void HRule::Widther_Change() {
    for (StringView junk : {u"idth=", u"ze=", u"lign=", u"ign="})
        if (Widther.text() == junk) Widther.setText(u"");
    if (Widther.text().empty())
        Widther.setText(u"100%");
    else
        numeric::numberguard(Widther, u"100%");
    // Written for every width, "100" too, so that the tag says what the box shows.
    width = u" width=" + Widther.text();
    if (!endsWith(Widther.text(), u"%")) Check2.setValue(0);
}

void HRule::Timer1_Timer() {
    Timer1.setEnabled(false);
    if (leftover(size.text())) size.setText(u"0");
    if (leftover(Combo2.text())) Combo2.setText(u"black");
    String w = Widther.text();
    if (endsWith(w, u"%")) {
        std::erase(w, u'%');
        Widther.setText(w);
        Check2.setValue(1);
    }
}

void HRule::OKButton_Click() {
    if (align == u" align=\"\"") align.clear();
    page.Text1.setSelText(u"<HR" + align + width + sizePiece + colour + noshade + u">");
    unload();
}

void HRule::CancelButton_Click() {
    unload();
}

void rule_Click(Page& w) {
    w.window<HRule>().show();
}
