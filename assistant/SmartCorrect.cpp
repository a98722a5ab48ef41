// Smart correct: reads the tag around the caret back into the dialog that writes it, so
// that confirming the dialog replaces the old tag.
#include "assistant/SmartCorrect.h"

#include "dialogs/Fonty.h"
#include "dialogs/HRule.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "forms/Runtime.h"
#include "page/Page.h"
#include "page/Texts.h"
#include "tools/SmartSelect.h"

#include <optional>

using forms::String;
using forms::StringView;

namespace {

constexpr char16_t kNotFound[] =
    u"The end of the tag was not found. This problem is corrected. Please verify and alter if "
    u"necessary. You may run the Smart Correct tool now.";
constexpr char16_t kNotFoundLower[] =
    u"the end of the tag was not found. this problem is corrected. please verify and alter if "
    u"necessary. you may run the smart correct tool now.";

bool isDigit(StringView s) {
    return !s.empty() && s[0] >= u'0' && s[0] <= u'9';
}

// The value rule: what follows the first occurrence of key up to the first mark after it.
// A key that is missing still yields the characters the same arithmetic reaches, as the
// dialogs' tags rely on; a mark that is missing yields nothing, and the field is left alone.
std::optional<String> valueOf(StringView tag, StringView key, char16_t mark) {
    size_t at = tag.find(key);
    // 1-based positions, as the rule is written.
    int64_t k = at == StringView::npos ? 0 : static_cast<int64_t>(at) + 1;
    int64_t open = k + static_cast<int64_t>(key.size()) - 1;
    size_t m = open < static_cast<int64_t>(tag.size()) ? tag.find(mark, static_cast<size_t>(open))
                                                       : StringView::npos;
    int64_t close = (m == StringView::npos ? 0 : static_cast<int64_t>(m) + 1) - 1;
    if (close - open < 0 || open < 0) return std::nullopt;
    size_t from = static_cast<size_t>(open);
    if (from > tag.size()) return String();
    return String(tag.substr(from, static_cast<size_t>(close - open)));
}

bool hasValue(const std::optional<String>& v) {
    return v && !v->empty();
}

// Selects the whole tag from its "<" to its first ">"; without one, says so with the
// branch's texts and closes the page with a ">". Returns the tag, or nothing.
std::optional<String> selectTag(Page& w, int32_t s, bool lowerCase) {
    forms::TextBox& b = w.Text1;
    int32_t e = b.find(u">", s);
    b.setSelStart(s);
    if (e < 0) {
        w.runtime().msgBox(lowerCase ? kNotFoundLower : kNotFound, forms::vbExclamation,
                           lowerCase ? u"assistant: tolva" : Messages::assistant);
        b.setText(b.text() + u">");
        return std::nullopt;
    }
    b.setSelLength(e + 1 - s);
    return b.selText();
}

void image(Page& w, const String& tag) {
    size_t q1 = tag.find(u'"');
    size_t q2 = q1 == String::npos ? String::npos : tag.find(u'"', q1 + 1);
    String source = q2 == String::npos ? String() : tag.substr(q1 + 1, q2 - q1 - 1);
    auto height = valueOf(tag, u"HEIGHT=\"", u'"');
    auto width = valueOf(tag, u"WIDTH=\"", u'"');
    auto alt = valueOf(tag, u"ALT=\"", u'"');
    auto align = valueOf(tag, u"align=\"", u'"');
    auto border = valueOf(tag, u"BORDER=", u' ');

    Imager& d = w.window<Imager>();
    d.show();
    d.imageurl.setText(source);
    auto dimension = [&d](forms::TextBox& box, const std::optional<String>& v,
                          StringView fallback) {
        if (!box.text().empty() && v && isDigit(*v)) {
            box.setText(*v);
            d.dimen.setValue(1);
        } else {
            box.setText(fallback);
        }
    };
    dimension(d.txtheight, height, u"800");
    dimension(d.txtwidth, width, u"600");
    if (alt) d.txtalternate.setText(*alt);
    if (align) {
        d.txtalignment.setText(*align);
        // What the rule reads from "<IMG SRC=\"" when there is no align attribute.
        if (d.txtalignment.text() == u"RC=") d.txtalignment.setText(u"Left");
    }
    if (border) d.txtborder.setText(*border);
    if (!isDigit(d.txtborder.text())) d.txtborder.setText(u"0");
}

void font(Page& w, const String& tag) {
    auto colour = valueOf(tag, u"color=\"", u'"');
    auto face = valueOf(tag, u"face=\"", u'"');
    auto size = valueOf(tag, u"size=\"", u'"');
    // Opened as the font button opens it, the selected tag its working text: OK writes back
    // what Set made of it, never an empty text over the tag.
    fonts::openFontDialog(w);
    Fonty& d = w.window<Fonty>();
    if (colour) {
        if (StringView(*colour).starts_with(u"#")) {
            // Ticked first, so that clearing the named colour leaves no empty color="".
            d.Check1.setValue(1);
            d.Text3.setText(StringView(*colour).substr(1));
            d.Combo2.setText(u"");
        } else {
            d.Combo2.setText(*colour);
        }
    }
    if (face) d.Text4.setText(*face);
    if (size) d.txtfontsize.setText(*size);
}

void rule(Page& w, const String& tag) {
    auto align = valueOf(tag, u"align=\"", u'"');
    std::optional<String> width;
    if (size_t at = tag.find(u"width="); at != String::npos) {
        size_t from = at + 6;
        size_t blank = tag.find(u' ', from);
        size_t gt = tag.find(u'>', from);
        size_t end = blank == String::npos || (gt != String::npos && blank > gt) ? gt : blank;
        if (end != String::npos) width = tag.substr(from, end - from);
    }
    // A rule without a width keeps the dialog's width: what the position rule would read
    // there is a piece of another attribute.
    auto size = valueOf(tag, u"size=\"", u'"');
    auto colour = valueOf(tag, u"color=\"", u'"');
    HRule& d = w.window<HRule>();
    d.show();
    if (hasValue(align)) d.setAlign(*align);
    if (hasValue(width)) d.Widther.setText(*width);
    if (hasValue(size)) d.size.setText(*size);
    if (hasValue(colour)) d.Combo2.setText(*colour);
}

// "F=" is what the rule reads when a link has no TITLE: the characters after "<A HRE".
bool isTitle(const std::optional<String>& t) {
    return hasValue(t) && *t != u"F=";
}

void mail(Page& w, const String& tag) {
    auto address = valueOf(tag, u"HREF=\"mailto:", u'"');
    auto title = valueOf(tag, u"TITLE=\"", u'"');
    auto subject = valueOf(tag, u"?subject=", u'"');
    LinkComplete& d = w.window<LinkComplete>();
    d.show();
    d.Option2.setValue(true);
    if (hasValue(address)) {
        // Only the opening tag is replaced: the link's text stays.
        d.txttodisplay.setEnabled(false);
        d.txttodisplay.setText(u"");
        d.mailid.setText(*address);
    }
    if (isTitle(title)) d.mailscreentip.setText(*title);
    if (hasValue(subject)) d.subject.setText(*subject);
    d.mailid.setFocus();
    if (int32_t k = d.mailid.find(u"?subject"); k >= 0) {
        d.mailid.setSelStart(k);
        d.mailid.setSelLength(1000);
        d.mailid.setSelText(u"");
    }
}

void hyperlink(Page& w, const String& tag) {
    auto location = valueOf(tag, u"HREF=\"", u'"');
    auto title = valueOf(tag, u"TITLE=\"", u'"');
    LinkComplete& d = w.window<LinkComplete>();
    d.show();
    if (hasValue(location)) {
        d.txttodisplay.setEnabled(false);
        d.txttodisplay.setText(u"");
        d.linkurl.setText(*location);
    }
    if (isTitle(title)) d.linkscreentip.setText(*title);
}

struct Branch {
    StringView opening[2];
    bool lowerCaseMessage;
    void (*read)(Page&, const String&);
};

// In this order; a mail link runs the mail branch and then the hyperlink branch.
const Branch kBranches[] = {
    {{u"<IMG", u""}, false, image},          {{u"<font ", u"<FONT "}, false, font},
    {{u"<hr", u"<HR"}, true, rule},          {{u"<A HREF=\"mailto:", u""}, true, mail},
    {{u"<A HREF=\"", u""}, true, hyperlink},
};

void readTagIntoDialog(Page& w) {
    int32_t s = w.Text1.selStart();
    for (const Branch& b : kBranches) {
        String sel = w.Text1.selText();
        bool match = false;
        for (StringView o : b.opening)
            match = match || (!o.empty() && StringView(sel).starts_with(o));
        if (!match) continue;
        if (auto tag = selectTag(w, s, b.lowerCaseMessage)) b.read(w, *tag);
    }
}

} // namespace

void smartCorrect(Page& w) {
    smartSelect(w.Text1, w.runtime());
    if (w.Text1.selText().empty()) {
        if (w.runtime().msgBox(u"Place the cursor in tags, such as '<IMG ' or '<font' first. "
                               u"Smart Correct helps you to edit tags.",
                               forms::vbInformation, Messages::assistant) == forms::vbOK)
            w.Text1.setFocus();
    }
    readTagIntoDialog(w);
}
