#include "dialogs/Fonty.h"

#include "dialogs/FontGroup.h"
#include "forms/Runtime.h"
#include "page/Page.h"
#include "page/Texts.h"
#include "tools/SmartSelect.h"

using forms::String;
using forms::StringView;

namespace {

constexpr StringView kFaces[] = {u"Arial",           u"Arial black",  u"Comic sans ms ", u"Courier",
                                 u"Courier New",     u"Georgia",      u"Helvetica",      u"Impact",
                                 u"Times New Roman", u"Trebuchet ms", u"Verdana"};

String lower(StringView s) {
    String out(s);
    for (char16_t& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return out;
}

// The text after the first name="... up to the next quote; nothing when it is missing.
std::optional<String> attribute(StringView tag, StringView name) {
    String key = String(name) + u"=\"";
    size_t at = tag.find(key);
    if (at == StringView::npos) return std::nullopt;
    size_t from = at + key.size();
    size_t end = tag.find(u'"', from);
    if (end == StringView::npos) return std::nullopt;
    return String(tag.substr(from, end - from));
}

} // namespace

Fonty::Fonty(Page& p) : forms::Form(p.runtime(), "Fonty"), page(p) {
    setCaption(u"Font: Select text and perform operation - Tolva");
    Text1.setMultiLine(true);
    bold.setCaption(u"B");
    bold.setToolTip(u"Make text bold");
    italic.setCaption(u"I");
    italic.setToolTip(u"Italicise text");
    underline.setCaption(u"U");
    underline.setToolTip(u"Underline text");
    Combo2.setText(u"black");
    for (StringView c : FontGroup::colours())
        Combo2.addItem(c);
    Check1.setCaption(u"RGB Code");
    Text3.setMaxLength(6);
    Text3.setEnabled(false);
    Combo1.setText(u"Times New Roman");
    for (StringView f : kFaces)
        Combo1.addItem(f);
    Text4.setText(u"Times New Roman");
    txtfontsize.setText(u"3");
    txtfontsize.setMaxLength(1);
    Command1.setCaption(u"Set");
    SmartSelect.setCaption(u"Edit.....");
    SmartSelect.setToolTip(u"Smart Select, Smart Edit.");
    OKButton.setCaption(u"OK");
    CancelButton.setCaption(u"Cancel");
    Label2.setCaption(u"Select text, and perform the font changes. Click OK to accept all "
                      u"changes. Cancel to reject");

    Load = [this] { Form_Load(); };
    bold.Click = [this] { FontGroup::toggle(Text1, u"<B>", u"</B>"); };
    italic.Click = [this] { FontGroup::toggle(Text1, u"<I>", u"</I>"); };
    underline.Click = [this] { FontGroup::toggle(Text1, u"<U>", u"</U>"); };
    txtfontsize.Change = [this] { txtfontsize_Change(); };
    FontGroup::bindSizeSpinner(txtfontsize, fontsizeUpDown);
    Combo2.Change = [this] { Combo2_Change(); };
    Combo2.Click = [this] { Combo2_Change(); };
    Text3.Change = [this] { Text3_Change(); };
    Check1.Click = [this] { Check1_Click(); };
    Combo1.Change = [this] { Combo1_Change(); };
    Combo1.Click = [this] { Combo1_Change(); };
    Command1.MouseMove = [this] { Command1_MouseMove(); };
    Command1.Click = [this] { Command1_Click(); };
    SmartSelect.Click = [this] { SmartSelect_Click(); };
    OKButton.Click = [this] { OKButton_Click(); };
    CancelButton.Click = [this] { CancelButton_Click(); };
}

void Fonty::Form_Load() {
    sizeAttr.clear();
    colourAttr.clear();
    faceAttr.clear();
}

void Fonty::txtfontsize_Change() {
    String t = txtfontsize.text();
    // A character that is not a size counts as the default size.
    if (t.empty() || t == u" " || t[0] < u'0' || t[0] > u'9') {
        if (t != u"3") txtfontsize.setText(u"3");
        sizeAttr.clear();
        return;
    }
    sizeAttr = t == u"3" ? String() : u" size=\"" + t + u"\"";
}

void Fonty::Combo2_Change() {
    if (Text3.enabled()) return;
    String c = Combo2.text();
    colourAttr = lower(c) == u"black" ? String() : u" color=\"" + c + u"\"";
}

void Fonty::Text3_Change() {
    colourAttr = u" color=\"#" + Text3.text() + u"\"";
}

void Fonty::Check1_Click() {
    bool on = Check1.value() != 0;
    Text3.setEnabled(on);
    if (!on) Combo2_Change();
}

void Fonty::Combo1_Change() {
    Text4.setText(Combo1.text());
    faceAttr = u" face=\"" + Text4.text() + u"\"";
}

void Fonty::Command1_MouseMove() {
    if (Check1.value() != 0 && Text3.text().size() < 6) {
        runtime().msgBox(u"Invalid value, 6 letters/numbers are required for RGB");
        Text3.setText(u"000000");
    }
}

void Fonty::Command1_Click() {
    String t = Text1.selText();
    String a = u"<font" + sizeAttr + colourAttr + faceAttr + u">";
    StringView v = t;
    bool openingTag = v.starts_with(u"<font") || v.starts_with(u"<FONT") ||
                      v.starts_with(u" <font") || v.starts_with(u" <FONT");
    Text1.setSelText(openingTag ? a : a + t + u"</font>");
}

void Fonty::SmartSelect_Click() {
    int32_t p = Text1.selStart();
    if (Text1.length() == 0 || Text1.at(0) != u' ') {
        Text1.setSelStart(0);
        Text1.setSelLength(0);
        Text1.setSelText(u" ");
    }
    Text1.setSelStart(p);
    Text1.setSelLength(0);
    Text1.setFocus();
    smartSelect(Text1, runtime());
    String sel = Text1.selText();
    if (!StringView(sel).starts_with(u"<font ") && !StringView(sel).starts_with(u"<FONT ")) return;
    int32_t open = Text1.selStart();
    int32_t close = Text1.find(u">", open);
    if (close < 0) {
        runtime().msgBox(u"The end of the tag was not found. This problem is corrected. Please "
                         u"verify and alter if necessary. You may run the Smart Correct tool now.",
                         forms::vbExclamation, Messages::assistant);
        Text1.setText(Text1.text() + u">");
        return;
    }
    Text1.setSelStart(open);
    Text1.setSelLength(close + 1 - open);
    String tag = Text1.selText();
    std::optional<String> colour = attribute(tag, u"color");
    if (colour && StringView(*colour).starts_with(u"#")) {
        Check1.setValue(1);
        Text3.setText(StringView(*colour).substr(1));
        Combo2.setText(u"");
    } else {
        Combo2.setText(colour.value_or(u"black"));
    }
    Text4.setText(attribute(tag, u"face").value_or(u"Times New Roman"));
    txtfontsize.setText(attribute(tag, u"size").value_or(u"3"));
}

void Fonty::OKButton_Click() {
    page.Text1.setSelText(Text1.text());
    unload();
}

void Fonty::CancelButton_Click() {
    unload();
}

namespace fonts {
void openFontDialog(Page& w) {
    String s = w.Text1.selText();
    Fonty& f = w.window<Fonty>();
    f.Text1.setText(s);
    f.show();
    f.Text1.setSelStart(0);
    f.Text1.setSelLength(60000);
}
} // namespace fonts
