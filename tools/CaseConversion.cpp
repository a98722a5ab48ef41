// Case conversion of the buffer's selection: lower, upper, inverted, title and sentence.
#include "tools/CaseConversion.h"

#include "page/Page.h"

#include <functional>

using forms::String;

namespace {

bool isLower(char16_t c) {
    return c >= u'a' && c <= u'z';
}
bool isUpper(char16_t c) {
    return c >= u'A' && c <= u'Z';
}
char16_t flip(char16_t c) {
    if (isUpper(c)) return static_cast<char16_t>(c + 32);
    if (isLower(c)) return static_cast<char16_t>(c - 32);
    return c;
}
char16_t raise(char16_t c) {
    return isLower(c) ? static_cast<char16_t>(c - 32) : c;
}
// The platform's mapping, with plain ASCII kept inline: a page is mostly ASCII.
char16_t toLower(char16_t c) {
    if (c < 0x80) return isUpper(c) ? static_cast<char16_t>(c + 32) : c;
    return forms::lowerChar(c);
}
char16_t toUpper(char16_t c) {
    if (c < 0x80) return raise(c);
    return forms::upperChar(c);
}

// Replaces the selection by its conversion, character by character in the one copy read
// out of the box, and selects the result.
template <char16_t (*Convert)(char16_t)> void replaceSelection(forms::TextBox& box) {
    int32_t start = box.selStart();
    int32_t length = box.selLength();
    String t = box.selText();
    for (char16_t& c : t)
        c = Convert(c);
    box.setSelText(t);
    box.setSelStart(start);
    box.setSelLength(length);
}

// Title and sentence case insert their result with a leading blank (so that the first
// letter has a blank before it) and then delete that blank: two changes of the text.
void replaceSelectionPadded(forms::TextBox& box,
                            const std::function<void(forms::String&)>& convert) {
    int32_t start = box.selStart();
    int32_t length = box.selLength();
    String w = u" " + box.selText();
    convert(w);
    box.setSelText(w);
    box.setSelStart(start);
    box.setSelLength(1);
    box.setSelText(u"");
    box.setSelLength(length);
}

} // namespace

void mnuLcase_Click(Page& w) {
    replaceSelection<toLower>(w.Text1);
}

void mnuUcase_Click(Page& w) {
    replaceSelection<toUpper>(w.Text1);
}

void mnuIcase_Click(Page& w) {
    replaceSelection<flip>(w.Text1);
}

void mnutitlecase_Click(Page& w) {
    replaceSelectionPadded(w.Text1, [](String& w) {
        for (char16_t& c : w)
            c = toLower(c);
        for (size_t i = 1; i < w.size(); ++i)
            if (w[i - 1] == u' ') w[i] = raise(w[i]);
    });
}

void mnusentencecase_Click(Page& w) {
    replaceSelectionPadded(w.Text1, [](String& w) {
        for (size_t i = 1; i < w.size(); ++i) {
            bool afterStop = w[i - 1] == u'.' || (i >= 2 && w[i - 1] == u' ' && w[i - 2] == u'.');
            if (afterStop) w[i] = raise(w[i]);
        }
    });
}
