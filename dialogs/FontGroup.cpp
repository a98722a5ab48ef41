#include "dialogs/FontGroup.h"

#include "dialogs/NumericBox.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "page/Texts.h"

using forms::String;
using forms::StringView;

namespace {

constexpr StringView kColours[] = {u"aqua",   u"black",  u"blue",  u"fuchsia", u"gray",   u"green",
                                   u"lime",   u"maroon", u"navy",  u"olive",   u"purple", u"red",
                                   u"silver", u"teal",   u"white", u"yellow"};
constexpr StringView kFaces[] = {u"Arial",           u"Arial black",  u"Comic Sans MS", u"Courier",
                                 u"Courier New",     u"Georgia",      u"Helvetica",     u"Impact",
                                 u"Times New Roman", u"Trebuchet ms", u"Verdana"};

constexpr StringView kSizeTip = u"Change font size of selected size.";
constexpr StringView kFaceTip = u"Change font name/face of selected text.";
constexpr StringView kColourTip = u"Change colour of selected text";
constexpr StringView kRgbShort = u"Invalid value, 6 letters/numbers are required for RGB";

// The selection between two tags, built in one allocation: the selection may be the whole page.
String wrapped(StringView open, StringView s, StringView close) {
    String out;
    out.reserve(open.size() + s.size() + close.size());
    out += open;
    out += s;
    out += close;
    return out;
}

} // namespace

FontGroup::FontGroup(forms::Form& w, forms::TextBox& buffer)
    : fonter(w, "fonter"), txtfontsize(w, "txtfontsize"), fontsizeUpDown(w, "fontsizeUpDown"),
      btnfontsize(w, "btnfontsize"), Text4(w, "Text4"), Combo1(w, "Combo1"),
      command6(w, "command6"), Combo2(w, "Combo2"), colour_setter(w, "colour_setter"),
      Text3(w, "Text3"), command5(w, "command5"), btnmorefonts(w, "btnmorefonts"),
      BeginFont(w, "BeginFont"), bold(w, "bold"), italic(w, "italic"), Underline(w, "Underline"),
      buffer_(buffer) {
    txtfontsize.setText(u"3");
    txtfontsize.setMaxLength(1);
    Text4.setText(u"Times New Roman");
    Combo1.setText(u"Font Face");
    for (StringView f : kFaces)
        Combo1.addItem(f);
    Combo2.setText(u"black");
    for (StringView c : kColours)
        Combo2.addItem(c);
    Text3.setMaxLength(6);

    txtfontsize.Change = [this] { txtfontsize_Change(); };
    bindSizeSpinner(txtfontsize, fontsizeUpDown);
    Combo1.Click = [this] { Combo1_Click(); };
    Combo1.Change = [this] { Combo1_Change(); };
}

void FontGroup::bindSizeSpinner(forms::TextBox& box, forms::UpDown& spin) {
    // The spinner never leaves 1 to 7.
    spin.DownClick = [&box] {
        if (auto v = numeric::value(box.text()); v && *v > 1) numeric::stepDown(box, 1);
    };
    spin.UpClick = [&box] {
        if (auto v = numeric::value(box.text()); v && *v < 7) numeric::stepUp(box);
    };
}

void FontGroup::toggle(forms::TextBox& box, StringView open, StringView close) {
    int32_t len = box.selLength();
    if (len > 0) {
        String s = box.selText();
        if (StringView(s).substr(0, 3) != open) box.setSelText(wrapped(open, s, close));
        // Unwrapping drops the first three and the last four characters, whatever they are;
        // a selection too short to hold both is left as it is.
        else if (len >= 7)
            box.setSelText(StringView(s).substr(3, static_cast<size_t>(len - 7)));
    }
    box.setFocus();
}

std::span<const StringView> FontGroup::colours() {
    return kColours;
}

void FontGroup::reset() {
    sizeIdle = faceIdle = colourIdle = true;
}

void FontGroup::apply(bool& idle, forms::Button& icon, StringView open, StringView close,
                      StringView startedTip, StringView idleTip, bool focusFirst) {
    String s = buffer_.selText();
    if (!s.empty()) {
        buffer_.setSelText(wrapped(open, s, close));
        return;
    }
    if (focusFirst) buffer_.setFocus();
    buffer_.setSelText(idle ? open : StringView(u"</font>"));
    buffer_.setFocus();
    icon.setToolTip(idle ? startedTip : idleTip);
    idle = !idle;
}

void FontGroup::btnfontsize_Click() {
    apply(sizeIdle, btnfontsize, u"<font size=\"" + txtfontsize.text() + u"\">", u"</font>",
          u"You have started font size editting", kSizeTip, false);
}

void FontGroup::command6_Click() {
    String f = Text4.text();
    if (f.empty() || f == u"Font Face") {
        Text4.setText(u"Times New Roman");
        if (buffer_.form().runtime().msgBox(u"Invalid. Enter or choose a valid font name",
                                            forms::vbCritical, Messages::assistant) == forms::vbOK)
            buffer_.setFocus();
        return;
    }
    apply(faceIdle, command6, u"<font face=\"" + f + u"\">", u" </font>",
          u"You have started font name editting", kFaceTip, false);
}

void FontGroup::colour_setter_Click() {
    String c = Combo2.text();
    if (c.empty()) {
        if (buffer_.form().runtime().msgBox(u"Choose a valid colour from the list",
                                            forms::vbCritical, Messages::assistant) == forms::vbOK)
            buffer_.setFocus();
        return;
    }
    apply(colourIdle, colour_setter, u"<font color=\"" + c + u"\">", u" </font>",
          u"You have started font colour editting", kColourTip, true);
}

void FontGroup::command5_Click() {
    String r = Text3.text();
    // Only the length is tested, not the characters.
    if (r.size() < 6) {
        buffer_.form().runtime().msgBox(kRgbShort);
        Text3.setText(u"");
        return;
    }
    buffer_.setFocus();
    buffer_.setSelText(u"<font color=\"#" + r + u"\">" + buffer_.selText() + u" </font>");
}

void FontGroup::txtfontsize_Change() {
    String t = txtfontsize.text();
    if (t.empty()) {
        txtfontsize.setText(u"3");
        return;
    }
    if (t[0] < u'1' || t[0] > u'7') {
        if (buffer_.form().runtime().msgBox(u"Invalid Entry. Font size ranges from 1 to 7",
                                            forms::vbCritical, Messages::assistant) == forms::vbOK)
            txtfontsize.setText(u"");
    }
}

void FontGroup::Combo1_Click() {
    Text4.setText(Combo1.text());
    Text4.setFontName(Combo1.text());
}

void FontGroup::Combo1_Change() {
    Text4.setText(Combo1.text());
}
